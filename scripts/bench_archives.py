#!/usr/bin/env python3
"""Times `kelvane-cli show -r --json` of a game folder whose 4 archives hold the sounds beside the
same command on the sounds unpacked, and `extract` of 2,000 of them beside `cp -r` of the same
files unpacked plus `sync`, warm, in turns; writes the medians into docs/benchmarks.md.
Usage: bench_archives.py BUILD WORK [SOUNDS] [ROUNDS]"""
import os
import shutil
import statistics
import subprocess
import sys

from bench_cli import timed
from bench_doc import write_section

BARS = ("Bars: listing the game folder, each sound with its block, at most 1.2 times `show -r "
        "--json` of the same sounds unpacked; extracting 2,000 sounds at most 1.2 times `cp -r` "
        "of them unpacked plus `sync`.\n\n"
        "How: the archives' file lists are read and unpacked once, on a thread per core, and "
        "kept open; each sound's first 16 KiB are read where they lie (`pread`) on four threads "
        "per core, with no open or close per sound; a command's `--name` chooses among the "
        "entries before any is made into a path. `extract` copies the sounds of each slice of "
        "4,096 files (at most 256 MiB) beside their targets inside the kernel "
        "(`copy_file_range`), on a thread per core, asks the disk to begin writing each new "
        "file as it is closed, flushes each file system once per slice, renames the new files "
        "into place, never over a file that is there, and flushes each folder renamed in. "
        "The fixed cost `cp` does not have, the game's lists of 20,000 entries read and "
        "unpacked, is the dry run's time.")


def make_distinct(folder, count=20):
    """Real encoder output of various lengths: 5 to 9 s of filtered noise, mono, quality 5."""
    os.makedirs(folder, exist_ok=True)
    for i in range(count):
        wav = os.path.join(folder, f"s{i:02d}.wav")
        seconds = 5 + (i % 5)
        subprocess.run(["sox", "-n", "-r", "44100", "-c", "1", "-b", "16", wav, "synth", str(seconds),
                        "pinknoise", "lowpass", str(2000 + 400 * i)], check=True)
        subprocess.run(["oggenc", "-Q", "-q", "5", wav, "-o",
                        os.path.join(folder, f"s{i:02d}.ogg")], check=True)
        os.remove(wav)


def main():
    build, work = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 20_000
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    cli = os.path.join(build, "cli", "kelvane-cli")
    distinct = os.path.join(work, "distinct")
    make_distinct(distinct)
    subprocess.run([os.path.join(build, "bench", "make_game_archives"), distinct, work,
                    str(count), "4"], check=True)
    game, unpacked = os.path.join(work, "game"), os.path.join(work, "unpacked", "gamedata")
    size = sum(os.path.getsize(os.path.join(game, "resources", n))
               for n in os.listdir(os.path.join(game, "resources")))
    chosen = [f"sounds/set{k}/" for k in range(4)]  # 2,000 sounds
    names = sum([["--name", c] for c in chosen], [])
    samples = {k: [] for k in ("unpacked", "game", "cp", "extract", "dry")}
    memory = {k: 0.0 for k in samples}

    def take(key, result):
        samples[key].append(result[0])
        memory[key] = max(memory[key], result[1])

    # Warm: each side read once before anything is timed.
    timed([cli, "show", "-r", "--json", unpacked])
    timed([cli, "show", "-r", "--json", game])
    for r in range(rounds):
        take("unpacked", timed([cli, "show", "-r", "--json", unpacked]))
        take("game", timed([cli, "show", "-r", "--json", game]))
        copy = os.path.join(work, f"cp-{r}")
        os.makedirs(copy)
        take("cp", timed(["sh", "-c", 'for d in "$@"; do cp -r "$d" "$0"/; done; sync', copy]
                         + [os.path.join(unpacked, c) for c in chosen]))
        take("extract", timed([cli, "extract"] + names +
                              ["--to", os.path.join(work, f"mod-{r}"), game]))
        take("dry", timed([cli, "extract", "--dry-run"] + names +
                          ["--to", os.path.join(work, f"dry-{r}"), game]))
    med = {k: statistics.median(v) for k, v in samples.items()}
    lines = [f"{count:,} sounds ({size / 2**30:.2f} GiB) in 4 archives of a game folder, "
             f"{rounds} rounds, warm; medians.", "",
             "| Command | Time | Against | Ratio | Peak memory |", "|---|---|---|---|---|",
             f"| `show -r --json` of the sounds unpacked | {med['unpacked']:.2f} s | | | "
             f"{memory['unpacked']:.1f} MiB |",
             f"| `show -r --json` of the game folder | {med['game']:.2f} s | unpacked | "
             f"**{med['game'] / med['unpacked']:.2f}** | {memory['game']:.1f} MiB |",
             f"| `cp -r` of 2,000 unpacked, and `sync` | {med['cp']:.2f} s | | | "
             f"{memory['cp']:.1f} MiB |",
             f"| `extract` of the same 2,000 | {med['extract']:.2f} s | `cp -r` + `sync` | "
             f"**{med['extract'] / med['cp']:.2f}** | {memory['extract']:.1f} MiB |",
             f"| `extract --dry-run` of the same (the lists read, nothing copied) | "
             f"{med['dry']:.2f} s | | | {memory['dry']:.1f} MiB |",
             "", BARS]
    write_section("archives", lines)


if __name__ == "__main__":
    main()
