#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop takes from it.
set -euo pipefail
build="$1"
prefix="$2"
id=org.vaporin.Vaporin
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/vaporin bin/vaporin-calc share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
  share/doc/vaporin/copyright share/man/man1/vaporin.1.gz share/man/man1/vaporin-calc.1.gz; do
  test -e "$prefix/$file" || { echo "not installed: $file"; exit 1; }
done
for size in 16 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  file "$icon" | grep -q "PNG image data, $size x $size" || { echo "no ${size} px icon"; exit 1; }
done
# The installed vaporin-calc finds its PNG plugin beside it.
"$prefix/bin/vaporin-calc" --chart "$prefix/chart.png" db=25 rh=50 >/dev/null
file "$prefix/chart.png" | grep -q "PNG image data, 1200 x 800" || { echo "no PNG chart"; exit 1; }
# No hints either: one main category.
hints=$(desktop-file-validate "$prefix/share/applications/$id.desktop")
[ -z "$hints" ] || { echo "$hints"; exit 1; }
for page in vaporin vaporin-calc; do
  zcat "$prefix/share/man/man1/$page.1.gz" | head -n 1 | grep -q '^\.TH' || { echo "bad manual $page"; exit 1; }
done
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
echo "installed files validate"
