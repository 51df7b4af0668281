#!/usr/bin/env bash
# Times kelvane-cli on 10,000 small real sound files beside `cp -r` of the same folder, warm and
# cold, and writes the figures into docs/benchmarks.md. Usage: scripts/bench_cli.sh [FILES] [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
work="$(mktemp -d "$PWD/build/bench-cli-XXXXXX")"
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_cli.py build/release/cli/kelvane-cli "$work" "${1:-10000}" "${2:-3}"
