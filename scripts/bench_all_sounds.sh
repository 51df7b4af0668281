#!/usr/bin/env bash
# Times the sound table on 20,000 sounds beside kelvane-cli, warm and cold, and writes the figures
# into docs/benchmarks.md. Usage: scripts/bench_all_sounds.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
work="$(mktemp -d "$PWD/build/bench-all-sounds-XXXXXX")"
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_all_sounds.py build/release/bench/all_sounds_bench \
    build/release/cli/kelvane-cli "$work" "${1:-3}"
