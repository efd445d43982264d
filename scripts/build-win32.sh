#!/usr/bin/env bash
# Configures and builds a Windows flavour (release): win32 (the program that ships, the default)
# into build/win32, or win64 (for testing where only 64-bit code can run) into build/win64.
# Further arguments: -D options for CMake, and --target NAME to build only that target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
arch="${1:-win32}"
shift || true
case "$arch" in
    win32) toolchain="$root/cmake/mingw-i686.cmake" ;;
    win64) toolchain="$root/cmake/mingw-x86_64.cmake" ;;
    *) echo "build: unknown flavour $arch" >&2; exit 1 ;;
esac
options=()
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        -D*) options+=("$1") ;;
        --target) targets+=(--target "$2"); shift ;;
        *) echo "build: unknown argument $1" >&2; exit 1 ;;
    esac
    shift
done
cmake -S "$root" -B "$root/build/$arch" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" "${options[@]}" >/dev/null
cmake --build "$root/build/$arch" -j "$(nproc)" "${targets[@]}"
