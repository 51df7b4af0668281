#!/usr/bin/env python3
"""Times the window's table of every sound of a tree of 20,000 sounds in 40 folders beside
`kelvane-cli show -r --json` of the same tree, warm and cold, in one run on one machine; sorting
by each column; and applying a field to 2,000 selected rows beside `kelvane-cli set` of the
same files. Writes docs/benchmarks.md's section on it.

Usage: bench_all_sounds.py ALL_SOUNDS_BENCH KELVANE_CLI WORK_FOLDER [ROUNDS]
"""
import datetime
import os
import shutil
import statistics
import subprocess
import sys
import time

from bench_cli import drop_caches, make_sounds, timed
from bench_doc import write_section

SOUNDS = 20_000
EDITED = 2_000


def run_window(bench, *args):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    done = subprocess.run([bench, *args], capture_output=True, text=True, env=env)
    if done.returncode != 0:
        sys.exit(f"all_sounds_bench {args[0]} failed: {done.stderr[-500:]}")
    return done.stdout.splitlines()


def main():
    bench, cli, work = sys.argv[1], sys.argv[2], sys.argv[3]
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    shutil.rmtree(work, ignore_errors=True)
    tree = os.path.join(work, "tree")
    make_sounds(tree, SOUNDS)
    cold_allowed = drop_caches()
    modes = [False, True] if cold_allowed else [False]

    scans = {(who, cold): [] for who in ("cli", "window") for cold in modes}
    gaps, peaks = [], []
    for _ in range(rounds):
        for cold in modes:
            subprocess.run(["sync"])
            if cold:
                drop_caches()
            scans[("cli", cold)].append(timed([cli, "show", "-r", "--json", tree])[0])
            if cold:
                drop_caches()
            seconds, gap, rows, peak = run_window(bench, "scan", tree)[0].split()
            if int(rows) != SOUNDS:
                sys.exit(f"the sound table listed {rows} rows of {SOUNDS}")
            scans[("window", cold)].append(float(seconds))
            gaps.append(float(gap))
            peaks.append(int(peak) / 1024)

    sorts = []
    for _ in range(rounds):
        per_column = [line.split() for line in run_window(bench, "sort", tree)]
        sorts.append(max(max(float(a), float(d)) for _, a, d in per_column))

    # Each edit gets fresh copies of the same 2,000 sounds, made before anything is timed.
    pristine = os.path.join(work, "pristine")
    make_sounds(pristine, EDITED)
    copies = {}
    for r in range(rounds):
        for who in ("cli", "window"):
            copies[(r, who)] = os.path.join(work, f"edit-{who}-{r}")
            shutil.copytree(pristine, copies[(r, who)])
    subprocess.run(["sync"])
    edits = {"cli": [], "window": []}
    for r in range(rounds):
        volume = "0.9" if r % 2 else "0.8"
        subprocess.run(["sync"])
        lines = run_window(bench, "edit", copies[(r, "window")], str(EDITED), volume)
        if len(lines) != EDITED + 1:
            sys.exit(f"the sound table edited {len(lines) - 1} rows of {EDITED}")
        edits["window"].append(float(lines[0]))
        subprocess.run(["sync"])
        edits["cli"].append(timed([cli, "set", "-r", "--volume", volume, copies[(r, "cli")]])[0])

    med = statistics.median
    lines = ["## The sound table of a folder tree", "",
             f"Made by `scripts/bench_all_sounds.sh` on {datetime.date.today().isoformat()}: "
             f"{SOUNDS:,} copies of the encoder-made samples in 40 folders on a "
             f"{os.cpu_count()}-core machine, the window on Qt's offscreen platform "
             "(`bench/all_sounds_bench`, which clicks All Sounds and runs the event loop until the "
             f"last row is in); medians of {rounds} runs, all in one run. Cold: the page cache "
             "dropped before each command. The interface's longest stall is the longest time "
             "between two passes of its event loop while the rows come in (a precise 1 ms timer).",
             "", "| What | Window | `kelvane-cli` | Ratio |", "|---|---|---|---|"]
    for cold in modes:
        o, c = med(scans[("window", cold)]), med(scans[("cli", cold)])
        lines.append(f"| all {SOUNDS:,} rows in, {'cold' if cold else 'warm'} (vs `show -r --json`) "
                     f"| {o:.2f} s | {c:.2f} s | **{o / c:.2f}** |")
    o, c = med(edits["window"]), med(edits["cli"])
    lines.append(f"| Apply a volume to {EDITED:,} selected rows, with backups (vs `set -r --volume`) "
                 f"| {o:.2f} s | {c:.2f} s | **{o / c:.2f}** |")
    lines += ["", f"Longest interface stall while scanning: **{max(gaps):.1f} ms** (the worst of "
              f"{len(gaps)} scans; median {med(gaps):.1f} ms). Peak memory of the window with "
              f"{SOUNDS:,} rows: **{max(peaks):.1f} MiB**. Sorting {SOUNDS:,} rows by the "
              f"slowest column: **{med(sorts):.1f} ms**.", "",
              "Bars: all rows in at most 1.5 times `show -r --json` warm and cold; stalls at most "
              "50 ms; peak memory under 80 MiB; editing at most 1.2 times `set`; sorting any "
              "column under 100 ms.", "",
              "How: the tree is listed and each sound's first pages are read on four threads per "
              "core by the command line's own reading; the window takes the rows made so far "
              "every 25 ms and merges them into the sorted table in one pass, so it never waits "
              "for the disk and is never handed one message per sound. Writing goes through the "
              "command line's batch saver: new files for up to 512 sounds, one flush, then the "
              "checks and the renames; each written sound is read again for its row."]
    write_section("all-sounds", lines)


if __name__ == "__main__":
    main()
