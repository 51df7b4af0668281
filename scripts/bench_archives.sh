#!/usr/bin/env bash
# Times kelvane-cli on a stock game's archives against the same sounds unpacked: listing every
# sound with its block, and extracting 2,000 of them against cp -r and sync; writes the figures
# into docs/benchmarks.md. Usage: scripts/bench_archives.sh [SOUNDS] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
work="$(mktemp -d "$PWD/build/bench-archives-XXXXXX")"
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_archives.py build/release "$work" "${1:-20000}" "${2:-3}"
