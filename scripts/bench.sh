#!/usr/bin/env bash
# Runs the core benchmarks beside a plain `cp` of the same 10 MiB file, in the same run on the
# same disk, and writes the figures to docs/benchmarks.md.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
work="$(mktemp -d "$PWD/build/bench-XXXXXX")"
trap 'rm -rf "$work"' EXIT
(cd "$work" && ../release/bench/kelvane_bench --benchmark_repetitions=5 \
    --benchmark_out=core.json --benchmark_out_format=json >/dev/null)
python3 scripts/bench_report.py "$work"
