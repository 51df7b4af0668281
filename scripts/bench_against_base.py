#!/usr/bin/env python3
"""Times the window's start-up and the sound table of two builds in turns, in one run on one
machine: this one and a base commit's. Writes docs/benchmarks.md's section on it.

Usage: bench_against_base.py BASE_COMMIT BASE_BUILD THIS_BUILD SMALL_FOLDER LARGE_FOLDER WORK [RUNS]
(each build a release build with bench/window_shown, app/kelvane and bench/all_sounds_bench)
"""
import datetime
import os
import shutil
import statistics
import sys

from bench_all_sounds import run_window
from bench_cli import make_sounds
from bench_doc import write_section
from bench_startup import measure
from x_server import start_xvfb

SOUNDS = 20_000
NOTE = ("The first run of it (2026-12-10) found the start 1.33 and 1.25 times the base's: the "
        "boxes' warning sign was looked up in the icon theme on every change of the warnings, at "
        "start-up too, and a folder listed before anything was loaded cleared the empty display "
        "(four boxes emptied, each judged). Both mended; the table above is the run after.")


def main():
    commit = sys.argv[1]
    base, this, small, many, work = (os.path.abspath(p) for p in sys.argv[2:7])
    runs = int(sys.argv[7]) if len(sys.argv) > 7 else 15
    builds = {"base": base, "now": this}
    folders = {"samples/": small, "10,000 sounds": many}

    server, env = start_xvfb()
    starts = {(b, f): [] for b in builds for f in folders}
    try:
        for build, folder in starts:  # warm the caches once
            measure(os.path.join(builds[build], "bench/window_shown"),
                    os.path.join(builds[build], "app/kelvane"), folders[folder], env,
                    ("--language", "en"))
        for _ in range(runs):  # in turns: the machine's ups and downs fall on both alike
            for build, folder in starts:
                starts[(build, folder)].append(measure(
                    os.path.join(builds[build], "bench/window_shown"),
                    os.path.join(builds[build], "app/kelvane"), folders[folder], env,
                    ("--language", "en"))[0])
    finally:
        server.terminate()
        server.wait()

    shutil.rmtree(work, ignore_errors=True)
    tree = os.path.join(work, "tree")
    make_sounds(tree, SOUNDS)
    scans = {b: [] for b in builds}
    sorts = {b: [] for b in builds}
    for _ in range(max(3, runs // 3)):
        for build in builds:
            bench = os.path.join(builds[build], "bench/all_sounds_bench")
            seconds, _, rows, _ = run_window(bench, "scan", tree)[0].split()
            if int(rows) != SOUNDS:
                sys.exit(f"the {build} table listed {rows} rows of {SOUNDS}")
            scans[build].append(float(seconds))
            per_column = [line.split() for line in run_window(bench, "sort", tree)]
            sorts[build].append(max(max(float(a), float(d)) for _, a, d in per_column))
    shutil.rmtree(work, ignore_errors=True)

    med = statistics.median
    lines = ["## This build against its base", "",
             f"Made by `scripts/bench_against_base.sh {commit}` on "
             f"{datetime.date.today().isoformat()}: the release builds of this commit and of "
             f"`{commit}` (before `ui/` was rearranged into rooms, the window made a shell and the "
             "field table read everywhere), measured in turns in one run on one machine: start to "
             f"window shown as in the start-up section (median of {runs} starts each), and the "
             f"sound table of {SOUNDS:,} sounds as in its section (all rows in, warm; the slowest "
             "column's sort).", "",
             "| What | Base | Now | Now / base |", "|---|---|---|---|"]
    for folder in folders:
        b, n = med(starts[("base", folder)]), med(starts[("now", folder)])
        lines.append(f"| start to window shown, {folder} | {b * 1000:.1f} ms | "
                     f"{n * 1000:.1f} ms | **{n / b:.2f}** |")
    b, n = med(scans["base"]), med(scans["now"])
    lines.append(f"| all {SOUNDS:,} rows in, warm | {b:.2f} s | {n:.2f} s | **{n / b:.2f}** |")
    b, n = med(sorts["base"]), med(sorts["now"])
    lines.append(f"| slowest column's sort | {b:.1f} ms | {n:.1f} ms | **{n / b:.2f}** |")
    lines += ["", "Bar: every ratio within the machine's run-to-run spread (a tenth, see the "
              "start-up section).", "", NOTE]
    write_section("against-base", lines)


if __name__ == "__main__":
    main()
