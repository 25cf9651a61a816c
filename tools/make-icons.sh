#!/usr/bin/env bash
# Renders the program's icon at the fixed sizes of the hicolor theme from its
# scalable drawing. The PNG files are committed; run this after changing the SVG.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
icons=$(cd "$(dirname "$0")/../packaging/icons/hicolor" && pwd)
name=org.terralore.Terralore
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$icons/scalable/apps/$name.svg" -o "$icons/${size}x${size}/apps/$name.png"
done
echo "icons written under $icons"
