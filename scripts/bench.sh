#!/usr/bin/env bash
# Builds the Win32 flavour and runs the benchmarks under Wine. They print ratios against a
# minimal reference measured in the same run, not absolute times: the per-paint cost of the
# display model against a plain BitBlt, and the idle CPU share of the installed Zielmark.exe
# against a window that only copies a finished bitmap on the same 120 ms rhythm; and for 10,000
# appointments the list file's export and import against a plain copy of its bytes, and the
# appointment list's fill and sort times.
# BENCH_ITERATIONS (default 4000) and BENCH_SECONDS (default 15) tune the two runs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"

bash "$root/scripts/setup.sh"
export ZIELMARK_BUILD="$build"
source "$root/scripts/wine-env.sh"
win32="$build/$ZM_WINE_ARCH"
bash "$root/scripts/build-win32.sh" "$ZM_WINE_ARCH" -DZIELMARK_BENCH=ON
source "$root/scripts/xvfb.sh"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    start_xvfb
fi
trap stop_xvfb EXIT
bash "$root/scripts/wine-prefix.sh"
export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8

echo "== per-paint cost: display model against a plain BitBlt =="
wine "$win32/tests/bench/paint_bench.exe" "${BENCH_ITERATIONS:-4000}"

echo "== 10,000 appointments: list file and appointment list =="
wine "$win32/tests/bench/termine_bench.exe"

echo "== idle CPU share: Zielmark.exe against the reference window =="
wine "$win32/tests/bench/idle_bench.exe" \
    "$(winepath -w "$win32/installed/Zielmark.exe")" \
    "$(winepath -w "$win32/tests/bench/RefWindow.exe")" "${BENCH_SECONDS:-15}"
