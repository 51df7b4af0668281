#!/usr/bin/env python3
"""Times the window from start to shown, and its peak memory, beside a minimal Qt Widgets
program, under one Xvfb server in one run; writes docs/benchmarks.md's start-up section.

Usage: bench_startup.py KELVANE MINIMAL_WINDOW SMALL_FOLDER LARGE_FOLDER [RUNS]
"""
import datetime
import os
import signal
import statistics
import subprocess
import sys
import time

from bench_doc import write_section
from x_server import start_xvfb



def shown(title, env):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], env=env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def measure(program, title, folder, env, tries=3):
    """One start: seconds to a visible window and peak MiB. A start that fails to reach the X
    server (it happens now and then right after another client left) is tried again."""
    for attempt in range(tries):
        result = start_once(program, title, folder, env, last=attempt == tries - 1)
        if result:
            return result
        time.sleep(0.5)


def start_once(program, title, folder, env, last):
    start = time.perf_counter()
    child = subprocess.Popen([program], cwd=folder, env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE)
    while not shown(title, env):
        if child.poll() is not None or time.perf_counter() - start > 30:
            child.kill()
            if not last:
                return None
            sys.exit(f"{program} did not show its window: {child.communicate()[1].decode()[-400:]}")
        time.sleep(0.005)
    seconds = time.perf_counter() - start
    time.sleep(0.3)  # let it settle, then read its peak
    peak = peak_kib(child.pid)
    child.send_signal(signal.SIGTERM)
    try:
        child.wait(10)
    except subprocess.TimeoutExpired:
        child.kill()
    return seconds, peak / 1024


def main():
    kelvane, minimal, small, many = (os.path.abspath(p) for p in sys.argv[1:5])
    runs = int(sys.argv[5]) if len(sys.argv) > 5 else 10
    title = "^S\\.T\\.A\\.L\\.K\\.E\\.R\\. Kelvane 1\\.0$"
    sounds = len([n for n in os.listdir(many) if n.endswith(".ogg")])
    programs = [("minimal Qt Widgets window", minimal, "^Minimal Qt window$", small),
                ("Kelvane on samples/", kelvane, title, small),
                (f"Kelvane on {sounds:,} sounds", kelvane, title, many)]
    server, env = start_xvfb()
    samples = {name: [] for name, *_ in programs}
    try:
        for name, program, shown_as, folder in programs:
            measure(program, shown_as, folder, env)  # warm the caches once
        # In turns, so that the machine's ups and downs fall on all three alike.
        for _ in range(runs):
            for name, program, shown_as, folder in programs:
                samples[name].append(measure(program, shown_as, folder, env))
    finally:
        server.terminate()
        server.wait()

    results = {name: (statistics.median(s for s, _ in taken),
                      statistics.median(m for _, m in taken))
               for name, taken in samples.items()}
    (base_s, base_mb), (small_s, small_mb), (many_s, many_mb) = results.values()
    lines = ["## Start-up of the window", "",
             f"Made by `scripts/bench_startup.sh` on {datetime.date.today().isoformat()}: from "
             "starting the program to its window being visible on an Xvfb server (polled with "
             f"`xdotool`), and its peak resident memory (VmHWM) once shown; median of {runs} runs "
             "after one warm-up, the three taken in turns in the same run.", "",
             "| Program | Start to window shown | Peak memory |", "|---|---|---|"]
    for name, (seconds, mb) in results.items():
        lines.append(f"| {name} | {seconds * 1000:.0f} ms | {mb:.1f} MiB |")
    lines += ["", f"Kelvane / minimal: start **{small_s / base_s:.2f}** on samples/ (bar: at most "
              f"1.2), **{many_s / base_s:.2f}** on {sounds:,} sounds (bar: at most 1.5); memory "
              f"**{small_mb / base_mb:.2f}** and **{many_mb / base_mb:.2f}** (bar: at most 1.3)."]
    write_section("startup", lines)


if __name__ == "__main__":
    main()
