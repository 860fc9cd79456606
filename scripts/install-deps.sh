#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Pulsadrome needs to build, run and test, from Debian 12's packages.
# Idempotent: packages already present are skipped, and nothing is fetched when all are there.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build make pkg-config git
  # screens, pictures, player database
  qt6-base-dev qt6-svg-dev qt6-image-formats-plugins libqt6svg6 libqt6sql6-sqlite libgl-dev
  libx11-dev
  # sound and game-pads
  libfluidsynth-dev fluid-soundfont-gm timgm6mb-soundfont libsdl2-dev
  # passwords
  libsodium-dev
  # fonts
  fonts-sil-andika fonts-noto-color-emoji
  # tests and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev clang-format
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: every package is already installed."
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
