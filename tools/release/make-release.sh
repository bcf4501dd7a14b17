#!/bin/bash
# Writes the release of the two module folders of a dist folder: for each architecture a zip of
# the module folder and an MSI installer, and SHA256SUMS over all of them.
#   make-release.sh DIST_FOLDER OUTPUT_FOLDER VERSION
set -eu
dist=$(cd "$1" && pwd)
version=$3
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$2"
mkdir -p "$2"
out=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for arch in win32 win64; do
  name=pellora-$version-$arch
  [ $arch = win64 ] && machine=x64 || machine=x86
  (cd "$dist/$arch" && zip -q -r -X "$out/$name.zip" .)
  python3 "$here/make_wxs.py" "$dist/$arch" $arch "$version" "$work/$name.wxs"
  (cd "$dist/$arch" && wixl -a $machine -o "$out/$name.msi" "$work/$name.wxs")
done
(cd "$out" && sha256sum -- *.zip *.msi > SHA256SUMS)
