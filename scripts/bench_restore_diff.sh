#!/usr/bin/env bash
# Times kelvane-cli restore and diff on trees of 10,000 real sound files beside set and show,
# and writes the figures into docs/benchmarks.md. Usage: scripts/bench_restore_diff.sh [FILES] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
work="$(mktemp -d "$PWD/build/bench-restore-XXXXXX")"
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_restore_diff.py build/release/cli/kelvane-cli "$work" "${1:-10000}" "${2:-3}"
