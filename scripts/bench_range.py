#!/usr/bin/env python3
"""Times the range picture redrawn after each keystroke in a box, through the real window on
Qt's offscreen platform; writes docs/benchmarks.md's section on it.

Usage: bench_range.py RANGE_BENCH FOLDER SOUND EDITS
"""
import datetime
import os
import statistics
import subprocess
import sys

from bench_doc import write_section


def main():
    bench, folder, sound, edits = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    done = subprocess.run([bench, folder, sound, edits], capture_output=True, text=True, env=env)
    if done.returncode != 0:
        sys.exit(f"range_bench failed: {done.stderr[-500:]}")
    times = [float(line) for line in done.stdout.split()]
    if len(times) != int(edits):
        sys.exit(f"range_bench timed {len(times)} edits of {edits}")
    ordered = sorted(times)
    lines = ["## The range picture following the boxes", "",
             f"Made by `scripts/bench_range.sh` on {datetime.date.today().isoformat()} on a "
             f"{os.cpu_count()}-core machine: `bench/range_bench` loads a sound in the window "
             "(Qt's offscreen platform), shows its range and types into the maximum distance box, "
             f"a digit and then Backspace, {len(times)} keystrokes; each is timed from the key to "
             "the picture painted again with the new value.", "",
             f"Median **{statistics.median(times):.2f} ms**, 95th percentile "
             f"{ordered[int(len(ordered) * 0.95) - 1]:.2f} ms, worst {ordered[-1]:.2f} ms.", "",
             "Bar: the median within 16 ms, one frame of a 60 Hz screen. The picture is made "
             "lazily, when first shown, so the window's start-up does not pay for it (see the "
             "start-up section)."]
    write_section("range", lines)


if __name__ == "__main__":
    main()
