#!/usr/bin/env bash
# Installs the Debian packages needed to build, generate the content and test.
# Idempotent: quiet and quick when everything is already there. --bench adds what only the
# window bench needs.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev
  libpng-dev libjpeg-dev zlib1g-dev
  libcairo2-dev libfreetype-dev fonts-dejavu-core
  libvorbis-dev libogg-dev
  libgtest-dev
  xvfb xauth
  libx11-dev libxtst-dev libxext-dev libxrender-dev
)
# The window bench (scripts/bench-window.sh) also wants a small window manager.
if [ "${1:-}" = "--bench" ]; then
  PACKAGES+=(openbox)
fi
# Content generators may need a few more; they list them here.
if [ -f "$(dirname "$0")/content-packages.txt" ]; then
  while read -r p; do
    [ -n "$p" ] && [ "${p#\#}" = "$p" ] && PACKAGES+=("$p")
  done < "$(dirname "$0")/content-packages.txt"
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
