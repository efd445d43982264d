# Sourced by the Wine wrappers: one prefix inside the build folder, quiet, no installers.
# Wine runs the 32-bit program where this machine can execute 32-bit code; where it cannot (some
# sandboxes refuse i386 binaries), the tests run the 64-bit build of the same sources under the
# 64-bit loader instead. ZM_WINE_ARCH (win32 or win64) says which; the build folder is named alike.
# With ZM_WINE_CHROOT set, every Wine command runs in that chroot's Wine (the second platform).
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
    export WINEARCH=win32
    ZM_WINE_BUILD_NOTE="build/win32, the shipped 32-bit build, under Wine's 32-bit loader"
    prefix=wineprefix
else
    export WINEARCH=win64
    ZM_WINE_BUILD_NOTE="build/win64, the 64-bit build of the same sources (this machine cannot execute 32-bit code)"
    prefix=wineprefix64
fi
export ZM_WINE_BUILD_NOTE

if [ -n "${ZM_WINE_CHROOT:-}" ]; then
    # A prefix of its own: a newer Wine upgrades a prefix, which the older one then cannot use.
    prefix="$prefix-chroot"
    wine_bin="$ZIELMARK_BUILD/wine-chroot-bin"
    if [ ! -x "$wine_bin/zm-chroot-wine" ]; then
        mkdir -p "$wine_bin"
        cp "$(dirname "${BASH_SOURCE[0]}")/zm-chroot-wine" "$wine_bin/"
        for name in wine wine64 wine-stable wineboot winepath wineserver; do
            ln -sf zm-chroot-wine "$wine_bin/$name"
        done
    fi
elif [ "$ZM_WINE_ARCH" = win64 ]; then
    # The packaged "wine" script would try the 32-bit loader first; go to the 64-bit one.
    wine_bin="$ZIELMARK_BUILD/wine64-bin"
    if [ ! -x "$wine_bin/wine" ]; then
        mkdir -p "$wine_bin"
        for name in wine wine-stable; do
            printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' >"$wine_bin/$name"
            chmod +x "$wine_bin/$name"
        done
    fi
else
    wine_bin=""
fi
if [ -n "$wine_bin" ]; then
    case ":$PATH:" in *":$wine_bin:"*) ;; *) export PATH="$wine_bin:$PATH" ;; esac
fi
export WINEPREFIX="${WINEPREFIX:-$ZIELMARK_BUILD/$prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
