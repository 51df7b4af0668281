#!/usr/bin/env bash
# Starts or stops the Wine server the Windows tests share. Wine's first program in a prefix
# starts a server and its helper processes (services.exe, winedevice.exe), which inherit that
# program's standard output and error and outlive it: a test runner reading that pipe then waits
# for them, not for the test. Started here once, with nothing of a test's to hold, they never do.
# Usage: scripts/wine-server.sh start|stop
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
case "${1:-}" in
start)
    # The server needs its prefix's folder; wineboot then fills the prefix through it.
    mkdir -p "$WINEPREFIX"
    if ! wineserver -p </dev/null >/dev/null 2>&1; then
        echo "wine-server.sh: the Wine server for $WINEPREFIX did not start" >&2
        exit 1
    fi
    wineboot --init </dev/null >/dev/null 2>&1 || true
    ;;
stop)
    wineserver -k </dev/null >/dev/null 2>&1 || true
    wineserver -w </dev/null >/dev/null 2>&1 || true
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
