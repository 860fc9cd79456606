#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# install_packages NAME PACKAGE...: installs the Debian packages that are missing, with
# --no-install-recommends, and nothing when all are there. Sourced by the install scripts.

install_packages() {
  local name=$1
  shift
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    echo "$name: every package is already installed."
    return 0
  fi
  echo "$name: installing ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}
