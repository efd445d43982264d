#!/usr/bin/env bash
# Builds Zielmark and starts it under Wine in a German locale, laid out as installed.
# Without a usable display it runs on a virtual screen for a few seconds and saves a screenshot.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build-win32.sh"
bash "$root/scripts/install-layout.sh" "$build/installed"

export ZIELMARK_BUILD="$build"
export WINEPREFIX="$build/wineprefix-run"
source "$root/scripts/wine-env.sh"
ZIELMARK_VIRTUAL_DESKTOP=0 bash "$root/scripts/wine-prefix.sh"
export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "run: starting Zielmark on $DISPLAY (close it from its right-click menu, \"Beenden\")"
    cd "$build/installed" && wine Zielmark.exe
    wineserver -k >/dev/null 2>&1 || true
    exit 0
fi

source "$root/scripts/xvfb.sh"
start_xvfb
trap 'wineserver -k >/dev/null 2>&1 || true; stop_xvfb' EXIT
(cd "$build/installed" && wine Zielmark.exe >/dev/null 2>&1 &)
sleep "${RUN_SECONDS:-6}"
shot="$build/run-screenshot.png"
import -window root -crop 640x200+0+0 "$shot"
echo "run: no display here; Zielmark ran on the virtual screen $DISPLAY. Screenshot: $shot"
