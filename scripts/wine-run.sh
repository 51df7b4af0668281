#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, headless, as CTest does with each Windows
# test: the DLLs of the cross-built Qt and of the compilers on its path, Qt's offscreen platform
# with a font folder (offscreen has none of its own), Wine's own messages off. Usage:
#   scripts/wine-run.sh PROGRAM.exe [ARGUMENTS...]
# The program's output goes through files printed when it ends, so that no Wine process that
# outlives it (the server, services.exe) holds the caller's pipe open; scripts/wine-server.sh
# starts those once for a whole test run.
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    wineboot --init </dev/null >/dev/null 2>&1 || true
fi
# Wine hands a program the variables named WINE<name> as <name>.
export WINEQT_QPA_PLATFORM="${WINEQT_QPA_PLATFORM:-offscreen}"
export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\truetype\dejavu'
export WINEQT_PLUGIN_PATH="Z:$cache/prefix/plugins"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# QTest's "-o -,txt" reaches no standard output under Wine: the report goes through a file.
args=("$@")
report=""
for ((i = 1; i < ${#args[@]}; ++i)); do
    if [[ "${args[i-1]}" == "-o" && "${args[i]}" == -,* ]]; then
        report="$work/report"
        args[i]="Z:$report,${args[i]#-,}"
    fi
done
status=0
wine "${args[@]}" </dev/null >"$work/out" 2>"$work/err" || status=$?
cat "$work/out"
[[ -z "$report" || ! -f "$report" ]] || cat "$report"
cat "$work/err" >&2
exit "$status"
