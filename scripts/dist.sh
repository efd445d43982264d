#!/usr/bin/env bash
# Builds the Win32 release and packs it as installed: the stripped Zielmark.exe, help\ and
# defschem.lst at the top level of build/Zielmark-<version>.zip. The exe's debug information,
# Zielmark.exe.debug, goes beside it into build/Zielmark-<version>-debug.zip, to resolve crash
# addresses. Prints both paths.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
installed="$build/win32/installed"

bash "$root/scripts/setup.sh"
bash "$root/scripts/build-win32.sh" win32 --target Zielmark

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

# Only an exe that passes the checks of the test run ships.
python3 "$root/tests/exe/check_exe.py" "$installed/Zielmark.exe" "$root/res/version.h" --arch i386
if [ ! -f "$build/win32/Zielmark.exe.debug" ]; then
    echo "dist: $build/win32/Zielmark.exe.debug is missing" >&2
    exit 1
fi

zipfile="$build/Zielmark-$version.zip"
rm -f "$zipfile"
# Listed one by one, so nothing stale from earlier builds of the layout gets in.
(cd "$installed" && zip -q -X -9 "$zipfile" Zielmark.exe defschem.lst help/ "${pages[@]}")
zip -sf "$zipfile"
debugzip="$build/Zielmark-$version-debug.zip"
rm -f "$debugzip"
(cd "$build/win32" && zip -q -X -9 "$debugzip" Zielmark.exe.debug)
echo "dist: $zipfile ($(stat -c %s "$zipfile") bytes; Zielmark.exe $(stat -c %s "$installed/Zielmark.exe") bytes)"
echo "dist: $debugzip (debug information of that exe)"
