#!/usr/bin/env bash
# Times the range picture following keystrokes in the maximum distance box (200 edits), and
# writes the figures into docs/benchmarks.md. Usage: scripts/bench_range.sh [EDITS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp samples/mono_block.ogg "$folder/"
python3 scripts/bench_range.py build/release/bench/range_bench "$folder" mono_block.ogg \
    "${1:-200}"
