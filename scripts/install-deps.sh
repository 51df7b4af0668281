#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, if any is missing.
# Usage: scripts/install-deps.sh [--bench | --docs]
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config      # build
    clang-14 libclang-rt-14-dev           # the fuzzer and its sanitizers
    qt6-base-dev libgl-dev                # Qt 6 Core, Widgets and Test
    qt6-tools-dev qt6-l10n-tools          # lupdate and lrelease, and their CMake functions
    qt6-translations-l10n                 # Qt's own dialogs in Russian and Ukrainian
    libogg-dev vorbis-tools sox           # the independent judges and the encoder for tests
    libvorbis-dev qt6-multimedia-dev      # decoding and playing a sound
    libsndfile1-dev libsoxr-dev           # reading and resampling sources to make game sounds
    python3                               # remakes the samples
    dpkg-dev file                         # the Debian package (its dependencies are found
                                          # with dpkg-shlibdeps, which needs file)
    desktop-file-utils appstream          # validators of its desktop metadata
    libglib2.0-bin                        # gio: starts the desktop entry as a menu does
    fonts-dejavu-core                     # a plain sans-serif face for the window
    libfontconfig-dev                     # the window reads the font configuration early
    xvfb xauth imagemagick                # screenshots of the window
    xdotool                               # real clicks through the window system in a test
)
if [[ "${1:-}" == "--bench" ]]; then
    packages+=(libbenchmark-dev time libxcb1-dev dbus-daemon)
fi
if [[ "${1:-}" == "--docs" ]]; then
    packages+=(graphviz) # dot draws the picture of the layers
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if ((EUID != 0)); then
    if ! command -v sudo >/dev/null; then
        echo "Run as root, or install sudo, to install: ${missing[*]}" >&2
        exit 1
    fi
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
