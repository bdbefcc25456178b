#!/usr/bin/env bash
# Installs, with apt-get, whatever of the build and test tools this machine
# lacks. Safe to run again: packages already there are skipped.
set -euo pipefail

packages=(
  cmake g++ make python3 googletest libgtest-dev      # native core and its tests
  g++-mingw-w64-x86-64-posix                          # Tandrel.exe (mingw-w64, includes windres)
  wine wine64 fonts-wine                              # runs it (64-bit Wine only)
  xvfb x11-utils imagemagick                          # headless display and screenshots
  iproute2 util-linux                                 # private network namespaces (ip, unshare)
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
