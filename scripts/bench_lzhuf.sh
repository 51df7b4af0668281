#!/usr/bin/env bash
# Times the archive layer's LZHuf decoder against the game engine's own on a 2 MB file list and
# writes the figures into docs/benchmarks.md. The engine's LzHuf.cpp is not ours: give the path
# of a copy of it (from the engine's source code); it is compiled into a build of its own and
# never kept here. Usage: scripts/bench_lzhuf.sh ENGINE_LZHUF_CPP [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
engine="$(realpath "$1")"
scripts/install-deps.sh --bench
cmake --preset release -B build/lzhuf-bench -DKELVANE_ENGINE_LZHUF="$engine" >/dev/null
cmake --build build/lzhuf-bench --target lzhuf_against_engine --parallel "$(nproc)"
python3 scripts/bench_lzhuf.py build/lzhuf-bench/bench/lzhuf_against_engine "${2:-20}"
