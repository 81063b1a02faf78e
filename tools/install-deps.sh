#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo course need
# (pulseaudio and its tools for the real-sound tests, sox and lame for the
# course's music, espeak-ng for the course's recordings, the synthetic voice
# and the language lab's speaker), only those that are missing (with sudo
# when not run as root).
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6opengl6-dev
  zlib1g-dev libjpeg-dev libglu1-mesa-dev libsodium-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core fonts-comic-neue
  xvfb
  pulseaudio pulseaudio-utils sox lame espeak-ng
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
