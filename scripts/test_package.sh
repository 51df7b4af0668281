#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, validates its desktop entry and
# AppStream metadata, and starts the installed programs: the window headless on a sound until it
# is up, then closed by SIGTERM, which must end it cleanly; and kelvane-cli --version.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset package >/dev/null
cmake --build --preset package --parallel "$(nproc)" >/dev/null
(cd build/package && rm -f ./*.deb && cpack >/dev/null)
deb=$(ls build/package/kelvane_*.deb)
root=$(mktemp -d)
sounds=$(mktemp -d)
trap 'rm -rf "$root" "$sounds"' EXIT
dpkg-deb -x "$deb" "$root"
fail() { echo "package: $*" >&2; exit 1; }

# Outputs are captured before matching: under pipefail a reader that stops at the first match
# (grep -q) kills its writer with SIGPIPE, and the match would count as a failure.
depends=$(dpkg-deb -f "$deb" Depends)
[[ "$depends" == *libqt6widgets6* ]] || fail "no dependency on Debian's Qt 6"
desktop-file-validate "$root/usr/share/applications/org.kelvane.Kelvane.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.kelvane.Kelvane.metainfo.xml" >/dev/null
[[ -L "$root/usr/bin/kelvane" ]] || fail "bin/kelvane is not a link"
real=$(readlink -f "$root/usr/bin/kelvane")
[[ -f "$(dirname "$real")/Kelvane_Help.txt" ]] || fail "no help file beside the program"
for language in $(sed -n 's/^set(KELVANE_LANGUAGES en \(.*\))$/\1/p' CMakeLists.txt); do
    [[ -f "$(dirname "$real")/Kelvane_Help.$language.txt" ]] || fail "no $language help file beside the program"
done
# The audio output is a module beside the program, loaded on the first play; the window itself
# starts without Qt Multimedia.
[[ -f "$(dirname "$real")/kelvane_sound_output.so" ]] || fail "no audio module beside the program"
window_links=$(LD_LIBRARY_PATH= ldd "$real")
[[ "$window_links" != *libQt6Multimedia* ]] || fail "the window links Qt Multimedia"
module_links=$(LD_LIBRARY_PATH= ldd "$(dirname "$real")/kelvane_sound_output.so")
[[ "$module_links" == *libQt6Multimedia* ]] || fail "the audio module does not link Qt Multimedia"
[[ "$depends" == *libqt6multimedia6* ]] || fail "no dependency on Qt Multimedia"
[[ -f "$root/usr/share/icons/hicolor/scalable/apps/org.kelvane.Kelvane.svg" ]] || fail "no icon"

[[ "$("$root/usr/bin/kelvane-cli" --version)" == "kelvane-cli 1.0" ]] || fail "kelvane-cli --version"
# The menu and "Open With" hand over the chosen sounds; --version answers without a display.
entry="$root/usr/share/applications/org.kelvane.Kelvane.desktop"
grep -qx 'Exec=kelvane %F' "$entry" || fail "the desktop entry does not pass files"
grep -qx 'MimeType=audio/ogg;audio/x-vorbis+ogg;audio/vorbis;' "$entry" || fail "no Ogg types"
[[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/kelvane" --version)" == "kelvane 1.0" ]] ||
    fail "kelvane --version"

# Started as the menu and "Open With" start it, the entry's Exec line with two chosen sounds, the
# window works in their folder.
cp samples/*.ogg "$sounds"
PATH="$root/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen \
    gio launch "$entry" "$sounds/stereo_block.ogg" "$sounds/mono_block.ogg" >/dev/null 2>&1
launched=
for _ in $(seq 50); do
    for pid in $(pgrep -x kelvane); do
        [[ "$(readlink "/proc/$pid/cwd")" == "$sounds" ]] && launched=$pid
    done
    [[ -n "$launched" ]] && break
    sleep 0.2
done
[[ -n "$launched" ]] || fail "the desktop entry did not start the window in the sounds' folder"
kill -TERM "$launched"

cd "$root"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/kelvane" "$sounds" 2>/dev/null &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the window did not stay up"
[[ "$(readlink "/proc/$pid/cwd")" == "$sounds" ]] || fail "kelvane FOLDER did not enter the folder"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[[ $status -eq 0 ]] || fail "the window did not close cleanly (exit status $status)"
echo "package: $(basename "$deb") installs, its window starts and closes cleanly, kelvane-cli runs"
