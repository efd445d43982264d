# Sourced by the Wine wrappers: one prefix inside the build folder, quiet, no installers.
# Wine runs the 32-bit program where this machine can execute 32-bit code; where it cannot (some
# sandboxes refuse i386 binaries), the tests run the 64-bit build of the same sources under the
# 64-bit loader instead. ZM_WINE_ARCH (win32 or win64) says which; the build folder is named alike.
: "${ZIELMARK_BUILD:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
if [ -z "${ZM_WINE_ARCH:-}" ]; then
    if [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
        ZM_WINE_ARCH=win32
    else
        ZM_WINE_ARCH=win64
    fi
fi
export ZM_WINE_ARCH
# Which build a run tests or measures, for its log.
if [ "$ZM_WINE_ARCH" = win32 ]; then
    ZM_WINE_BUILD_NOTE="build/win32, the shipped 32-bit build, under Wine's 32-bit loader"
else
    ZM_WINE_BUILD_NOTE="build/win64, the 64-bit build of the same sources (this machine cannot execute 32-bit code)"
fi
export ZM_WINE_BUILD_NOTE
if [ "$ZM_WINE_ARCH" = win64 ]; then
    export WINEPREFIX="${WINEPREFIX:-$ZIELMARK_BUILD/wineprefix64}"
    export WINEARCH=win64
    # The packaged "wine" script would try the 32-bit loader first; go to the 64-bit one.
    wine_bin="$ZIELMARK_BUILD/wine64-bin"
    if [ ! -x "$wine_bin/wine" ]; then
        mkdir -p "$wine_bin"
        for name in wine wine-stable; do
            printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' >"$wine_bin/$name"
            chmod +x "$wine_bin/$name"
        done
    fi
    case ":$PATH:" in *":$wine_bin:"*) ;; *) export PATH="$wine_bin:$PATH" ;; esac
else
    export WINEPREFIX="${WINEPREFIX:-$ZIELMARK_BUILD/wineprefix}"
    export WINEARCH=win32
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
