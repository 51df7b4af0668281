#!/usr/bin/env bash
# Fuzzes the core (and then the archive reader) with libFuzzer for a bounded time, seeded with the samples and the hostile
# files, and fails on any finding. Usage: scripts/fuzz.sh [SECONDS]   (default 120)
# A finding is left in build/fuzz/run/artifacts/; copy it to tests/data/fuzz/ as a regression.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-120}"
scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --parallel "$(nproc)" >/dev/null

run=build/fuzz/run
rm -rf "$run"
mkdir -p "$run/corpus" "$run/seeds" "$run/artifacts"
# The first byte of an input chooses how it is read: 0 whole, 1 as the headers of a large
# file, 2 whole with an older block upgraded. Regressions are kept as the fuzzer wrote them.
for file in samples/*.ogg tests/data/hostile/*.ogg; do
    name=$(basename "$file")
    { printf '\0'; cat "$file"; } >"$run/seeds/whole-$name"
    { printf '\1'; cat "$file"; } >"$run/seeds/headers-$name"
    { printf '\2'; cat "$file"; } >"$run/seeds/upgrade-$name"
done
for file in tests/data/fuzz/*; do
    [[ "$file" == *.md ]] || cp "$file" "$run/seeds/"
done

build/fuzz/fuzz/fuzz_core -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/ogg.dict -artifact_prefix="$run/artifacts/" -print_final_stats=1 \
    "$run/corpus" "$run/seeds" >"$run/fuzz.log" 2>&1 || {
    tail -n 40 "$run/fuzz.log"
    echo "fuzz: FINDING - see $run/artifacts/" >&2
    exit 1
}
runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$run/fuzz.log" | grep -o '[0-9]*$')
echo "fuzz: ${runs:-?} executions in ${seconds} s, no finding"

# The archive reader, a quarter as long, seeded with archives the tests' writer built.
archive_seconds=$((seconds / 4 > 30 ? seconds / 4 : 30))
mkdir -p "$run/archive-corpus" "$run/archive-seeds"
cp tests/data/archive/seeds/* "$run/archive-seeds/" && rm -f "$run/archive-seeds/README.md"
build/fuzz/fuzz/fuzz_archive -max_total_time="$archive_seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$run/artifacts/archive-" -print_final_stats=1 \
    "$run/archive-corpus" "$run/archive-seeds" >"$run/fuzz-archive.log" 2>&1 || {
    tail -n 40 "$run/fuzz-archive.log"
    echo "fuzz: FINDING in the archive reader - see $run/artifacts/" >&2
    exit 1
}
runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$run/fuzz-archive.log" | grep -o '[0-9]*$')
echo "fuzz (archives): ${runs:-?} executions in ${archive_seconds} s, no finding"
