#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, headless, as CTest does with each Windows
# test: the DLLs of the cross-built Qt and of the compilers on its path, Qt's offscreen platform
# with a font folder (offscreen has none of its own), Wine's own messages off. Usage:
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
# KELVANE_WINDOWS_CACHE is the cache scripts/build-windows.sh fills; WINEPREFIX, if set, is the
# Wine prefix (default: one in that cache).
set -euo pipefail
cache="${KELVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kelvane-windows}"
host=x86_64-w64-mingw32
# Wine reads WINEPATH with Windows' separator; Z: is the Unix root.
dirs=("$cache/prefix/bin"
      "$(dirname "$($host-g++-posix -print-file-name=libstdc++-6.dll)")"
      "$(dirname "$($host-g++-posix -print-file-name=libwinpthread-1.dll)")")
winepath=""
for dir in "${dirs[@]}"; do
    winepath+="Z:$(realpath "$dir");"
done
export WINEPATH="$winepath" WINEDEBUG="${WINEDEBUG:--all}"
# A Wine prefix of our own, made once, quietly.
export WINEPREFIX="${WINEPREFIX:-$cache/wine}"
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    wineboot --init >/dev/null 2>&1 || true
fi
# Wine hands a program the variables named WINE<name> as <name>.
export WINEQT_QPA_PLATFORM="${WINEQT_QPA_PLATFORM:-offscreen}"
export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu'
export WINEQT_PLUGIN_PATH="Z:$cache/prefix/plugins"
# QTest's "-o -,txt" reaches no standard output under Wine: the report goes through a file.
args=("$@")
report=""
for ((i = 1; i < ${#args[@]}; ++i)); do
    if [[ "${args[i-1]}" == "-o" && "${args[i]}" == -,* ]]; then
        report=$(mktemp)
        args[i]="Z:$report,${args[i]#-,}"
    fi
done
if [[ -z "$report" ]]; then
    exec wine "${args[@]}"
fi
status=0
wine "${args[@]}" || status=$?
cat "$report"
rm -f "$report"
exit "$status"
