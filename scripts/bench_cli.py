#!/usr/bin/env python3
"""Times kelvane-cli on 10,000 small real sound files beside `cp -r` of the same folder, in one
run on one machine, warm and cold (page cache dropped before each command, when permitted), and
writes the medians into docs/benchmarks.md (its command-line section).

Usage: bench_cli.py KELVANE_CLI WORK_FOLDER [FILES] [ROUNDS]
"""
import datetime
import os
import shutil
import statistics
import subprocess
import sys
import time

from bench_doc import write_section

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
BARS = ("Bars: `show -r` and `check -r` at most 0.5 times `cp -r`, `check -r --all-pages` at most 1.0, `set -r` with backups at most 2, `set -r --no-backup` at most 3, peak memory under 64 MiB for any batch size (files are handled 512 at a time).\n\n"
        "How: `show` and `check` read the first 16 KiB of each file on four threads per core (cold reads wait on the disk: two threads measured 0.58 to 0.61 times `cp -r` cold, eight 0.37); `set` writes each slice of up to 512 new files, flushes the file system once (`syncfs`), then checks and renames each file and flushes each folder. Where the rest of `set`'s time goes (`strace -c -f`, 10,000 files, with backups): creating the new files (`openat` with `O_CREAT`, about 45 % of the system time; `perf` shows ext4, which has no journal here, stepping over recently freed inodes one by one in `recently_deleted` while it allocates), then about 15 `stat`-family calls per file (the checks against what was read, the backup name, the folders), then the writes, links and renames. Without backups every rename also frees the old file, which this file system discards at once. That is also why nothing is deleted while measuring: a command run right after a large deletion pays for it.")


def drop_caches():
    """Empties the page cache; False where this user may not."""
    subprocess.run(["sync"])
    try:
        with open("/proc/sys/vm/drop_caches", "w") as f:
            f.write("3\n")
        return True
    except OSError:
        return False


def timed(command):
    """Wall time in seconds and the peak resident memory in MiB, as GNU time reports it."""
    start = time.perf_counter()
    result = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)
    seconds = time.perf_counter() - start
    if result.returncode != 0:
        sys.exit(f"{command[:3]} failed: {result.stderr.decode()[-500:]}")
    return seconds, int(result.stderr.decode().strip().splitlines()[-1]) / 1024


def make_sounds(folder, count):
    samples = [os.path.join(ROOT, "samples", n)
               for n in sorted(os.listdir(os.path.join(ROOT, "samples")))
               if n.endswith(".ogg") and n != "bad_checksum.ogg"]
    for i in range(count):
        sub = os.path.join(folder, f"set{i // 500:02d}")
        os.makedirs(sub, exist_ok=True)
        shutil.copyfile(samples[i % len(samples)], os.path.join(sub, f"sound{i:05d}.ogg"))


def main():
    cli, work = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 10_000
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    shutil.rmtree(work, ignore_errors=True)
    pristine = os.path.join(work, "pristine")
    make_sounds(pristine, count)
    total = sum(os.path.getsize(os.path.join(d, f)) for d, _, fs in os.walk(pristine) for f in fs)
    sounds = os.path.join(work, "sounds")
    cold_allowed = drop_caches()

    commands = [("`cp -r` of the folder", None, False),
                ("`show -r`", ["show", "-r"], False),
                ("`show -r --json`", ["show", "-r", "--json"], False),
                ("`check -r`", ["check", "-r"], False),
                ("`check -r --all-pages`", ["check", "-r", "--all-pages"], False),
                ("`set -r --volume V` (with backups)", ["set", "-r"], True),
                ("`set -r --volume V --no-backup`", ["set", "-r", "--no-backup"], True)]
    figures = {(label, cold): [] for label, _, _ in commands for cold in (False, True)}
    # Nothing is deleted while measuring: on a file system without a journal, ext4 skips the
    # inodes freed in the last minutes when it makes new files, which would charge one command
    # for the deletions of the one before. Every `set` and every `cp -r` gets a folder of its
    # own, copied before any command runs.
    modes = [False, True] if cold_allowed else [False]
    fresh = {}
    for r in range(rounds):
        for cold in modes:
            for label, _, writes in commands:
                if writes:
                    fresh[(r, cold, label)] = os.path.join(work, f"set-{r}-{int(cold)}-{len(fresh)}")
                    shutil.copytree(pristine, fresh[(r, cold, label)])
    shutil.copytree(pristine, sounds)
    subprocess.run(["sync"])
    for r in range(rounds):
        for cold in modes:
            for label, args, writes in commands:
                subprocess.run(["sync"])
                if cold:
                    drop_caches()
                if args is None:
                    figures[(label, cold)].append(
                        timed(["cp", "-r", sounds, os.path.join(work, f"copy-{r}-{int(cold)}")]))
                elif writes:
                    volume = ["--volume", "0.9" if r % 2 else "0.8"]
                    figures[(label, cold)].append(
                        timed([cli] + args + volume + [fresh[(r, cold, label)]]))
                else:
                    figures[(label, cold)].append(timed([cli] + args + [sounds]))

    def median(label, cold):
        runs = figures[(label, cold)]
        return statistics.median(s for s, _ in runs), max(m for _, m in runs)

    lines = ["## kelvane-cli on 10,000 files", "",
             f"Made by `scripts/bench_cli.sh` on {datetime.date.today().isoformat()}: {count} copies "
             f"of the encoder-made samples ({total / 2**20:.1f} MiB in {count // 500} folders) on "
             f"a {os.cpu_count()}-core machine; each command run {rounds} times, medians, all in one "
             "run on the same disk. Warm: the folder in the page cache. Cold: the page cache "
             "dropped (`/proc/sys/vm/drop_caches`) before each command. Each `set` runs on a copy of "
             "its own, so every run changes every file and makes every backup; nothing is deleted "
             "while measuring.", "",
             "| Command | Warm | vs `cp -r` | Cold | vs `cp -r` | Peak memory |",
             "|---|---|---|---|---|---|"]
    copy_warm = median(commands[0][0], False)[0]
    copy_cold = median(commands[0][0], True)[0] if cold_allowed else None
    for label, _, _ in commands:
        warm, peak = median(label, False)
        row = f"| {label} | {warm:.2f} s | {warm / copy_warm:.2f} |"
        if cold_allowed:
            cold, cold_peak = median(label, True)
            peak = max(peak, cold_peak)
            row += f" {cold:.2f} s | {cold / copy_cold:.2f} |"
        else:
            row += " – | – |"
        lines.append(row + f" {peak:.1f} MiB |")
    lines += ["", BARS]
    write_section("cli", lines)


if __name__ == "__main__":
    main()
