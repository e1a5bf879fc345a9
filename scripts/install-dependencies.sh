#!/usr/bin/env bash
# Installs the Debian packages the program needs to build and run, when missing; with --tests
# also what its tests need: the packaging tools, and QEMU, busybox, the disk formatting tools and
# the kernel that the disk tests boot in a virtual machine.
set -euo pipefail

packages=(cmake g++ make libicu-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation desktop-file-utils appstream)
if [ "${1:-}" = --tests ]; then
    packages+=(build-essential debhelper lintian
               qemu-system-x86 busybox-static kmod xz-utils dosfstools exfatprogs ntfs-3g e2fsprogs)
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "${1:-}" = --tests ]; then
    bash "$(dirname "$0")/../tests/vm/fetch-kernel.sh"
fi
