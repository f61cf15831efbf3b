#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Idempotent: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build pkg-config clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev libqt6sql6-sqlite qt6-multimedia-dev libqt6multimedia6 qt6-translations-l10n
  liberfa-dev
  fonts-ipafont fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xauth imagemagick poppler-utils
  cups cups-client printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
