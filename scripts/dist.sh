#!/usr/bin/env bash
# Builds the Win32 release and packs it as installed: Zielmark.exe, help\ and defschem.lst at the
# top level of build/Zielmark-<version>.zip. Prints the zip's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
installed="$build/win32/installed"

bash "$root/scripts/setup.sh"
bash "$root/scripts/build-win32.sh"

version="$(sed -n 's/^#define ZM_VERSION_TEXT "\([^"]*\)"$/\1/p' "$root/res/version.h")"
if [ -z "$version" ]; then
    echo "dist: no ZM_VERSION_TEXT in res/version.h" >&2
    exit 1
fi

# The help pages that ship are those of the source folder; each must be in the installed layout.
mapfile -t pages < <(cd "$root" && find help -type f | LC_ALL=C sort)
if [ ${#pages[@]} -eq 0 ]; then
    echo "dist: no help pages in $root/help" >&2
    exit 1
fi
for item in Zielmark.exe defschem.lst "${pages[@]}"; do
    if [ ! -f "$installed/$item" ]; then
        echo "dist: $installed/$item is missing" >&2
        exit 1
    fi
done

zipfile="$build/Zielmark-$version.zip"
rm -f "$zipfile"
# Listed one by one, so nothing stale from earlier builds of the layout gets in.
(cd "$installed" && zip -q -X "$zipfile" Zielmark.exe defschem.lst help/ "${pages[@]}")
zip -sf "$zipfile"
echo "dist: $zipfile"
