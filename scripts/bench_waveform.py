#!/usr/bin/env python3
"""Times the window from selecting a 3-minute 44.1 kHz stereo sound to its waveform drawn,
beside oggdec decoding the same file to /dev/null, taken in turns in one run under one Xvfb
server; writes docs/benchmarks.md's waveform section.

Usage: bench_waveform.py WAVEFORM_BENCH FOLDER SOUND OTHER [RUNS]
"""
import datetime
import os
import platform
import statistics
import subprocess
import sys
import time

from bench_doc import write_section
from x_server import start_xvfb


def oggdec_seconds(path):
    start = time.perf_counter()
    subprocess.run(["oggdec", "-Q", "-o", "/dev/null", path], check=True)
    return time.perf_counter() - start


def window_run(bench, folder, sound, other, env):
    out = subprocess.run([bench, folder, sound, other, "1"], env=env, check=True,
                         capture_output=True, text=True).stdout.split()
    return float(out[0]) / 1000, float(out[1]) / 1000


def main():
    bench, folder = (os.path.abspath(p) for p in sys.argv[1:3])
    sound, other = sys.argv[3:5]
    runs = int(sys.argv[5]) if len(sys.argv) > 5 else 15
    server, env = start_xvfb()
    path = os.path.join(folder, sound)
    decoded, drawn, gaps = [], [], []
    try:
        oggdec_seconds(path)  # warm the caches once
        window_run(bench, folder, sound, other, env)
        for _ in range(runs):
            decoded.append(oggdec_seconds(path))
            seconds, gap = window_run(bench, folder, sound, other, env)
            drawn.append(seconds)
            gaps.append(gap)
    finally:
        server.terminate()
    ms = lambda s: f"{s * 1000:.0f} ms"
    ratio = statistics.median(drawn) / statistics.median(decoded)
    size = os.path.getsize(path) / 2**20
    write_section("waveform", [
        "## Waveform of a long sound",
        "",
        f"Made by `scripts/bench_waveform.sh` on {datetime.date.today()}: a 3-minute 44.1 kHz "
        f"stereo sound ({size:.1f} MiB, oggenc quality 3), selected in the window's list under "
        f"Xvfb until the waveform is painted, and `oggdec -o /dev/null` of the same file; taken "
        f"in turns, {runs} of each, medians, in one run on one machine ({os.cpu_count()} cores, "
        f"Linux {platform.release()}). Each window run first selects another sound, so the long "
        "one is loaded and decoded anew.",
        "",
        "| What | Median | Slowest |",
        "|---|---|---|",
        f"| `oggdec` to /dev/null (process start included) | {ms(statistics.median(decoded))} "
        f"| {ms(max(decoded))} |",
        f"| select to waveform drawn | {ms(statistics.median(drawn))} | {ms(max(drawn))} |",
        f"| longest the interface thread kept from its event loop meanwhile "
        f"| {ms(statistics.median(gaps))} | {ms(max(gaps))} |",
        "",
        f"Waveform / oggdec: **{ratio:.2f}** (bar: at most 1.5). Longest gap: "
        f"**{max(gaps) * 1000:.1f} ms** over all runs (bar: at most 16 ms).",
        "",
        "Decoding and the peaks run on a thread of their own at a lower priority (nice 10), so "
        "that on a busy machine the window and the display server go first; the interface "
        "thread reads and inspects the file on the click (3 to 4 ms of it, timed around the "
        "load), copies its bytes for the decoder and later paints. The longest gaps come at the "
        "click, and from the two cores shared by the decoder, the X server and the window. The "
        "gap is measured with a precise 1 ms timer, so that the meter does not keep a core busy "
        "itself.",
    ])


if __name__ == "__main__":
    main()
