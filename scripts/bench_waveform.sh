#!/usr/bin/env bash
# Measures the time from selecting a long sound to its waveform drawn beside oggdec, and the
# longest stall of the window meanwhile; writes the figures into docs/benchmarks.md.
# Usage: scripts/bench_waveform.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
# Three minutes of a sweep over noise, so that every column of the waveform differs.
sox -n -r 44100 -b 16 -c 2 "$folder/long.wav" synth 180 sine 100-2000 whitenoise vol 0.4 \
    tremolo 0.5 60
oggenc -Q -q 3 -o "$folder/long.ogg" "$folder/long.wav"
rm "$folder/long.wav"
# With its block, so that leaving it asks nothing.
build/release/cli/kelvane-cli set --no-backup --volume 1 "$folder/long.ogg" >/dev/null
cp samples/mono_block.ogg "$folder/"
python3 scripts/bench_waveform.py build/release/bench/waveform_bench "$folder" long.ogg \
    mono_block.ogg "${1:-15}"
