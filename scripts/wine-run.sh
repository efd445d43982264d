#!/usr/bin/env bash
# ctest's emulator for the Win32 build: runs one program in the build's Wine prefix.
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
