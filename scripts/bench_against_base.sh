#!/usr/bin/env bash
# Times the window's start-up and the sound table of this commit and of BASE in turns, and writes
# the figures into docs/benchmarks.md. Usage: scripts/bench_against_base.sh BASE [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
base="$1"
scripts/install-deps.sh --bench
scripts/build.sh release
work="$(mktemp -d "$PWD/build/bench-against-XXXXXX")"
trap 'git worktree remove --force "$work/base" 2>/dev/null || true; rm -rf "$work"' EXIT
git worktree add --detach "$work/base" "$base" >/dev/null
(cd "$work/base" && cmake --preset release >/dev/null &&
    cmake --build --preset release --parallel "$(nproc)" \
        --target kelvane window_shown all_sounds_bench >/dev/null)
mkdir -p "$work/small" "$work/many"
cp samples/*.ogg "$work/small/"
python3 scripts/copy_samples.py "$work/many"
dbus-run-session -- python3 scripts/bench_against_base.py "$base" "$work/base/build/release" \
    build/release "$work/small" "$work/many" "$work/tree" "${2:-15}"
