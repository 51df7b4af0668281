#!/usr/bin/env python3
"""Runs lzhuf_against_engine and writes its figures into docs/benchmarks.md.
Usage: bench_lzhuf.py PROGRAM ROUNDS"""
import re
import subprocess
import sys

from bench_doc import write_section


def main():
    program, rounds = sys.argv[1], sys.argv[2]
    out = subprocess.run([program, rounds], check=True, capture_output=True, text=True).stdout
    print(out, end="")
    size, packed = map(int, re.search(r"list (\d+) bytes, packed (\d+) bytes", out).groups())
    ours, engine = map(float, re.search(r"ours ([\d.]+) ms, engine ([\d.]+) ms", out).groups())
    write_section("lzhuf", [
        f"A file list of {size:,} bytes ({packed:,} packed), the best of {rounds} rounds each.",
        "", "| Decoder | Time | Against | Ratio |", "|---|---|---|---|",
        f"| the game engine's `LzHuf.cpp` | {engine:.1f} ms | | |",
        f"| the archive layer's | {ours:.1f} ms | the engine's | **{ours / engine:.2f}** |", "",
        "Bar: the archive layer's LZHuf decoder at least as fast as the game engine's own on a "
        "file list of about 2 MB; both must give back the same list.", "",
        "How: `scripts/bench_lzhuf.sh ENGINE_LZHUF_CPP` compiles a copy of the engine's "
        "`LzHuf.cpp`, given by its path and never kept here, with the same compiler and flags "
        "as the archive layer. The code's bits wait eight bytes at a time in a word, the tree "
        "lives in fixed arrays and the unpacked list is written into its final size."])


if __name__ == "__main__":
    main()
