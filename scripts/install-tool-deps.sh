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

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-tool-deps: every package is already installed."
  exit 0
fi

echo "install-tool-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
