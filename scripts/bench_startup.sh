#!/usr/bin/env bash
# Measures the window's start-up time and peak memory beside a minimal Qt Widgets program and
# writes the figures into docs/benchmarks.md. Usage: scripts/bench_startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp samples/*.ogg "$folder/"
python3 scripts/bench_startup.py build/release/app/kelvane build/release/bench/minimal_window \
    "$folder" "${1:-10}"
