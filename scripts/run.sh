#!/usr/bin/env bash
# Builds Zielmark and starts it under Wine in a German locale, laid out as installed.
# Without a usable display it runs on a virtual screen for a few seconds and saves a screenshot.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
bash "$root/scripts/setup.sh"
export ZIELMARK_BUILD="$build"
source "$root/scripts/wine-env.sh"
export WINEPREFIX="$build/wineprefix-run-$ZM_WINE_ARCH"
echo "run: $ZM_WINE_BUILD_NOTE"
bash "$root/scripts/build-win32.sh" "$ZM_WINE_ARCH" --target Zielmark
export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8
# Wine's desktop process binds to the display it first sees: choose the display before Wine starts.

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    ZIELMARK_VIRTUAL_DESKTOP=0 bash "$root/scripts/wine-prefix.sh"
    echo "run: starting Zielmark on $DISPLAY (close it from its right-click menu, \"Beenden\")"
    status=0
    (cd "$build/$ZM_WINE_ARCH/installed" && wine Zielmark.exe) || status=$?
    wineserver -k >/dev/null 2>&1 || true
    # The crash dialog is off in the prefix: a crash has printed its backtrace above.
    if [ "$status" -ne 0 ]; then echo "run: Zielmark ended with exit code $status" >&2; fi
    exit "$status"
fi

source "$root/scripts/xvfb.sh"
start_xvfb
trap 'wineserver -k >/dev/null 2>&1 || true; stop_xvfb' EXIT
ZIELMARK_VIRTUAL_DESKTOP=0 bash "$root/scripts/wine-prefix.sh"
log="$build/run.log"
(cd "$build/$ZM_WINE_ARCH/installed" && exec wine Zielmark.exe) >"$log" 2>&1 </dev/null &
program=$!
sleep "${RUN_SECONDS:-6}"
# A program that ended before its screenshot has crashed or refused to start: its backtrace (the
# crash dialog is off in the prefix) is in the log.
if ! kill -0 "$program" 2>/dev/null || grep -q "^Unhandled exception" "$log"; then
    status=0
    wait "$program" 2>/dev/null || status=$?
    cat "$log" >&2
    echo "run: Zielmark ended before its screenshot (exit code $status)" >&2
    exit 1
fi
shot="$build/run-screenshot.png"
import -window root -crop 640x200+0+0 "$shot"
echo "run: no display here; Zielmark ran on the virtual screen $DISPLAY. Screenshot: $shot"
