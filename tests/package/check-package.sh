#!/usr/bin/env bash
# Builds the Debian package from a clean copy of the tree (the files git tracks), holds it to
# lintian with every error and warning failing, and checks that it holds what a desktop needs
# (the program, its desktop entry, metainfo, icons, both manual pages, the copyright file) and
# nothing under /usr/local.
set -euo pipefail
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/atnevezes"
(cd "$source" && git ls-files -z | xargs -0 tar -cf -) | tar -xf - -C "$work/atnevezes"
if ! (cd "$work/atnevezes" && dpkg-buildpackage -b -us -uc >"$work/build.log" 2>&1); then
    tail -n 40 "$work/build.log"
    exit 1
fi

lintian --fail-on error,warning --info "$work"/atnevezes_*.changes

id=hu.calvenor.Atnevezes
expected=(usr/bin/atnevezes usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
          usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/atnevezes.1.gz
          usr/share/man/hu/man1/atnevezes.1.gz usr/share/doc/atnevezes/copyright)
for size in 16 32 48 64 128 256; do
    expected+=(usr/share/icons/hicolor/${size}x${size}/apps/$id.png)
done
contents=$(dpkg-deb -c "$work"/atnevezes_*_*.deb | awk '{print $6}')
for file in "${expected[@]}"; do
    grep -qx "./$file" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done
if grep -q '^\./usr/local' <<<"$contents"; then
    echo "the package installs under /usr/local"
    exit 1
fi
echo "package: $(basename "$work"/atnevezes_*_*.deb), $(stat -c %s "$work"/atnevezes_*_*.deb) bytes, lintian clean"
