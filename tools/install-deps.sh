#!/bin/bash
# Installs the Debian 12 packages the build and the tests need, only those that are missing.
# Never adds the i386 architecture: 32-bit code is built here, not run.
set -eu
packages=(cmake make file python3 g++ clang g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
          binutils-mingw-w64-x86-64 wine wine64 xvfb fp-utils googletest libclang-rt-14-dev imagemagick
          wixl msitools zip unzip)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
