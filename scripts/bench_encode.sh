#!/usr/bin/env bash
# Times kelvane-cli encode against sox resampling plus oggenc (40 short sources, one long one)
# and measures what is heard (length, signal-to-noise ratio against sox's very-high-quality
# resampling), and writes the figures into docs/benchmarks.md.
# Usage: scripts/bench_encode.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
work="$(mktemp -d "$PWD/build/bench-encode-XXXXXX")"
trap 'rm -rf "$work"' EXIT
python3 scripts/bench_encode.py build/release/cli/kelvane-cli "$work" "${1:-5}"
