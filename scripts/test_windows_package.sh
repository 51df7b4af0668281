#!/usr/bin/env bash
# The Windows package as a modder gets it, under Wine, with nothing from the build's folders:
#  - the zip unpacked: kelvane-cli.exe show, check, set, fix and restore on copies of samples/
#    say and write exactly what the Linux build does, byte for byte;
#  - the window started from the unpacked folder on samples/ (Windows' own platform, an X
#    server of its own) shows its sounds; a screenshot of it is kept;
#  - the installer installs, offers "Open with" for .ogg, and its uninstaller takes it all away.
# Usage: scripts/test_windows_package.sh [SCREENSHOT.png]
# Needs scripts/build-windows.sh and the default Linux build (scripts/build.sh default) first.
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
cache="${KELVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvane-windows}"
version=$(sed -n 's/^project(Kelvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name="kelvane-$version-windows-x64"
linux_cli="$source_dir/build/default/cli/kelvane-cli"
export WINEPREFIX="${WINEPREFIX:-$cache/wine}" WINEDEBUG=-all
unset WINEPATH
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    wineboot --init >/dev/null 2>&1 || true
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "build/windows/$name.zip" -d "$work"
app="$work/$name"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs one command with both builds, each on its own copy of samples/, and compares what they
# say (Windows' CR LF read as line ends) and every file they leave.
same_as_linux() { # COMMAND ARGUMENTS...
    rm -rf "$work/w" "$work/l"
    cp -r samples "$work/w" && cp -r samples "$work/l"
    if [[ "$1" == "restore" ]]; then # after an edit, with its backups, by the same build
        (cd "$work/w" && wine "$app/kelvane-cli.exe" set --volume 0.25 . >/dev/null 2>&1) || true
        (cd "$work/l" && "$linux_cli" set --volume 0.25 . >/dev/null 2>&1) || true
    fi
    local status_w=0 status_l=0
    (cd "$work/w" && wine "$app/kelvane-cli.exe" "$@" . >../w.out 2>../w.err) || status_w=$?
    (cd "$work/l" && "$linux_cli" "$@" . >../l.out 2>../l.err) || status_l=$?
    # Windows names paths with its own separators; after that check, they count as "/".
    if grep -q -F './' "$work/l.out" && ! grep -q -F '.\' "$work/w.out"; then
        fail "kelvane-cli $*: paths without the system's separators"
    fi
    # Where a message names a whole path, the two copies' folders are one.
    sed -i 's#\\\\#/#g; s#\\#/#g' "$work/w.out" "$work/w.err" # JSON doubles them
    sed -i "s/\r\$//; s#Z:$work/w#HERE#g" "$work/w.out" "$work/w.err"
    sed -i "s#$work/l#HERE#g" "$work/l.out" "$work/l.err"
    if ((status_w != status_l)); then
        fail "kelvane-cli $*: exit status $status_w on Windows, $status_l on Linux"
    fi
    diff -u "$work/l.out" "$work/w.out" >&2 || fail "kelvane-cli $*: another output"
    diff -u "$work/l.err" "$work/w.err" >&2 || fail "kelvane-cli $*: other messages"
    if [[ "$(cd "$work/l" && ls -A)" != "$(cd "$work/w" && ls -A)" ]]; then
        fail "kelvane-cli $*: other files"
        return
    fi
    local file
    for file in "$work"/l/*; do
        cmp -s "$file" "$work/w/${file##*/}" || fail "kelvane-cli $*: ${file##*/} differs"
    done
}
echo "== the command line, beside the Linux build's"
same_as_linux show --table
same_as_linux check
same_as_linux check --json
same_as_linux set --volume 0.5 --max 50 --ai 9
same_as_linux set --type weapon_shooting --no-backup
same_as_linux fix
same_as_linux copy mono_block.ogg
same_as_linux restore

echo "== game sounds made by the package, judged by the Linux build"
# A 48 kHz stereo 24-bit WAV and a 22.05 kHz FLAC: libsndfile, libsoxr and libvorbisenc as the
# package carries them. The bytes differ (each file has its own serial number); what the game
# reads must not.
mkdir -p "$work/sources/sub"
sox -R -n -r 48000 -c 2 -b 24 "$work/sources/shot.wav" synth 1.5 sine 440 sine 660
sox -R -n -r 22050 -c 1 -b 16 "$work/sources/sub/steps.flac" synth 1 pinknoise
(cd "$work" && wine "$app/kelvane-cli.exe" encode -r --type weapon_shooting --max 300 \
    --to made sources >"$work/encode.out" 2>&1) ||
    { fail "kelvane-cli encode: exit status $?"; cat "$work/encode.out" >&2; }
for made in made/shot.ogg made/sub/steps.ogg; do
    said=$("$linux_cli" show --json "$work/$made" 2>&1) || fail "$made: not a sound: $said"
    for fact in '"channels":1' '"sampleRate":44100' '"maxDist":300' '"outcome":"clean"' \
                '"gameTypeName":"weapon_shooting"'; do
        [[ "$said" == *"$fact"* ]] || fail "$made: not $fact"
    done
done
said=$("$linux_cli" show --json "$work/made/shot.ogg" 2>&1) || true
[[ "$said" == *'"durationSeconds":1.5'* ]] || fail "made/shot.ogg: not 1.5 s long"

echo "== the window, from the unpacked folder"
shot="${1:-$work/window.png}"
cp -r samples "$work/window"
cat >"$work/window.sh" <<EOF
cd "$work/window"
wine "$app/kelvane.exe" mono_block.ogg &
for _ in \$(seq 1 60); do
    if xdotool search --name "Kelvane $version" >/dev/null 2>&1; then
        break
    fi
    sleep 1
done
sleep 3
import -window root "$shot"
xdotool search --name "Kelvane $version" >"$work/windows.txt" 2>/dev/null || true
wineserver -k
EOF
# Wine's desktop lives as long as its server: the one the command line started without a display
# would take the window.
wineserver -k 2>/dev/null || true
wineserver -w
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$work/window.sh" >"$work/window.log" 2>&1 || true
[[ -s "$work/windows.txt" ]] || { cat "$work/window.log" >&2; fail "the window did not open"; }
[[ -s "$shot" ]] || fail "no screenshot of the window"

echo "== the installer"
# A folder with a space, as Program Files has; /D takes the rest of the command line as it
# stands, which cmd passes on unquoted.
setup=$(winepath -w "build/windows/kelvane-$version-setup.exe" 2>/dev/null)
wine cmd /c "$setup /S /D=C:\Kelvane Test" >/dev/null 2>&1 || fail "the installer failed"
installed="$WINEPREFIX/drive_c/Kelvane Test"
for file in kelvane.exe kelvane-cli.exe Qt6Widgets.dll platforms/qwindows.dll Kelvane_Help.txt \
            Uninstall.exe; do
    [[ -f "$installed/$file" ]] || fail "not installed: $file"
done
open_with=$(wine reg query 'HKLM\Software\Classes\Applications\kelvane.exe\shell\open\command' \
                2>/dev/null || true)
[[ "$open_with" == *'Kelvane Test\kelvane.exe" "%1"'* ]] || fail "no \"Open with\" entry"
version_said=$(wine "$installed/kelvane-cli.exe" --version 2>/dev/null | tr -d '\r' || true)
[[ "$version_said" == *"$version"* ]] || fail "the installed kelvane-cli does not run"
# The uninstaller copies itself away and runs from there: its end is awaited.
wine "$installed/Uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
for _ in $(seq 1 60); do
    [[ -e "$installed" ]] || break
    sleep 1
done
[[ ! -e "$installed" ]] || fail "the uninstaller left $(cd "$installed" && find . -type f)"
if wine reg query 'HKLM\Software\Classes\Applications\kelvane.exe' >/dev/null 2>&1; then
    fail "the uninstaller left the \"Open with\" entry"
fi

if ((failures)); then
    echo "$failures checks of the Windows package failed" >&2
    exit 1
fi
echo "the Windows package passed every check"
