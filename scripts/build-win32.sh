#!/usr/bin/env bash
# Configures and builds a Windows flavour (release): win32 (the program that ships, the default)
# into build/win32, or win64 (for testing where only 64-bit code can run) into build/win64.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
arch="${1:-win32}"
case "$arch" in
    win32) toolchain="$root/cmake/mingw-i686.cmake" ;;
    win64) toolchain="$root/cmake/mingw-x86_64.cmake" ;;
    *) echo "build: unknown flavour $arch" >&2; exit 1 ;;
esac
cmake -S "$root" -B "$root/build/$arch" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
cmake --build "$root/build/$arch" -j "$(nproc)"
