#!/usr/bin/env python3
"""Times `kelvane-cli restore -r` beside the `set -r` that made the backups it restores, and
`diff -r` of two trees beside `show -r` of both, on trees of real sound files, warm, in turns,
and writes the medians into docs/benchmarks.md (its restore and diff section).
Usage: bench_restore_diff.py CLI WORK [FILES] [ROUNDS]"""
import os
import shutil
import statistics
import subprocess
import sys

from bench_cli import make_sounds, timed
from bench_doc import write_section

BARS = ("Bars: `restore -r` of 10,000 sounds at most 1.2 times the `set -r` of the same "
        "sounds that made the backups; `diff -r` of two trees of 10,000 sounds at most 1.2 "
        "times `show -r` of both.\n\n"
        "How: `restore` checks each sound against its backup (the first differing bytes end "
        "the comparison: an edit shows on page 2), flushes each file system once per slice of "
        "512, keeps the sound replaced as `.newer` by a second name (a hard link, no copy) and "
        "renames the backup over the sound; `diff` reads the first pages of each pair on four "
        "threads per core, as `show` does.")


def main():
    cli, work = sys.argv[1], sys.argv[2]
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 10_000
    rounds = int(sys.argv[4]) if len(sys.argv) > 4 else 3
    shutil.rmtree(work, ignore_errors=True)
    stock = os.path.join(work, "stock")
    make_sounds(stock, count)
    modded = os.path.join(work, "modded")
    shutil.copytree(stock, modded)
    # A mod that changes every tenth sound.
    changed = [os.path.join(root, n) for root, _, names in os.walk(modded) for n in sorted(names)]
    subprocess.run([cli, "set", "--no-backup", "--volume", "0.5"] + changed[::10],
                   stdout=subprocess.DEVNULL, check=True)
    # Every tree is copied before anything is timed: deleting many files slows what follows.
    trees = []
    for r in range(rounds):
        tree = os.path.join(work, f"edit-{r}")
        shutil.copytree(stock, tree)
        trees.append(tree)
    samples = {k: [] for k in ("set", "restore", "show", "diff")}
    memory = {k: 0.0 for k in samples}

    def take(key, result):
        samples[key].append(result[0])
        memory[key] = max(memory[key], result[1])

    for tree in trees:
        take("set", timed([cli, "set", "-r", "--volume", "0.5", tree]))
        take("restore", timed([cli, "restore", "-r", tree]))
        a = timed([cli, "show", "-r", stock])
        b = timed([cli, "show", "-r", modded])
        take("show", (a[0] + b[0], max(a[1], b[1])))
        command = [cli, "diff", "-r", stock, modded]
        # diff exits 1: the trees differ.
        result = subprocess.run(command, stdout=subprocess.DEVNULL)
        if result.returncode != 1:
            sys.exit(f"diff failed with {result.returncode}")
        take("diff", timed(["sh", "-c", '"$@"; test $? -eq 1', "sh"] + command))
    med = {k: statistics.median(v) for k, v in samples.items()}
    lines = [f"{count:,} sounds in {count // 500} folders, {rounds} rounds, warm; medians.", "",
             "| Command | Time | Against | Ratio | Peak memory |", "|---|---|---|---|---|",
             f"| `set -r --volume 0.5` (makes the backups) | {med['set']:.2f} s | | | "
             f"{memory['set']:.1f} MiB |",
             f"| `restore -r` of the same | {med['restore']:.2f} s | `set -r` | "
             f"**{med['restore'] / med['set']:.2f}** | {memory['restore']:.1f} MiB |",
             f"| `show -r` of each tree, together | {med['show']:.2f} s | | | "
             f"{memory['show']:.1f} MiB |",
             f"| `diff -r stock modded` | {med['diff']:.2f} s | `show -r` of both | "
             f"**{med['diff'] / med['show']:.2f}** | {memory['diff']:.1f} MiB |",
             "", BARS]
    write_section("restore-diff", lines)


if __name__ == "__main__":
    main()
