#!/bin/sh
# Races the rename routine against another program that creates the new name at the same moment,
# on real mounts of small disk images, and prints how many files were overwritten on each:
#   ext4        the kernel's no-replace flag;
#   ntfs-3g     FUSE without the flag, with hard links: link, then unlink (expected 0);
#   exfat-fuse  FUSE without the flag and without hard links: look, then rename (the one gap
#               left; not 0).
# Needs root, loop devices and FUSE, and the Debian packages ntfs-3g, exfat-fuse, exfatprogs.
# Usage: bash bench/rename-race.sh [RUNS]
set -eu

runs=${1:-500}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$source_dir/build-bench"
cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --target rename_race --parallel 2 >/dev/null

work=$(mktemp -d)
loop=""
cleanup() {
    for folder in "$work"/mnt-*; do
        umount "$folder" 2>/dev/null || true
    done
    [ -z "$loop" ] || losetup -d "$loop" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

race() {
    printf '%-11s ' "$1:"
    "$build_dir/bench/rename_race" "$work/mnt-$1" "$runs" || true
}

image() {
    truncate -s 64M "$work/$1.img"
    mkdir "$work/mnt-$1"
}

image ext4
mkfs.ext4 -q "$work/ext4.img"
mount -o loop "$work/ext4.img" "$work/mnt-ext4"
race ext4

image ntfs-3g
mkntfs -F -q -f "$work/ntfs-3g.img" >/dev/null 2>&1
ntfs-3g "$work/ntfs-3g.img" "$work/mnt-ntfs-3g"
race ntfs-3g

image exfat-fuse
mkfs.exfat "$work/exfat-fuse.img" >/dev/null
loop=$(losetup --find --show "$work/exfat-fuse.img")
mount.exfat-fuse "$loop" "$work/mnt-exfat-fuse" 2>/dev/null
race exfat-fuse
