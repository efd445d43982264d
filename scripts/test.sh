#!/usr/bin/env bash
# The whole test run: native sanitizer build and tests, then the Windows build and every test under
# Wine, first Debian 12's Wine, then again Debian 13's in a chroot the run builds and keeps (see
# wine-chroot.sh; ZIELMARK_WINES=host or =chroot runs only one of them). The shipped 32-bit build
# is always built and its exe checked; where this machine cannot execute 32-bit code, Wine runs
# the tests on the 64-bit build, and the 32-bit one with its test programs is built alongside, at
# low priority, and checked but not run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
jobs="$(nproc)"

bash "$root/scripts/setup.sh"

export ZIELMARK_BUILD="$build"
source "$root/scripts/wine-env.sh"
win="$build/$ZM_WINE_ARCH"
win32_pid=""
win32_log="$build/win32-build.log"
wines="${ZIELMARK_WINES:-both}"
chroot_dir="${ZIELMARK_CHROOT:-$root/.cache/wine-trixie}"
chroot_log="$build/wine-chroot.log"
chroot_pid=""
chroot_mounted=""
if [ "$wines" != host ]; then
    # Mostly downloads: it goes on beside the builds.
    mkdir -p "$build"
    echo "== Debian 13's Wine in a chroot, prepared alongside (log: $chroot_log) =="
    setsid bash "$root/scripts/wine-chroot.sh" prepare "$chroot_dir" >"$chroot_log" 2>&1 &
    chroot_pid=$!
fi
if [ "$ZM_WINE_ARCH" != win32 ]; then
    # It takes the processor time the other steps leave, most of all while Wine tests wait.
    mkdir -p "$build"
    echo "== the shipped 32-bit build, alongside (log: $win32_log) =="
    # A session of its own, so that an early end of the run stops the whole build.
    setsid nice -n 10 bash "$root/scripts/build-win32.sh" win32 -DZIELMARK_BENCH=OFF >"$win32_log" 2>&1 &
    win32_pid=$!
fi
# Ends the chroot's wineserver and with it every Wine process there, so that nothing holds a mount.
stop_chroot_wine() {
    (export ZM_WINE_CHROOT="$chroot_dir"; unset WINEPREFIX; source "$root/scripts/wine-env.sh"
     wineserver -k >/dev/null 2>&1 || true)
}
cleanup() {
    if [ -n "$win32_pid" ]; then kill -- "-$win32_pid" 2>/dev/null || true; fi
    if [ -n "$chroot_pid" ]; then kill -- "-$chroot_pid" 2>/dev/null || true; wait "$chroot_pid" 2>/dev/null; fi
    if [ -n "$chroot_mounted" ]; then
        stop_chroot_wine
        bash "$root/scripts/wine-chroot.sh" unmount "$chroot_dir" || true
    fi
}
trap cleanup EXIT
# A stopped run still unmounts the chroot.
trap 'exit 130' INT
trap 'exit 143' TERM

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

echo "== Windows build ($ZM_WINE_ARCH) =="
# The benchmarks are no tests: `make bench` builds them.
bash "$root/scripts/build-win32.sh" "$ZM_WINE_ARCH" -DZIELMARK_BENCH=OFF

echo "== Windows tests under Wine: $ZM_WINE_BUILD_NOTE =="
source "$root/scripts/xvfb.sh"
start_xvfb
trap 'cleanup; wineserver -k >/dev/null 2>&1 || true; stop_xvfb' EXIT
status=0
# The end-to-end tests run inside Wine and keep their screenshots as BMP; they are viewed as PNG,
# those of the second Wine with its name in front.
keep_screenshots() {
    local bmp name
    for bmp in "$win"/screenshots/*.bmp; do
        [ -e "$bmp" ] || continue
        name="$(basename "${bmp%.bmp}")"
        convert "$bmp" "$win/screenshots/$1$name.png" && rm "$bmp"
    done
}
if [ "$wines" != chroot ]; then
    bash "$root/scripts/wine-prefix.sh"
    echo "test: first Wine: $(wine --version)"
    LC_ALL=de_DE.UTF-8 ctest --test-dir "$win" --output-on-failure -j "$jobs" || status=$?
    keep_screenshots ""
fi

if [ -n "$chroot_pid" ]; then
    echo "== Windows tests under Debian 13's Wine in $chroot_dir: $ZM_WINE_BUILD_NOTE =="
    prepared=0
    wait "$chroot_pid" || prepared=$?
    chroot_pid=""
    cat "$chroot_log"
    if [ "$prepared" -eq 0 ] && bash "$root/scripts/wine-chroot.sh" mount "$chroot_dir" "$build"; then
        chroot_mounted=1
        second=0
        (
            export ZM_WINE_CHROOT="$chroot_dir"
            unset WINEPREFIX
            source "$root/scripts/wine-env.sh"
            bash "$root/scripts/wine-prefix.sh"
            echo "test: second Wine: $(wine --version)"
            # The exe checks read a file; they ran with the first Wine.
            LC_ALL=de_DE.UTF-8 ctest --test-dir "$win" --output-on-failure -j "$jobs" -E '^exe_check'
        ) || second=$?
        keep_screenshots "wine10-"
        stop_chroot_wine
        bash "$root/scripts/wine-chroot.sh" unmount "$chroot_dir" && chroot_mounted=""
        [ "$second" -eq 0 ] || status=$second
    else
        echo "test: the second Wine run is skipped (see the line above); the first run decides"
    fi
fi

if [ -n "$win32_pid" ]; then
    echo "== the shipped 32-bit build: built with its test programs, checked, not run (no 32-bit code runs here) =="
    built=0
    wait "$win32_pid" || built=$?
    win32_pid=""
    if [ "$built" -ne 0 ]; then
        tail -n 60 "$win32_log"
        echo "test: the 32-bit build failed (whole log: $win32_log)" >&2
        exit 1
    fi
    grep -E "warning|Linking CXX executable" "$win32_log" || true
    ctest --test-dir "$build/win32" --output-on-failure -R '^exe_check' || status=$?
fi
echo "test: the Wine tests ran on $ZM_WINE_BUILD_NOTE"
exit "$status"
