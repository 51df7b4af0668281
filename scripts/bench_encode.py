#!/usr/bin/env python3
"""Times `kelvane-cli encode` beside what a modder does without it: each source resampled by
sox and encoded by oggenc at the same quality, one after another; each side goes first in turn,
warm. Then what is heard: each source encoded at quality 5 and decoded again, against the same
source mixed to mono and resampled by `sox rate -v` (very high quality): its length to the
sample and its signal-to-noise ratio, ours beside oggenc's own (oggenc given that very
reference). Writes the figures into docs/benchmarks.md.
Usage: bench_encode.py CLI WORK [ROUNDS]"""
import array
import math
import os
import shutil
import statistics
import subprocess
import sys
import time

from bench_doc import write_section

QUALITY = "5"


def run(command):
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)


def seconds(action):
    start = time.perf_counter()
    action()
    return time.perf_counter() - start


def sox_then_oggenc(sources, out, scratch):
    """Each source mixed to mono and resampled by sox (its default, high quality), then encoded
    by oggenc, one after another, as a script would."""
    os.makedirs(out, exist_ok=True)
    for source in sources:
        between = os.path.join(scratch, "between.wav")
        run(["sox", source, "-e", "floating-point", "-b", "32", between, "channels", "1",
             "rate", "44100"])
        name = os.path.splitext(os.path.basename(source))[0] + ".ogg"
        run(["oggenc", "-Q", "-q", QUALITY, "-o", os.path.join(out, name), between])


def ours(cli, folder, out):
    run([cli, "encode", "--quality", QUALITY, "--to", out, folder])


def race(cli, folder, sources, work, rounds):
    """Median seconds of both sides, each first in turn."""
    times = {"ours": [], "theirs": []}
    for r in range(rounds):
        sides = [("ours", lambda o: ours(cli, folder, o)),
                 ("theirs", lambda o: sox_then_oggenc(sources, o, work))]
        if r % 2:
            sides.reverse()
        for name, side in sides:
            out = os.path.join(work, f"out-{name}-{r}")
            times[name].append(seconds(lambda: side(out)))
            shutil.rmtree(out)
    return statistics.median(times["ours"]), statistics.median(times["theirs"])


def floats(path):
    """The samples of a sound as sox decodes them: 32-bit floats, mono at 44100 Hz."""
    raw = subprocess.run(["sox", path, "-t", "f32", "-e", "floating-point", "-"],
                         stdout=subprocess.PIPE, check=True).stdout
    values = array.array("f")
    values.frombytes(raw)
    return values


def snr(reference, decoded):
    signal = sum(x * x for x in reference)
    noise = sum((x - y) * (x - y) for x, y in zip(reference, decoded))
    return 10 * math.log10(signal / noise) if noise > 0 else float("inf")


def fidelity(cli, source, work):
    name = os.path.splitext(os.path.basename(source))[0]
    reference = os.path.join(work, name + "-reference.wav")
    run(["sox", source, "-e", "floating-point", "-b", "32", reference, "channels", "1",
         "rate", "-v", "44100"])
    mine = os.path.join(work, name + "-ours.ogg")
    run([cli, "encode", "--quality", QUALITY, "-o", mine, source])
    theirs = os.path.join(work, name + "-oggenc.ogg")
    run(["oggenc", "-Q", "-q", QUALITY, "-o", theirs, reference])
    ref = floats(reference)
    a, b = floats(mine), floats(theirs)
    return len(ref), len(a), len(b), snr(ref, a), snr(ref, b)


def make_sources(work):
    batch = os.path.join(work, "batch")
    os.makedirs(batch)
    sources = []
    for i in range(40):
        path = os.path.join(batch, f"take{i:02d}.wav")
        run(["sox", "-R", "-n", "-r", "48000", "-c", "2", "-b", "24", path, "synth", "3",
             "pinknoise", "sine", str(200 + 20 * i), "fade", "0", "3", "0.5"])
        sources.append(path)
    long_folder = os.path.join(work, "long")
    os.makedirs(long_folder)
    long_source = os.path.join(long_folder, "ambience.wav")
    run(["sox", "-R", "-n", "-r", "48000", "-c", "2", "-b", "24", long_source, "synth", "600",
         "pinknoise", "brownnoise", "tremolo", "0.2", "60"])
    sweep = os.path.join(work, "sweep48k.wav")
    run(["sox", "-R", "-n", "-r", "48000", "-c", "1", "-b", "24", sweep, "synth", "4", "sine",
         "40:20000", "vol", "0.7"])
    speech = os.path.join(work, "speech22k.wav")
    run(["sox", "-R", "-n", "-r", "22050", "-c", "1", "-b", "16", speech, "synth", "4",
         "pinknoise", "band", "-n", "900", "700", "tremolo", "4.5", "90", "vol", "0.8"])
    return batch, sources, long_folder, long_source, [sweep, speech]


def main():
    cli, work = sys.argv[1], sys.argv[2]
    rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    scratch = os.path.join(work, "scratch")
    os.makedirs(scratch)
    batch, sources, long_folder, long_source, heard = make_sources(work)
    ours_batch, theirs_batch = race(cli, batch, sources, scratch, rounds)
    ours_long, theirs_long = race(cli, long_folder, [long_source], scratch, max(3, rounds // 2))
    lines = [
        "## Making sounds game-ready: `kelvane-cli encode`",
        "",
        "Bars: 40 sources of 3 s (48 kHz stereo 24-bit) at most 0.7 times sox resampling plus "
        "oggenc one after another at the same quality; one 10-minute source within 1.1 times "
        "the same; what is heard no worse than oggenc's own at that quality.",
        "",
        "How: each core encodes one source at a time; within a source a thread of its own reads it (libsndfile) and resamples it (libsoxr, high quality) block by block beside libvorbisenc, so one long source costs about what its encoding costs; the new files are flushed once per slice. sox + oggenc run one after another, as a script would.",
        "",
        f"`scripts/bench_encode.sh` on this machine ({os.cpu_count()} cores), quality {QUALITY}, "
        f"mono, medians of {rounds} rounds (the long source: {max(3, rounds // 2)}), each side "
        "first in turn:",
        "",
        "| Work | kelvane-cli encode | sox + oggenc | Ratio | Bar |",
        "|---|---|---|---|---|",
        f"| 40 sources of 3 s | {ours_batch:.2f} s | {theirs_batch:.2f} s | "
        f"{ours_batch / theirs_batch:.2f} | 0.7 |",
        f"| one source of 10 min | {ours_long:.2f} s | {theirs_long:.2f} s | "
        f"{ours_long / theirs_long:.2f} | 1.1 |",
        "",
        "What is heard: encoded at quality 5 and decoded by sox, against the source mixed to mono "
        "and resampled by `sox rate -v`; oggenc was given that very reference:",
        "",
        "| Source | Samples (reference) | Ours | oggenc | SNR ours | SNR oggenc |",
        "|---|---|---|---|---|---|",
    ]
    for source in heard:
        n, a, b, mine, theirs = fidelity(cli, source, scratch)
        lines.append(f"| {os.path.basename(source)} | {n} | {a} | {b} | {mine:.2f} dB | "
                     f"{theirs:.2f} dB |")
    write_section("encode", lines)


if __name__ == "__main__":
    main()
