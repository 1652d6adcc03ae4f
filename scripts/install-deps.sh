#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

packages=(
  build-essential gfortran cmake pkg-config clang-format
  libx11-dev libxext-dev libxft-dev libfreetype-dev libfontconfig-dev
  fonts-liberation2 fonts-dejavu-core libpng-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  llvm-14 clang-14 libclang-rt-14-dev
  xvfb xdotool x11-utils xclip libxtst-dev openbox wmctrl
  doxygen python3 valgrind
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
