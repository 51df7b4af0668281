#!/usr/bin/env bash
# Times the sound table's comparison with stock sounds and its cell edits beside kelvane-cli, and
# writes the figures into docs/benchmarks.md. Usage: scripts/bench_workbench.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
work="$(mktemp -d "$PWD/build/bench-workbench-XXXXXX")"
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_workbench.py build/release/bench/all_sounds_bench \
    build/release/cli/kelvane-cli "$work" "${1:-3}"
