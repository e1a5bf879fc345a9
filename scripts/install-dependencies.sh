#!/usr/bin/env bash
# Installs the Debian packages the program needs to build, run and be tested, when missing, and
# the kernel of the disk tests.
set -euo pipefail

packages=(cmake g++ make libicu-dev qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation desktop-file-utils appstream
          build-essential debhelper lintian
          qemu-system-x86 busybox-static kmod xz-utils dosfstools exfatprogs ntfs-3g e2fsprogs)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The kernel that the disk tests boot in a virtual machine, unpacked, not installed.
bash "$(dirname "$0")/../tests/vm/fetch-kernel.sh"
