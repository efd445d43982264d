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
if [ ! -f "$WINEPREFIX/.zielmark-nocrashdialog" ]; then
    # No crash dialog: a crash prints its backtrace to the log and the process ends, where the
    # dialog would wait for a click that no test run gives.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    touch "$WINEPREFIX/.zielmark-nocrashdialog"
fi
if [ "${ZIELMARK_VIRTUAL_DESKTOP:-1}" = 1 ] && [ ! -f "$WINEPREFIX/.zielmark-desktop" ]; then
    # A Wine virtual desktop: windows are not managed by X, so there is no window-manager wait
    # on every hide and focus works without a window manager on Xvfb.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    # The desktop process that is running now came up without it: start afresh.
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
    touch "$WINEPREFIX/.zielmark-desktop"
fi
# A test stopped inside its changed short-date picture would leave it to every later run; without
# the value, the locale's own picture holds.
wine reg delete 'HKCU\Control Panel\International' /v sShortDate /f >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 </dev/null || true
# Start Wine's background services now, detached from any output pipe: a test runner that
# reads a program's output would otherwise wait for them to exit.
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
