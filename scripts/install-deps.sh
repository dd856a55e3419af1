#!/usr/bin/env bash
# Installs every package that building, running and testing Flumo needs on Debian 12.
# Idempotent: only packages that are missing are installed. Runs as root, or through sudo.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-qpa-plugins qt6-svg-dev
  libjpeg62-turbo-dev libgif-dev libsdl2-dev libxcb1-dev libespeak-ng-dev espeak-ng-data
  festival festival-czech festvox-czech-dita festvox-czech-krb
  fonts-dejavu-core fonts-noto-color-emoji fonts-symbola
  xvfb xauth xdotool imagemagick x11-utils python3
  desktop-file-utils appstream dpkg-dev file lintian
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
