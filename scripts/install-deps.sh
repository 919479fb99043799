#!/usr/bin/env bash
# Installs everything Pixoram needs to build, run and test on Debian 12.
# Usage: scripts/install-deps.sh [--tests]
set -euo pipefail

runtime=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-image-formats-plugins libqt6printsupport6
  libtifiles-dev libticalcs-dev libticables-dev libticonv-dev libusb-1.0-0-dev libglib2.0-dev
  libwmf-dev libfreetype-dev
  fonts-dejavu-core fonts-liberation2
)
testing=(
  xvfb xauth x11-apps imagemagick poppler-utils xdotool
  cups printer-driver-cups-pdf
  clang libclang-rt-14-dev
  desktop-file-utils appstream lintian xdg-utils libfile-mimeinfo-perl shared-mime-info man-db
)

packages=("${runtime[@]}")
if [ "${1:-}" = "--tests" ]; then
  packages+=("${testing[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
