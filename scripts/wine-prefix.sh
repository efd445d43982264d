#!/usr/bin/env bash
# Creates the build's Wine prefix once and keeps a wineserver running for the test run.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w
fi
wineserver -p >/dev/null 2>&1 </dev/null || true
# Start Wine's background services now, detached from any output pipe: a test runner that
# reads a program's output would otherwise wait for them to exit.
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
