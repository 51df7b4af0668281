#!/usr/bin/env python3
"""Times the sound table as a workbench: comparing a tree of 20,000 sounds with a stock tree of
20,000 beside `kelvane-cli diff -r` of the same trees, and a value typed into a cell of 2,000
selected rows (shown, undone, applied) beside `kelvane-cli set` of the same files, in one run on
one machine. Writes docs/benchmarks.md's section on it.

Usage: bench_workbench.py ALL_SOUNDS_BENCH KELVANE_CLI WORK_FOLDER [ROUNDS]
"""
import datetime
import os
import shutil
import statistics
import subprocess
import sys
import time

from bench_all_sounds import run_window
from bench_cli import make_sounds, timed
from bench_doc import write_section

SOUNDS = 20_000
EDITED = 2_000


def timed_diff(cli, mod, stock):
    """Wall time of `diff -r`, which ends with 1 when the trees differ."""
    start = time.perf_counter()
    done = subprocess.run([cli, "diff", "-r", mod, stock], stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE)
    if done.returncode not in (0, 1):
        sys.exit(f"diff failed: {done.stderr.decode()[-500:]}")
    return time.perf_counter() - start


def main():
    bench, cli, work = sys.argv[1], sys.argv[2], sys.argv[3]
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    shutil.rmtree(work, ignore_errors=True)
    mod, stock = os.path.join(work, "mod"), os.path.join(work, "stock")
    make_sounds(mod, SOUNDS)
    make_sounds(stock, SOUNDS)
    # A tenth of the stock sounds hold other values, as a mod changes some.
    for folder in ("set00", "set01", "set02", "set03"):
        timed([cli, "set", "-r", "--max", "44", os.path.join(stock, folder)])

    compares, wholes, gaps, diffs = [], [], [], []
    for _ in range(rounds):
        subprocess.run(["sync"])
        diffs.append(timed_diff(cli, mod, stock))
        seconds, gap, differing, only, whole = run_window(bench, "compare", mod, stock)[0].split()
        if int(differing) == 0:
            sys.exit("the comparison found no difference")
        compares.append(float(seconds))
        wholes.append(float(whole))
        gaps.append(float(gap))

    pristine = os.path.join(work, "pristine")
    make_sounds(pristine, EDITED)
    edits, undos, applies, sets = [], [], [], []
    for r in range(rounds):
        volume = "0.9" if r % 2 else "0.8"
        window, line = os.path.join(work, f"cells-{r}"), os.path.join(work, f"set-{r}")
        shutil.copytree(pristine, window)
        shutil.copytree(pristine, line)
        # Each goes first in every other round: the one after waits for the other's flushes.
        for who in (("window", "cli") if r % 2 else ("cli", "window")):
            subprocess.run(["sync"])
            if who == "cli":
                sets.append(timed([cli, "set", "-r", "--volume", volume, line])[0])
                continue
            lines = run_window(bench, "cells", window, str(EDITED), volume)
            if len(lines) != EDITED + 1:
                sys.exit(f"the cell edit changed {len(lines) - 1} rows of {EDITED}")
            edit, undo, apply = lines[0].split()
            edits.append(float(edit))
            undos.append(float(undo))
            applies.append(float(apply))

    med = statistics.median
    c, d = med(compares), med(diffs)
    a, s = med(applies), med(sets)
    lines = ["## The sound table as a workbench", "",
             f"Made by `scripts/bench_workbench.sh` on {datetime.date.today().isoformat()}: "
             f"{SOUNDS:,} copies of the encoder-made samples in 40 folders compared with as many "
             "stock sounds, a tenth of them holding another maximum distance, on a "
             f"{os.cpu_count()}-core machine; the window on Qt's offscreen platform "
             "(`bench/all_sounds_bench compare` and `cells`); medians of "
             f"{rounds} runs, all in one run, warm.", "",
             "| What | Window | `kelvane-cli` | Ratio |", "|---|---|---|---|",
             f"| compare {SOUNDS:,} rows with {SOUNDS:,} stock sounds, every row and difference "
             f"in (vs `diff -r`) | {c:.2f} s | {d:.2f} s | **{c / d:.2f}** |",
             f"| the same with the mod's {SOUNDS:,} rows listed first (vs `diff -r`) "
             f"| {med(wholes):.2f} s | {d:.2f} s | **{med(wholes) / d:.2f}** |",
             f"| Apply a volume typed into a cell of {EDITED:,} selected rows, with backups "
             f"(vs `set -r --volume`) | {a:.2f} s | {s:.2f} s | **{a / s:.2f}** |", "",
             f"A value typed into a cell of {EDITED:,} selected rows, shown: **{med(edits):.1f} ms** "
             f"(worst {max(edits):.1f} ms); undoing it, shown: **{med(undos):.1f} ms** (worst "
             f"{max(undos):.1f} ms). Longest interface stall while listing and comparing: "
             f"**{max(gaps):.1f} ms**.", "",
             "Bars: comparing at most 1.3 times `diff -r`, stalls at most 50 ms; a cell edit on "
             "2,000 rows and its undo at most 100 ms each; Apply at most 1.2 times `set`.", "",
             "How: only the stock tree is read (the mod's rows are in the table already), on four "
             "threads per core by the command line's reader, and kept by the path below its "
             "folder, the pairing `diff` uses; a row's difference is worked out when it is drawn "
             "or filtered. An edit keeps the row as listed beside it and shows the row as it will "
             "be written, judged by the game's rules; undo puts back the edits each row had."]
    write_section("workbench", lines)


if __name__ == "__main__":
    main()
