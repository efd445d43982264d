#!/usr/bin/env bash
# Runs inside the test machine of wine-vm.sh: every Wine test on the shipped 32-bit build, under the
# Debian 13 tree's Wine and its 32-bit loader. The programs run one by one, each with a limit for
# emulated speed (ctest's limits are made for a real processor). ZM_VM_TESTS picks some of them,
# or "bench" for `make bench`'s measurements of the 32-bit build (its table ends bench.log).
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
[ -f "$root/build/vm32/settings" ] && source "$root/build/vm32/settings"
export ZIELMARK_BUILD="$root/build" ZM_WINE_ARCH=win32 WINEPREFIX=/root/wineprefix LC_ALL=de_DE.UTF-8
# The end-to-end waits, made for a real processor, stretched for the emulated one.
export ZIELMARK_TEST_PATIENCE="${ZIELMARK_TEST_PATIENCE:-6}"
source "$root/scripts/wine-env.sh"
source "$root/scripts/xvfb.sh"
win="$ZIELMARK_BUILD/win32"
logs="$ZIELMARK_BUILD/vm32"
mkdir -p "$logs"
echo "test32: $ZM_WINE_BUILD_NOTE, $(wine --version), kernel $(uname -r) under emulation"
start_xvfb
bash "$root/scripts/wine-prefix.sh"

status=0
for name in ${ZM_VM_TESTS:-portable win32 gui e2e}; do
    case "$name" in
        portable) cmd=("$win/tests/unit/portable_tests.exe") ;;
        win32) cmd=("$win/tests/unit/win32_tests.exe") ;;
        gui) cmd=("$win/tests/gui/gui_tests.exe") ;;
        e2e) cmd=("$win/tests/e2e/e2e_tests.exe" "$win/installed/Zielmark.exe") ;;
        bench) cmd=(env ZIELMARK_BENCH_BUILT=1 bash "$root/scripts/bench.sh") ;;
        *) echo "test32: unknown test $name" >&2; status=2; continue ;;
    esac
    started=$(date +%s)
    [ "$name" = bench ] || cmd=("$root/scripts/wine-run.sh" "${cmd[@]}")
    LC_ALL=de_DE.UTF-8 timeout -k 10 3600 "${cmd[@]}" >"$logs/$name.log" 2>&1
    code=$?
    summary="$(grep -E '^\[  PASSED  \]|^\[  FAILED  \] [0-9]+ test' "$logs/$name.log" | tr '\n' ' ')"
    echo "test32: $name exit $code in $(($(date +%s) - started)) s: ${summary:-no summary} (log: $logs/$name.log)"
    grep -E '^\[  FAILED  \] [A-Za-z].* \([0-9]+ ms\)$' "$logs/$name.log"
    [ "$code" -eq 0 ] || status=1
done
for bmp in "$win"/screenshots/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "$win/screenshots/vm32-$(basename "${bmp%.bmp}").png" && rm "$bmp"
done
wineserver -k >/dev/null 2>&1
stop_xvfb
exit "$status"
