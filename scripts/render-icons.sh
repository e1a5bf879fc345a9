#!/usr/bin/env bash
# Renders the program's icon at the sizes a desktop installs (needs rsvg-convert, Debian package
# librsvg2-bin). Run it after changing the icon and commit the pictures.
set -euo pipefail
cd "$(dirname "$0")/../src/resources"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" hu.calvenor.Atnevezes.svg -o "icons/$size.png"
done
