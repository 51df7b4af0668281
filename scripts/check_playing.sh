#!/usr/bin/env bash
# Plays a mono and a stereo sound through the window on a private PulseAudio server with a null
# sink, and checks that what it played equals oggdec's samples. Needs no sound card.
# Usage: scripts/check_playing.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --bench
scripts/build.sh release
if ! command -v parec >/dev/null || ! command -v pulseaudio >/dev/null; then
    sudo=(); ((EUID == 0)) || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        pulseaudio pulseaudio-utils </dev/null
fi
python3 scripts/check_playing.py build/release/app/kelvane build/release/cli/kelvane-cli
