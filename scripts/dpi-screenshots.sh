#!/usr/bin/env bash
# Screenshots of the timer window, the settings sheet's pages and the About dialog on screens of
# 144 and 192 dots per inch (150 and 200 %), to look at after a change of layout. The end-to-end
# tests that take them run in Wine prefixes of their own with that LogPixels; the test prefix
# stays at 96. Writes build/<flavour>/screenshots/dpi<N>-<name>.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
export ZIELMARK_BUILD="$build"
source "$root/scripts/wine-env.sh"
win="$build/$ZM_WINE_ARCH"
bash "$root/scripts/build-win32.sh" "$ZM_WINE_ARCH" --target e2e_tests
source "$root/scripts/xvfb.sh"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    start_xvfb
fi
trap 'wineserver -k >/dev/null 2>&1 || true; stop_xvfb' EXIT
export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8
shots="$win/screenshots"
tests='*FirstRunImports*:*WindowSizeIsTheText*:*InfoLists*:*NewAppointmentShows*:*DisplayStyleScheme*'
status=0
for dpi in 144 192; do
    export WINEPREFIX="$build/wineprefix-$ZM_WINE_ARCH-dpi$dpi"
    bash "$root/scripts/wine-prefix.sh"
    # Newer Wine reads the user's value, older the machine's; both, then Wine starts afresh.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wine reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' \
        /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w
    bash "$root/scripts/wine-prefix.sh"
    mkdir -p "$shots"
    rm -f "$shots"/*.bmp
    echo "== end-to-end screenshots at $dpi dots per inch =="
    # The tests pin pixel sizes at 96; here they run for their pictures, failures are reported.
    wine "$win/tests/e2e/e2e_tests.exe" "$win/installed/Zielmark.exe" \
        --gtest_filter="$tests" || status=1
    for bmp in "$shots"/*.bmp; do
        [ -e "$bmp" ] || continue
        name="$(basename "${bmp%.bmp}")"
        convert "$bmp" "$shots/dpi$dpi-$name.png" && rm "$bmp"
        echo "$shots/dpi$dpi-$name.png"
    done
    wineserver -k >/dev/null 2>&1 || true
done
exit "$status"
