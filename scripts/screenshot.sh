#!/usr/bin/env bash
# Shows the window under Xvfb with samples/ listed and a sound loaded, and saves the picture.
# Usage: scripts/screenshot.sh [SOUND] [OUTPUT] [BOX=TEXT] [least|playing|all-sounds|restore|compare|range]
#   (default: mono_block.ogg, docs/screenshot.png; "least" shows the window at its least size)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh default
out="${2:-docs/screenshot.png}"
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    build/default/tests/ui/kelvane_screenshot "$out" "${1:-mono_block.ogg}" ${3+"$3"} ${4:+"$4"}
echo "Saved $out"
