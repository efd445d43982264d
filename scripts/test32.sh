#!/usr/bin/env bash
# The shipped 32-bit build under test where this machine cannot execute 32-bit code itself: the
# Debian 13 tree of the second Wine booted under qemu's emulation (wine-vm.sh), every Wine test
# run there on build/win32. Slow (an hour or more); `make test` stays on what the machine runs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build"
chroot_dir="${ZIELMARK_CHROOT:-$root/.cache/wine-trixie}"
vm_dir="${ZIELMARK_VM:-$root/.cache/wine-vm32}"

bash "$root/scripts/setup.sh"
if ! command -v qemu-system-x86_64 >/dev/null; then
    echo "test32: installing qemu-system-x86"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qemu-system-x86 >/dev/null
fi
echo "== the shipped 32-bit build =="
case " ${ZM_VM_TESTS:-} " in
    *" bench "*) bench=ON ;;
    *) bench=OFF ;;
esac
bash "$root/scripts/build-win32.sh" win32 -DZIELMARK_BENCH="$bench"
echo "== the test machine: Debian 13 booted under emulation =="
bash "$root/scripts/wine-chroot.sh" prepare "$chroot_dir"
bash "$root/scripts/wine-vm.sh" prepare "$chroot_dir" "$vm_dir"
echo "== every Wine test on build/win32 inside it (logs: $build/vm32) =="
# The machine starts with an environment of its own: what this run was asked for goes along.
mkdir -p "$build/vm32"
declare -p ZM_VM_TESTS ZIELMARK_TEST_PATIENCE 2>/dev/null | sed 's/^declare -x/export/' >"$build/vm32/settings" || true
started=$(date +%s)
status=0
bash "$root/scripts/wine-vm.sh" run "$vm_dir" "$root" scripts/test32-vm.sh || status=$?
tr -d '\r' <"$vm_dir/console.log" | grep -a -o 'test32: .*\|\[  FAILED  \] [A-Za-z].*' || true
echo "test32: the machine ran $(($(date +%s) - started)) s and ended with $status"
exit "$status"
