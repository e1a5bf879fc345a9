#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that a desktop finds everything it needs:
# the program, its icon at every size, and a desktop entry and metainfo file that the
# freedesktop.org validators pass without an error or a warning.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=hu.calvenor.Atnevezes
expected=(bin/atnevezes share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/icons/hicolor/scalable/apps/$id.svg share/man/man1/atnevezes.1 share/man/hu/man1/atnevezes.1)
for size in 16 32 48 64 128 256; do
    expected+=(share/icons/hicolor/${size}x${size}/apps/$id.png)
done
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
[ -x "$prefix/bin/atnevezes" ] || { echo "not a program: bin/atnevezes"; exit 1; }

desktop=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1)
[ -z "$desktop" ] || { echo "$desktop"; exit 1; }
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml"
