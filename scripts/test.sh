#!/usr/bin/env bash
# The whole test run: native sanitizer build and tests, then the Win32 build and every test under Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
jobs="$(nproc)"

bash "$root/scripts/setup.sh"

echo "== native build (AddressSanitizer, UndefinedBehaviorSanitizer) =="
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -DZIELMARK_SANITIZE=address,undefined >/dev/null
cmake --build "$build/native" -j "$jobs"
echo "== native tests =="
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir "$build/native" --output-on-failure -j "$jobs"

echo "== native ticker tests (ThreadSanitizer) =="
# Only the ticker has a second thread; this flavour defines just its test (ticker_tsan).
cmake -S "$root" -B "$build/tsan" -DCMAKE_BUILD_TYPE=Debug -DZIELMARK_SANITIZE=thread >/dev/null
cmake --build "$build/tsan" -j "$jobs" --target portable_tests
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
    ctest --test-dir "$build/tsan" --output-on-failure

export ZIELMARK_BUILD="$build"
source "$root/scripts/wine-env.sh"
win="$build/$ZM_WINE_ARCH"
echo "== Windows build ($ZM_WINE_ARCH) =="
bash "$root/scripts/build-win32.sh" "$ZM_WINE_ARCH"

echo "== Windows tests under Wine ($ZM_WINE_ARCH) =="
source "$root/scripts/xvfb.sh"
start_xvfb
trap 'wineserver -k >/dev/null 2>&1 || true; stop_xvfb' EXIT
bash "$root/scripts/wine-prefix.sh"
LC_ALL=de_DE.UTF-8 ctest --test-dir "$win" --output-on-failure -j "$jobs"
# The end-to-end tests run inside Wine and keep their screenshots as BMP; they are viewed as PNG.
for bmp in "$win"/screenshots/*.bmp; do
    [ -e "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
