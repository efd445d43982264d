#!/usr/bin/env bash
# The shipped 32-bit build on a machine that refuses 32-bit code: the second Wine's Debian 13 tree
# (see wine-chroot.sh) booted as a virtual machine under qemu's software emulation, where a kernel
# of its own runs 32-bit programs. Emulated, everything takes some twenty times as long, so
# `make test32` uses it, not every `make test`.
#   wine-vm.sh prepare CHROOT VMDIR     a kernel in CHROOT, and VMDIR/disk.img made from CHROOT
#   wine-vm.sh run VMDIR SHARE JOB      boots with SHARE at the same path, runs the script JOB
#                                       (below SHARE) as root inside, ends with JOB's exit code
set -uo pipefail
ZM_VM_KERNEL_PACKAGES=(linux-image-amd64 initramfs-tools kmod)
ZM_VM_MINUTES="${ZM_VM_MINUTES:-120}"

vm_say() { echo "wine-vm: $*" >&2; }

# PID 1 of the test machine: mounts, the share at its host path, the job, power off.
vm_init() {
    cat <<'EOF'
#!/bin/bash
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
mount -t proc proc /proc; mount -t sysfs sys /sys; mount -t devtmpfs dev /dev 2>/dev/null
mkdir -p /dev/pts /dev/shm; mount -t devpts devpts /dev/pts; mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /tmp; mount -t tmpfs tmpfs /run; mount -o remount,rw /
for arg in $(cat /proc/cmdline); do
    case "$arg" in zm.share=*) share="${arg#zm.share=}" ;; zm.job=*) job="${arg#zm.job=}" ;; esac
done
hostname zielmark-vm
modprobe 9pnet_virtio && modprobe 9p && mkdir -p "$share" &&
    mount -t 9p -o trans=virtio,version=9p2000.L,msize=1048576,cache=loose zmshare "$share" &&
    (cd "$share" && bash "$job"; echo "zm-vm: job exit $?")
sync
echo o >/proc/sysrq-trigger
sleep 60
EOF
}

vm_chroot_mount() { mount -t proc proc "$1/proc" && mount --rbind /dev "$1/dev" && mount --make-rslave "$1/dev"; }
vm_chroot_unmount() { umount -R "$1/dev" 2>/dev/null; umount "$1/proc" 2>/dev/null; true; }

vm_prepare() {
    local tree="$1" dir="$2"
    if [ "$(id -u)" -ne 0 ]; then vm_say "skipped: installing the kernel needs root"; return 1; fi
    command -v qemu-system-x86_64 >/dev/null || { vm_say "skipped: qemu-system-x86 is not installed"; return 1; }
    [ -f "$tree/.zielmark-built" ] || { vm_say "no Debian 13 tree in $tree (wine-chroot.sh prepare)"; return 1; }
    if ! ls "$tree"/boot/vmlinuz-* >/dev/null 2>&1; then
        vm_say "installing a kernel into $tree"
        vm_chroot_mount "$tree" || { vm_chroot_unmount "$tree"; vm_say "mount refused"; return 1; }
        chroot "$tree" env DEBIAN_FRONTEND=noninteractive LC_ALL=C apt-get install -y -qq \
            --no-install-recommends "${ZM_VM_KERNEL_PACKAGES[@]}" >"$dir.kernel.log" 2>&1
        local installed=$?
        chroot "$tree" env LC_ALL=C apt-get clean >/dev/null 2>&1
        vm_chroot_unmount "$tree"
        [ "$installed" -eq 0 ] || { tail -n 5 "$dir.kernel.log" >&2; vm_say "kernel install failed"; return 1; }
    fi
    mkdir -p "$dir"
    vm_init >"$dir/zm-init.new"
    # The disk is the tree as it is, with the prefix the machine keeps inside; remade when the
    # tree or the start script changed.
    if [ -f "$dir/disk.img" ] && [ "$dir/disk.img" -nt "$tree/.zielmark-built" ] &&
        cmp -s "$dir/zm-init.new" "$dir/zm-init"; then
        rm "$dir/zm-init.new"
        vm_say "reusing $dir/disk.img"
        return 0
    fi
    mv "$dir/zm-init.new" "$dir/zm-init"
    if [ -n "$(awk -v d="$(realpath "$tree")" 'index($2, d "/") == 1' /proc/self/mounts)" ]; then
        vm_say "$tree is mounted: not copying it"; return 1
    fi
    install -m 755 "$dir/zm-init" "$tree/zm-init"
    vm_say "making $dir/disk.img from $tree"
    rm -f "$dir/disk.img"
    mkfs.ext4 -q -L zmroot -d "$tree" "$dir/disk.img" 8G || { rm -f "$dir/disk.img"; vm_say "mkfs failed"; return 1; }
    cp "$(ls "$tree"/boot/vmlinuz-* | tail -n 1)" "$dir/vmlinuz"
    cp "$(ls "$tree"/boot/initrd.img-* | tail -n 1)" "$dir/initrd.img"
}

vm_run() {
    local dir="$1" share="$2" job="$3" console="$1/console.log"
    share="$(realpath "$share")"
    [ -f "$dir/disk.img" ] || { vm_say "no disk in $dir (wine-vm.sh prepare)"; return 1; }
    # smap=off: qemu 7.2's emulated iret from 32-bit user code faults as a supervisor access with SMAP.
    timeout -k 10 "$((ZM_VM_MINUTES * 60))" qemu-system-x86_64 -accel tcg,thread=multi -smp "$(nproc)" \
        -m 6144 -cpu max,la57=off,smap=off -nographic -no-reboot \
        -kernel "$dir/vmlinuz" -initrd "$dir/initrd.img" \
        -append "root=LABEL=zmroot rw console=ttyS0 quiet panic=-1 init=/zm-init zm.share=$share zm.job=$job" \
        -drive "file=$dir/disk.img,if=virtio,format=raw" \
        -virtfs "local,path=$share,mount_tag=zmshare,security_model=passthrough,id=zmshare" \
        >"$console" 2>&1
    local qemu=$? code
    code="$(sed -n 's/.*zm-vm: job exit \([0-9]*\).*/\1/p' "$console" | tail -n 1)"
    if [ -z "$code" ]; then
        tail -n 20 "$console" >&2
        vm_say "the machine ended (qemu $qemu) without the job's exit code; console: $console"
        return 1
    fi
    return "$code"
}

case "${1:-}" in
    prepare) vm_prepare "$2" "$3" ;;
    run) vm_run "$2" "$3" "$4" ;;
    *) echo "usage: wine-vm.sh prepare CHROOT VMDIR | run VMDIR SHARE JOB" >&2; exit 2 ;;
esac
