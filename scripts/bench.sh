#!/usr/bin/env bash
# Builds the Win32 flavour and runs the benchmarks under Wine. They print ratios against a
# minimal reference measured in the same run, not absolute times: the per-paint cost of the
# display model against a plain BitBlt; the idle CPU share and private memory of the installed
# Zielmark.exe against a window that only copies a finished bitmap on the same 120 ms rhythm;
# for 10,000 appointments the list file's export and import against a plain copy of its bytes,
# the appointment list's fill and sort times and the About dialog's opening against a plain
# list view; and one message to a bound control against one to a plain control. One table at
# the end gives every figure with its reference and target.
# BENCH_ITERATIONS (default 4000) tunes the paint run; BENCH_SECONDS (default 15) and
# BENCH_ROUNDS (default 3) the idle run, whose median round counts. ZIELMARK_BENCH_BUILT=1
# measures what is built, with no setup and no build (the emulated machine of test32.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
built="${ZIELMARK_BENCH_BUILT:-0}"

[ "$built" = 1 ] || bash "$root/scripts/setup.sh"
export ZIELMARK_BUILD="$build"
source "$root/scripts/wine-env.sh"
win32="$build/$ZM_WINE_ARCH"
echo "bench: measuring $ZM_WINE_BUILD_NOTE"
[ "$built" = 1 ] || bash "$root/scripts/build-win32.sh" "$ZM_WINE_ARCH" -DZIELMARK_BENCH=ON
source "$root/scripts/xvfb.sh"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    start_xvfb
fi
bash "$root/scripts/wine-prefix.sh"
export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8

# Every benchmark prints its own details and marks its summary rows with "@table"; the rows
# are gathered into one table at the end. A figure over its target is reported, never failed.
rows="$(mktemp)"
output="$(mktemp)"
trap 'stop_xvfb; rm -f "$rows" "$output"' EXIT
status=0
run() {
    local title="$1"
    shift
    echo "== $title =="
    "$@" >"$output" || status=1
    grep -v '^@table' "$output" || true
    grep '^@table' "$output" >>"$rows" || true
}

run "per-paint cost: display model against a plain BitBlt" \
    wine "$win32/tests/bench/paint_bench.exe" "${BENCH_ITERATIONS:-4000}"
run "10,000 appointments: list file, appointment list, messages, About dialog" \
    wine "$win32/tests/bench/termine_bench.exe"
run "idle CPU share and private memory: Zielmark.exe against the reference window" \
    wine "$win32/tests/bench/idle_bench.exe" \
    "$(winepath -w "$win32/installed/Zielmark.exe")" \
    "$(winepath -w "$win32/tests/bench/RefWindow.exe")" "${BENCH_SECONDS:-15}" "${BENCH_ROUNDS:-3}"

echo
echo "== summary for $ZM_WINE_BUILD_NOTE ($(uptime 2>/dev/null | sed 's/.*load average/load average/')) =="
tr -d '\r' <"$rows" | awk -F '\t' '
    BEGIN { printf "%-44s %12s %12s %24s %14s  %s\n", "figure", "Zielmark", "reference", "comparison", "target", "" }
    $1 == "@table" { printf "%-44s %12s %12s %24s %14s  %s\n", $2, $3, $4, $5, $6, $7 }'
exit "$status"
