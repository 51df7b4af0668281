#!/usr/bin/env bash
# Times the overview on 20,000 sounds beside kelvane-cli, warm and cold, and writes the figures
# into docs/benchmarks.md. Usage: scripts/bench_overview.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
work="$(mktemp -d "$PWD/build/bench-overview-XXXXXX")"
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_overview.py build/release/bench/overview_bench \
    build/release/cli/kelvane-cli "$work" "${1:-3}"
