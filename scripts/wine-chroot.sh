#!/usr/bin/env bash
# A second platform for the Wine suite: Debian 13's Wine in a chroot that the test run builds
# itself and keeps for a week. A program that passes under two independent releases of Wine leans
# less on one release's quirks.
#   wine-chroot.sh prepare DIR        builds the chroot in DIR, or reuses one younger than a week
#   wine-chroot.sh mount DIR BUILD    makes /proc, /dev, the X socket and BUILD visible inside
#   wine-chroot.sh unmount DIR        undoes every mount below DIR
#   wine-chroot.sh remove DIR         unmounts, then deletes the chroot
# Each fails, having said why in one line, where the machine does not allow it (no root, no
# chroot, mount refused).
set -uo pipefail
ZM_CHROOT_SUITE=trixie
ZM_CHROOT_PACKAGES=(wine wine64 xvfb xauth x11-utils imagemagick locales)
ZM_CHROOT_MAX_DAYS=7

chroot_say() { echo "wine-chroot: $*" >&2; }

# Mount points below DIR, deepest first, so that each comes off before the one it lies in.
chroot_mounts_below() {
    local dir
    dir="$(realpath -m "$1")"
    awk -v dir="$dir" '$2 == dir || index($2, dir "/") == 1 { print $2 }' /proc/self/mounts | sort -r
}

chroot_unmount() {
    local point
    for point in $(chroot_mounts_below "$1"); do
        umount "$point" 2>/dev/null || umount -l "$point" 2>/dev/null || chroot_say "cannot unmount $point"
    done
    [ -z "$(chroot_mounts_below "$1")" ]
}

# Removes DIR only when nothing is mounted below it: a bind mount of the build folder left behind
# would otherwise take the build with it.
chroot_remove() {
    if ! chroot_unmount "$1"; then
        chroot_say "not removing $1: something is still mounted below it"
        return 1
    fi
    rm -rf --one-file-system "$1"
}

chroot_apt() {
    local dir="$1"
    shift
    chroot "$dir" env DEBIAN_FRONTEND=noninteractive LC_ALL=C apt-get "$@"
}

chroot_build() {
    local dir="$1" new="$1.new"
    chroot_remove "$new" || return 1
    mkdir -p "$(dirname "$dir")"
    chroot_say "building Debian $ZM_CHROOT_SUITE in $dir (debootstrap, Wine and its 32-bit part)"
    if ! debootstrap --variant=minbase "$ZM_CHROOT_SUITE" "$new" >"$new.log" 2>&1; then
        tail -n 5 "$new.log" >&2
        chroot_say "debootstrap failed (log: $new.log)"
        return 1
    fi
    cp /etc/resolv.conf "$new/etc/resolv.conf"
    chroot "$new" dpkg --add-architecture i386
    # Package scripts want /proc and /dev.
    mount -t proc proc "$new/proc" && mount --rbind /dev "$new/dev" && mount --make-rslave "$new/dev" || {
        chroot_unmount "$new"
        chroot_say "mount refused while building"
        return 1
    }
    local try ok=1
    for try in 1 2 3; do
        chroot_apt "$new" update -qq >>"$new.log" 2>&1 && break
        sleep $((try * 5))
    done
    if chroot_apt "$new" install -y -qq --no-install-recommends "${ZM_CHROOT_PACKAGES[@]}" wine32:i386 \
        >>"$new.log" 2>&1 ||
        chroot_apt "$new" install -y -qq --no-install-recommends "${ZM_CHROOT_PACKAGES[@]}" >>"$new.log" 2>&1; then
        printf 'de_DE.UTF-8 UTF-8\nen_US.UTF-8 UTF-8\n' >"$new/etc/locale.gen"
        chroot "$new" locale-gen >>"$new.log" 2>&1 || ok=0
        chroot_apt "$new" clean >>"$new.log" 2>&1 || true
    else
        ok=0
    fi
    chroot_unmount "$new" || ok=0
    if [ "$ok" != 1 ]; then
        tail -n 5 "$new.log" >&2
        chroot_say "installing Wine in the chroot failed (log: $new.log)"
        return 1
    fi
    chroot_remove "$dir" || return 1
    mv "$new" "$dir"
    mv "$new.log" "$dir.log"
    date -u +%FT%TZ >"$dir/.zielmark-built"
}

chroot_ready() {
    local dir="$1"
    if [ "$(id -u)" -ne 0 ]; then
        chroot_say "skipped: chroot and mount need root"
        return 1
    fi
    if ! command -v debootstrap >/dev/null; then
        chroot_say "skipped: debootstrap is not installed"
        return 1
    fi
    # Left over from a run that was killed: nothing of it may stay mounted.
    chroot_unmount "$dir" || return 1
    if [ -f "$dir/.zielmark-built" ] &&
        [ -z "$(find "$dir/.zielmark-built" -mtime +$((ZM_CHROOT_MAX_DAYS - 1)) 2>/dev/null)" ]; then
        chroot_say "reusing $dir (built $(cat "$dir/.zielmark-built"))"
    else
        chroot_build "$dir" || return 1
    fi
    chroot "$dir" /bin/true 2>/dev/null || { chroot_say "skipped: chroot refused"; return 1; }
}

# What the Wine suite needs inside: /proc, /dev, the X server's socket and the build folder at the
# same path (the test programs carry paths into it).
chroot_mount() {
    local dir="$1" build="$2"
    mkdir -p "$dir/tmp/.X11-unix" "$dir$build"
    if mount -t proc proc "$dir/proc" &&
        mount --rbind /dev "$dir/dev" && mount --make-rslave "$dir/dev" &&
        mount --bind /tmp/.X11-unix "$dir/tmp/.X11-unix" &&
        mount --bind "$build" "$dir$build"; then
        return 0
    fi
    chroot_unmount "$dir"
    chroot_say "skipped: mount refused"
    return 1
}

case "${1:-}" in
    prepare)
        # Stopped half-way, the chroot being built must not stay mounted.
        trap 'chroot_unmount "$2.new" >/dev/null 2>&1' EXIT
        trap 'exit 143' TERM INT
        chroot_ready "$2" ;;
    mount) chroot_mount "$2" "$3" ;;
    unmount) chroot_unmount "$2" ;;
    remove) chroot_remove "$2" && rm -f "$2.log" ;;
    *) echo "usage: wine-chroot.sh prepare|mount|unmount|remove DIR [BUILD]" >&2; exit 2 ;;
esac
