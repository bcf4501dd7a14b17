#!/bin/bash
# Inspects a release folder against the dist folder it was made from: the checksums hold; each
# zip and each installer holds exactly its module folder, whose modules pass the module folder's
# checks; each installer is for its platform, installs under Program Files into
# "Corvane Software\Pellora" and offers every language folder as a feature of its own.
#   check-release.sh RELEASE_FOLDER DIST_FOLDER VERSION
set -eu
release=$(cd "$1" && pwd)
dist=$(cd "$2" && pwd)
version=$3
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-release: $*" >&2; exit 1; }
file_list() { (cd "$1" && find . -type f | sort); }

(cd "$release" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not verify"
for arch in win32 win64; do
  name=pellora-$version-$arch
  [ $arch = win64 ] && program_files=ProgramFiles64Folder platform=x64 || program_files=ProgramFilesFolder platform=Intel
  file_list "$dist/$arch" > "$work/expected"

  unzip -q "$release/$name.zip" -d "$work/zip-$arch"
  file_list "$work/zip-$arch" | diff -u "$work/expected" - || fail "$name.zip does not hold the module folder"
  "$here/check-module-folder.sh" "$work/zip-$arch" $arch >/dev/null || fail "$name.zip: a module fails its checks"

  mkdir -p "$work/msi-$arch"
  msiextract -C "$work/msi-$arch" "$release/$name.msi" >/dev/null
  installed=$(find "$work/msi-$arch" -type d -path "*/Corvane Software/Pellora")
  file_list "$installed" | diff -u "$work/expected" - || fail "$name.msi does not install the module folder"
  "$here/check-module-folder.sh" "$installed" $arch >/dev/null || fail "$name.msi: a module fails its checks"
  msiinfo suminfo "$release/$name.msi" | grep -qx "Template: $platform;1033" || fail "$name.msi is not for $platform"
  msiinfo export "$release/$name.msi" Directory | grep -q "^CompanyFolder	$program_files	Corvane Software" \
    || fail "$name.msi does not install under Program Files"
  for language in $(cd "$dist/$arch" && dirname */mohrc.dll); do
    msiinfo export "$release/$name.msi" Feature | grep -q "^Language_$language	Core	" \
      || fail "$name.msi offers no feature for $language"
  done
  echo "check-release: $name.zip and $name.msi ok"
done
