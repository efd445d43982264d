#!/usr/bin/env bash
# Installs the cross compiler, Wine, Xvfb and test tools on Debian 12; does nothing when all is there.
# A package index that is out of sync (a mirror mid-update) must not stop the run: the update is
# retried and then goes on with the lists it has, and the release's own suite is preferred so that
# both architectures of a multi-arch library get the same version.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }

packages=(g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
          g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 wine64
          wine wine32:i386 xvfb xauth cmake make googletest xdotool imagemagick
          clang libclang-rt-14-dev zip x11-utils locales python3 debootstrap)
for p in "${packages[@]}"; do have "$p" || need+=("$p"); done

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    case " ${need[*]} " in *" wine32:i386 "*) ;; *) need+=(wine32:i386) ;; esac
fi

update_lists() {
    local try
    for try in 1 2 3; do
        if $SUDO apt-get update -qq; then return 0; fi
        echo "setup: apt-get update failed (try $try of 3)" >&2
        [ "$try" -lt 3 ] && sleep $((try * 5))
    done
    echo "setup: some package lists could not be fetched; going on with the ones there are" >&2
}

install() {
    # APT::Default-Release: a security update that one architecture's list lacks would otherwise
    # leave the pair at different versions, which multi-arch refuses.
    $SUDO apt-get install -y -qq --no-install-recommends \
        -o APT::Default-Release="$codename" "$@" >/dev/null
}

if [ ${#need[@]} -gt 0 ]; then
    echo "setup: installing ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")"
    update_lists
    if ! install "${need[@]}"; then
        rest=()
        for p in "${need[@]}"; do [ "$p" = wine32:i386 ] || rest+=("$p"); done
        [ ${#rest[@]} -gt 0 ] && install "${rest[@]}"
        echo "setup: Wine's 32-bit part (wine32:i386) could not be installed; the tests run on the 64-bit build" >&2
    fi
fi
# Tests pin German and US English locales; generate them once.
for loc in de_DE en_US; do
    if ! locale -a 2>/dev/null | grep -qi "^$loc\.utf-\?8$"; then
        $SUDO sed -i "s/^# *\($loc.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
        $SUDO locale-gen >/dev/null
    fi
done
echo "setup: toolchain ready"
