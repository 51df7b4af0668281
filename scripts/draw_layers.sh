#!/usr/bin/env bash
# Draws docs/layers.svg and docs/layers.png, the picture of the program's layers: which library
# links which, as CMake itself sees it (cmake --graphviz), drawn by Graphviz's dot.
# Usage: scripts/draw_layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --docs
work=build/layers
rm -rf "$work"
mkdir -p "$work"
# The whole graph of the product's targets, as CMake links them (no tests, fuzzer, benchmarks).
cat >"$work/CMakeGraphVizOptions.cmake" <<'OPTIONS'
set(GRAPHVIZ_GENERATE_PER_TARGET FALSE)
set(GRAPHVIZ_GENERATE_DEPENDERS FALSE)
OPTIONS
cmake -S . -B "$work" -G Ninja -DKELVANE_BUILD_TESTS=OFF --graphviz="$work/targets.dot" >/dev/null
# The layers only: our libraries and programs and the outside libraries that mark a layer; a
# link that another already implies (the window to format/ through core/) is left out (tred).
python3 scripts/layers_graph.py "$work/targets.dot" "$work/all-links.dot"
tred "$work/all-links.dot" >"$work/layers.dot"
dot -Tsvg "$work/layers.dot" -o docs/layers.svg
dot -Tpng -Gdpi=96 "$work/layers.dot" -o docs/layers.png
echo "docs/layers.svg and docs/layers.png drawn from $work/layers.dot"
