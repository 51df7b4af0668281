#!/usr/bin/env bash
# Measures the window's start-up time and peak memory beside a minimal Qt Widgets program and
# writes the figures into docs/benchmarks.md. Usage: scripts/bench_startup.sh [RUNS]
# (on samples/ and on a folder of 10,000 sounds)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
small="$(mktemp -d)"
many="$(mktemp -d)"
trap 'rm -rf "$small" "$many"' EXIT
cp samples/*.ogg "$small/"
# 10,000 sounds: the samples again and again under names of their own.
python3 scripts/copy_samples.py "$many"
# A desktop has a session bus; a bare machine would have the window wait on D-Bus to look for one.
dbus-run-session -- python3 scripts/bench_startup.py build/release/bench/window_shown \
    build/release/app/kelvane build/release/bench/minimal_window \
    "$small" "$many" "${1:-10}"
