#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
set -euo pipefail

packages=(
  g++ cmake make
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins
  fonts-dejavu-core fonts-liberation2 fonts-wqy-microhei
)

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
  asRoot=(sudo)
fi
"${asRoot[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${asRoot[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
