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
  libfluidsynth-dev fluid-soundfont-gm timgm6mb-soundfont libsdl2-dev libebur128-dev
  # passwords
  libsodium-dev
  # fonts
  fonts-sil-andika fonts-noto-color-emoji
  # tests and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev clang-format
  # the shared player database of a school: Qt's PostgreSQL driver, and the server the tests
  # start for themselves
  libqt6sql6-psql postgresql
  # libpq's headers: a refused connection's SQLSTATE, which Qt's driver does not pass on
  libpq-dev
  # the Progress report's pages rendered as pictures in the tour and the tests
  poppler-utils
  # fuzz targets: clang and its libFuzzer and sanitizer runtimes
  clang-14 libclang-rt-14-dev
)

. "$(dirname "$0")/install-packages.sh"
install_packages install-deps "${packages[@]}"
