#!/usr/bin/env bash
# Fetches the newest Linux 6.12 kernel package of Debian 12 (it has the ntfs3 driver, which the
# default 6.1 kernel lacks) and unpacks it without installing it, for the disk tests that boot it
# in a virtual machine. Modules are listed in the order they must be loaded.
# Usage: bash tests/vm/fetch-kernel.sh [FOLDER]   (default /var/cache/atnevezes-vm)
set -euo pipefail

folder=${1:-/var/cache/atnevezes-vm}
[ -f "$folder/vmlinuz" ] && exit 0

newest() {
    apt-cache search --names-only '^linux-image-6\.12\.[0-9]+\+deb12-amd64-unsigned$' | cut -d' ' -f1 | sort -V | tail -1
}
package=$(newest)
[ -n "$package" ] || { apt-get update -qq && package=$(newest); }
if [ -z "$package" ]; then
    echo "No Linux 6.12 kernel package found." >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get download -q "$package" >/dev/null 2>&1)
dpkg-deb -x "$work"/*.deb "$work/unpacked"
version=$(ls "$work/unpacked/lib/modules")
depmod -b "$work/unpacked" "$version"

# virtio disks, the 9p share that brings the host's files, and the file systems under test.
modules=(virtio_blk 9pnet_virtio 9p vfat nls_ascii nls_utf8 nls_cp437 nls_iso8859-1 exfat ntfs3 ext4)
mkdir -p "$folder.new/modules"
for module in "${modules[@]}"; do
    modprobe -d "$work/unpacked" -S "$version" --show-depends "$module" | awk '$1 == "insmod" { print $2 }'
done | awk '!seen[$0]++' | while read -r path; do
    name=$(basename "$path" .xz)
    xz -dc "$path" >"$folder.new/modules/$name"
    echo "$name" >>"$folder.new/modules/order"
done
cp "$work/unpacked/boot/vmlinuz-$version" "$folder.new/vmlinuz"
echo "$version" >"$folder.new/version"
rm -rf "$folder"
mv "$folder.new" "$folder"
