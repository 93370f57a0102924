#!/usr/bin/env bash
# Packs the build as a Debian package and checks its name, contents and computed dependencies.
set -euo pipefail
build="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out"
(cd "$out" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null)
deb=$(ls "$out"/vaporin_*_amd64.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -q libqt6widgets6 || { echo "no Qt dependency: $depends"; exit 1; }
echo "$depends" | grep -q qt6-qpa-plugins || { echo "no platform plugin: $depends"; exit 1; }
echo "$depends" | grep -q qt6-translations-l10n || { echo "no Qt translations: $depends"; exit 1; }
contents=$(dpkg-deb -c "$deb")
maintainer=$(dpkg-deb -f "$deb" Maintainer)
echo "$maintainer" | grep -Eq '^[^<]+ <[^@> ]+@[^> ]+>$' || { echo "no name and mail address: $maintainer"; exit 1; }
for file in ./usr/bin/vaporin ./usr/bin/vaporin-calc ./usr/lib/vaporin/vaporin-chart-png.so ./usr/share/applications/org.vaporin.Vaporin.desktop ./usr/share/man/man1/vaporin.1.gz ./usr/share/man/man1/vaporin-calc.1.gz; do
  echo "$contents" | grep -q " $file\$" || { echo "not packed: $file"; exit 1; }
done
echo "$(basename "$deb"): $depends"
