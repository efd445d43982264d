#!/usr/bin/env bash
# Lays out the program as installed: Zielmark.exe with help\ and defschem.lst beside it.
# Usage: install-layout.sh TARGET_FOLDER
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
target="$1"
rm -rf "$target"
mkdir -p "$target/help"
cp "$root/build/win32/Zielmark.exe" "$target/"
cp "$root"/help/*.html "$root"/help/*.css "$target/help/"
cp "$root/res/defschem.lst" "$target/"
