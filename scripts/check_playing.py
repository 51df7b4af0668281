#!/usr/bin/env python3
"""Plays a sound through the window on a real sound server and checks what was heard: a private
PulseAudio server with a null sink, the window under Xvfb clicked on its file name strip, the
sink's monitor recorded with parec, and the recording compared sample for sample with what
oggdec decodes from the same file. The recorder misses its own first 20 ms (its latency), as
it does when pacat plays the same samples; every sample after that must be equal, the last one
included.

Usage: check_playing.py KELVANE KELVANE_CLI
"""
import os
import struct
import subprocess
import sys
import tempfile
import time

from x_server import start_xvfb


def run(*args, **kw):
    return subprocess.run(args, check=True, **kw)


def samples(path):
    data = open(path, "rb").read()
    return struct.unpack(f"<{len(data) // 2}h", data[: len(data) // 2 * 2])


def heard(recording, decoded):
    """Where the decoded samples lie in the recording, found from a stretch of them."""
    at = len(decoded) // 4
    probe = decoded[at: at + 64]
    best = min(range(len(recording) - 64),
               key=lambda i: sum(abs(recording[i + j] - probe[j]) for j in range(0, 64, 4)))
    return best - at


def check(kelvane, cli, work, env, channels):
    name = f"tone{channels}.ogg"
    sound = os.path.join(work, name)
    run("sox", "-n", "-r", "44100", "-b", "16", "-c", str(channels), sound + ".wav", "synth", "2",
        "sine", "300-900", "sine", "500", "vol", "0.5")
    run("oggenc", "-Q", "-q", "3", "-o", sound, sound + ".wav")
    os.remove(sound + ".wav")
    run(cli, "set", "--no-backup", "--volume", "1", sound, stdout=subprocess.DEVNULL)
    run("oggdec", "-Q", "-R", "-o", sound + ".raw", sound)
    window = subprocess.Popen([kelvane, sound], env=env, stderr=subprocess.DEVNULL)
    time.sleep(2)
    record = sound + ".rec"
    recorder = subprocess.Popen(["parec", "--latency-msec=20", "-d", "kelvane_null.monitor",
                                 "--format=s16le", "--rate=44100", f"--channels={channels}",
                                 "--raw", record], env=env)
    time.sleep(0.5)
    # The strip with the file name, 80 px down the window's middle.
    geometry = run("xdotool", "search", "--onlyvisible", "--name", "Kelvane",
                   "getwindowgeometry", "--shell", env=env, capture_output=True,
                   text=True).stdout
    g = dict(line.split("=") for line in geometry.split())
    run("xdotool", "mousemove", str(int(g["X"]) + int(g["WIDTH"]) * 2 // 3),
        str(int(g["Y"]) + 80), "click", "1", env=env)
    time.sleep(5)  # the first play also connects to the sound server
    recorder.terminate()
    recorder.wait()
    window.terminate()
    window.wait()
    decoded, recording = samples(sound + ".raw"), samples(record)
    offset = heard(recording, decoded)
    first = max(0, -offset)
    pairs = [(recording[i + offset], decoded[i]) for i in range(first, len(decoded))
             if i + offset < len(recording)]
    equal = sum(a == b for a, b in pairs)
    missed = first / channels / 44.1
    print(f"{channels} channel(s): {len(decoded)} samples decoded, the recording starts "
          f"{missed:.0f} ms in; {equal} of {len(pairs)} later samples equal, the last one "
          f"{'included' if first + len(pairs) == len(decoded) else 'NOT reached'}")
    return equal == len(pairs) and first + len(pairs) == len(decoded) and missed <= 25


def main():
    kelvane, cli = (os.path.abspath(p) for p in sys.argv[1:3])
    with tempfile.TemporaryDirectory() as work:
        runtime = os.path.join(work, "runtime")
        os.mkdir(runtime, 0o700)
        server, env = start_xvfb(dict(os.environ, XDG_RUNTIME_DIR=runtime))
        run("pulseaudio", "-D", "-n", "--exit-idle-time=-1",
            "--load=module-null-sink sink_name=kelvane_null rate=44100 channels=2",
            "--load=module-native-protocol-unix", env=env, stderr=subprocess.DEVNULL)
        try:
            good = all([check(kelvane, cli, work, env, channels)
                        for channels in (1, 2)])
        finally:
            server.terminate()
            subprocess.run(["pulseaudio", "--kill"], env=env)
    sys.exit(0 if good else 1)


if __name__ == "__main__":
    main()
