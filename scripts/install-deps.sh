#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# Runs apt-get update once, and only when something has to be installed.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev fonts-liberation2
  libjpeg-dev libpng-dev libcairo2-dev libfontconfig-dev
  libogg-dev libvorbis-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
