#!/usr/bin/env bash
# Installs the Debian packages that are missing, and only those.
#   scripts/install-deps.sh        what building and running Vaporin needs
#   scripts/install-deps.sh test   that, and what the tests, the benchmarks and packaging need
set -euo pipefail

packages=(
  g++ cmake make nlohmann-json3-dev
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n librsvg2-bin
  fonts-dejavu-core fonts-liberation2 fonts-wqy-microhei
)
if [ "${1:-}" = "test" ]; then
  packages+=(
    clang libgtest-dev libgmock-dev libbenchmark-dev
    desktop-file-utils appstream dpkg-dev file libx11-dev xvfb xdotool
    dbus-daemon at-spi2-core python3-pyatspi
  )
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
asRoot=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "These packages are missing and installing them needs root. As root, run:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  asRoot=(sudo)
fi
"${asRoot[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${asRoot[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
