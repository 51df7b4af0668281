#!/usr/bin/env python3
"""Times the window from start to shown, and its peak memory, beside a minimal Qt Widgets
program, under one Xvfb server in one run; writes docs/benchmarks.md's start-up section.

Usage: bench_startup.py WINDOW_SHOWN KELVANE MINIMAL_WINDOW SMALL_FOLDER LARGE_FOLDER [RUNS]
"""
import datetime
import os
import statistics
import subprocess
import sys
import time

from bench_doc import write_section
from x_server import start_xvfb


def notes():
    """Where the time goes, measured by hand for the purpose on 2026-12-08 and 2026-12-09."""
    return [
        "Why the reference is the minimal window with one text box: a window that takes typed "
        "input cannot be shown before its fonts are read. Qt measures a text box's font as it "
        "makes the box (the QLineEdit constructor), which reads the font configuration "
        "(fontconfig parses its XML files: 24 million instructions, the largest single cost of "
        "the reference's start) and opens the face with FreeType; the textless minimal window "
        "never does.",
        "",
        "What Kelvane does about it (2026-12-09): one thread of its own, started as the program "
        "starts and below the window's priority, reads the font configuration while the toolkit "
        "connects to the display, then lists the folder while the window is made (a listing it "
        "has not begun when the window needs it is read by the window itself, so a busy machine "
        "never makes the window wait for that thread). Counted with callgrind from start to "
        "shown, the window's own thread went from 55 to 28 million instructions (the "
        "reference's: 39 million). The same day: the attribute area's labels, boxes and combos "
        "take their font from the area, so the combos no longer build their popups at start-up "
        "(a popup made when first opened takes its combo's font), and the warnings' bold face is "
        "opened when there is a warning to show: four font faces are opened before the window "
        "is shown instead of five. A folder of plain ASCII names is sorted as bytes (18 instead "
        "of 26 million instructions for 10,000 names; the kernel's reading of the folder, about "
        "4 ms, is the rest). The thread shares the machine: while it reads the font "
        "configuration the toolkit's start takes 2 to 4 ms longer than alone, and the second "
        "core it runs on is never a whole core on this shared machine.",
        "",
        "Taken out of the start before: Qt Multimedia and the sound server's libraries (23 "
        "shared libraries, now in a module loaded on the first play), the icon theme lookups for "
        "the warning mark and the window icon, the second pass over the folder and the file "
        "records kept for each entry, one list item object per entry (the file list is a list "
        "view over a string model, so 10,000 names cost one string each), the sound table "
        "(made the first time it is shown), the boxes' warning marks (made the first time a box "
        "needs one) and the file dialogs (made on first use).",
        "",
        "Without a D-Bus session (as in a bare CI container) Kelvane's start waits 3.5 to 5.5 ms "
        "longer: setting the first button's text starts Qt's accessibility bridge, which waits "
        "while D-Bus tries to start a session bus and finds none. With a session bus the bridge "
        "still costs 1 to 1.5 ms before the window is shown; the reference sets no text before "
        "it is shown and pays it afterwards.",
    ]


def measure(watcher, program, folder, env, arguments=(), tries=3):
    """One start: seconds to the window mapped (the X server's MapNotify, seen by the watcher)
    and peak MiB. A start that fails to reach the X server (it happens now and then right after
    another client left) is tried again."""
    for _ in range(tries):
        done = subprocess.run([watcher, program, *arguments], cwd=folder, env=env,
                              capture_output=True, text=True)
        if done.returncode == 0:
            ms, kib = done.stdout.split()
            return float(ms) / 1000, int(kib) / 1024
        time.sleep(0.5)
    sys.exit(f"{program} did not show its window: {done.stderr[-400:]}")


def main():
    watcher, kelvane, minimal, small, many = (os.path.abspath(p) for p in sys.argv[1:6])
    runs = int(sys.argv[6]) if len(sys.argv) > 6 else 10
    sounds = len([n for n in os.listdir(many) if n.endswith(".ogg")])
    programs = [("minimal Qt Widgets window", minimal, small, ()),
                ("minimal window with one text box", minimal, small, ("--text-box",)),
                ("Kelvane on samples/", kelvane, small, ("--language", "en")),
                (f"Kelvane on {sounds:,} sounds", kelvane, many, ("--language", "en")),
                ("Kelvane on samples/ in Russian", kelvane, small, ("--language", "ru"))]
    server, env = start_xvfb()
    samples = {name: [] for name, *_ in programs}
    try:
        for name, program, folder, arguments in programs:
            measure(watcher, program, folder, env, arguments)  # warm the caches once
        # In turns, so that the machine's ups and downs fall on all of them alike.
        for _ in range(runs):
            for name, program, folder, arguments in programs:
                samples[name].append(measure(watcher, program, folder, env, arguments))
    finally:
        server.terminate()
        server.wait()

    results = {name: (statistics.median(s for s, _ in taken),
                      statistics.median(m for _, m in taken))
               for name, taken in samples.items()}
    ((base_s, base_mb), (box_s, box_mb), (small_s, small_mb), (many_s, many_mb),
     (russian_s, russian_mb)) = results.values()
    names = list(samples)

    def spread(name):
        """The middle half of the turn-by-turn ratios against the text box of the same turn."""
        ratios = sorted(a[0] / b[0] for a, b in zip(samples[name], samples[names[1]]))
        q1, _, q3 = statistics.quantiles(ratios, n=4)
        return f"{q1:.2f} to {q3:.2f}"
    lines = ["## Start-up of the window", "",
             f"Made by `scripts/bench_startup.sh` on {datetime.date.today().isoformat()}: from "
             "starting the program to its window mapped on an Xvfb server (the server's MapNotify "
             "event, seen by `bench/window_shown`), and its peak resident memory (VmHWM) 300 ms "
             f"later; median of {runs} runs after one warm-up, all taken in turns in the same "
             "run, inside a D-Bus session of their own (`dbus-run-session`) as on a desktop.", "",
             "| Program | Start to window shown | Peak memory |", "|---|---|---|"]
    for name, (seconds, mb) in results.items():
        lines.append(f"| {name} | {seconds * 1000:.0f} ms | {mb:.1f} MiB |")
    lines += ["", f"Kelvane / the minimal window with one text box: start "
              f"**{small_s / box_s:.2f}** on samples/ (bar: at most 1.15), "
              f"**{many_s / box_s:.2f}** on {sounds:,} sounds (bar: at most 1.3); memory "
              f"{small_mb / box_mb:.2f} and {many_mb / box_mb:.2f}. Against the textless minimal "
              f"window: start {small_s / base_s:.2f} and {many_s / base_s:.2f}, memory "
              f"{small_mb / base_mb:.2f} and {many_mb / base_mb:.2f}; the text box alone costs "
              f"{box_s / base_s:.2f} of it. In Russian: start **{russian_s / small_s:.2f}** times "
              f"the English window's (bar: at most 1.05), memory {russian_mb / small_mb:.2f}.",
              "",
              f"Turn by turn, each start against the text-box start of its own turn, the middle "
              f"half of the ratios lies from {spread(names[2])} on samples/ and from "
              f"{spread(names[3])} on {sounds:,} sounds: on this shared machine the whole table "
              "moves by a tenth or more from one run to the next.",
              ""] + notes()
    write_section("startup", lines)


if __name__ == "__main__":
    main()
