#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and benchmarking need.
# Does nothing when they are all present, so every script can call it first.
set -euo pipefail

packages=(
  cmake g++ make ninja-build libgtest-dev   # the build and the unit tests
  qt6-base-dev qt6-base-dev-tools libgl-dev   # the window
  fonts-wqy-microhei                  # Chinese glyphs in the window and its screenshots
  unicode-data                        # Unihan files the rhyme table is made from
  python3                             # runs the table generator
  xvfb xauth imagemagick              # the real-window check and its screenshot
  desktop-file-utils dpkg-dev file    # checks of the desktop entry and the package
  ripgrep time                        # peers and peak-memory figures for the benchmarks
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}" >&2
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
