#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every notation picture (assets/notation/100.svg ... 660.svg) from the rhythm
# catalogue in one LilyPond run. Installs LilyPond first if it is missing.
# BUILD_DIR (default build-engrave) is the CMake build folder the engraver is built in.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${BUILD_DIR:-$root/build-engrave}"

bash "$root/scripts/install-tool-deps.sh"
cmake -S "$root" -B "$build" -G Ninja > /dev/null
cmake --build "$build" --target engrave
