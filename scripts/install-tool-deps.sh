#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build-time tools that regenerate committed assets (tools/), from Debian 12's
# packages. The program itself never needs them: it uses the committed outputs.
#   lilypond  engraves the notation pictures (tools/engrave); without recommends, or it drags in
#             TeX Live.
#   sox       stores the rendered feedback sounds in their formats (tools/sounds) and remakes the
#             wave reader's test fixtures (tests/sound/data/make-fixtures.sh).
# Idempotent: packages already present are skipped, and nothing is fetched when all are there.
set -euo pipefail

packages=(
  lilypond
  sox
)

. "$(dirname "$0")/install-packages.sh"
install_packages install-tool-deps "${packages[@]}"
