#!/usr/bin/env bash
# Runs the rename routine's disk tests and the rename race under the kernel's own drivers for the
# disks photos live on: vfat (default options, utf8, iocharset=utf8), exfat, ntfs3 and ext4 with
# case folding, in a virtual machine that boots Debian's 6.12 kernel (tests/vm/fetch-kernel.sh).
# Each test says where a disk cannot hold what it prepares; any failing row, overwritten or lost
# file fails the whole.
# Usage: bash tests/vm/disk-tests.sh BUILD_FOLDER   (exits 77 when the kernel or QEMU is missing)
set -euo pipefail

build=$(cd "$1" && pwd)
source "$(dirname "$0")/boot.sh"
if [ ! -f "$vm_kernel/vmlinuz" ] || ! command -v qemu-system-x86_64 >/dev/null; then
    echo "No test kernel in $vm_kernel or no QEMU: run bash scripts/install-dependencies.sh --tests." >&2
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
started=$(date +%s)
vm_initramfs "$work/initramfs.gz"
for disk in vfat exfat ntfs casefold; do
    truncate -s 64M "$work/$disk.img"
done
mkfs.vfat "$work/vfat.img" >/dev/null
mkfs.exfat "$work/exfat.img" >/dev/null
mkntfs -F -q -f "$work/ntfs.img" >/dev/null 2>&1
mkfs.ext4 -q -O casefold -E encoding=utf8 "$work/casefold.img"

# Inside: one line per mount and check in "results", the output of each beside it.
cat >"$work/job.sh" <<JOB
out=$work
check() { # name device type options case-blind
    folder=/run/disks/\$1
    mkdir -p "\$folder"
    if ! mount -t "\$3" -o "\$4" "\$2" "\$folder"; then
        echo "\$1 mount 1" >>"\$out/results"
        return
    fi
    if [ "\$1" = casefold-ext4 ]; then
        mkdir "\$folder/folded" && chattr +F "\$folder/folded" && folder=\$folder/folded
    fi
    TMPDIR=\$folder DISK_TEST_CASE_BLIND=\$5 QT_QPA_PLATFORM=offscreen $build/tests/tst_localfilesystem rename playTellsCaseAsRun >"\$out/\$1.test" 2>&1
    echo "\$1 test \$?" >>"\$out/results"
    mkdir "\$folder/race-\$1"
    $build/bench/rename_race "\$folder/race-\$1" 300 >"\$out/\$1.race" 2>&1
    echo "\$1 race \$?" >>"\$out/results"
    umount "\$folder" 2>/dev/null || umount /run/disks/\$1
}
check vfat /dev/vda vfat defaults 1
check vfat-utf8 /dev/vda vfat utf8 1
check vfat-iocharset-utf8 /dev/vda vfat iocharset=utf8 1
check exfat /dev/vdb exfat defaults 1
check ntfs3 /dev/vdc ntfs3 defaults 0
check casefold-ext4 /dev/vdd ext4 defaults 1
echo done >>"\$out/results"
JOB

vm_boot "$work/initramfs.gz" "$work/job.sh" "$work/console.log" \
    "$work/vfat.img" "$work/exfat.img" "$work/ntfs.img" "$work/casefold.img"

failed=0
while read -r mount check status; do
    [ "$mount" = done ] && continue
    case $check in
    test) summary=$(awk '/^(Totals|SKIP)/ { print } /^FAIL/ { failing = 4 } failing-- > 0' "$work/$mount.test") ;;
    race) summary=$(cat "$work/$mount.race") ;;
    *) summary="could not be mounted" ;;
    esac
    printf '%-20s %-5s %s\n%s\n' "$mount" "$check" "$([ "$status" = 0 ] && echo passed || echo FAILED)" "$summary"
    [ "$status" = 0 ] || failed=1
done <"$work/results"
if ! grep -q '^done' "$work/results" 2>/dev/null; then
    echo "The virtual machine stopped before the end:" && tail -30 "$work/console.log"
    failed=1
fi
echo "Disk tests took $(($(date +%s) - started)) s."
exit $failed
