#!/bin/bash
# Inspects one module folder (a build's, an unpacked zip's or an installed MSI's):
#   check-module-folder.sh FOLDER win32|win64
# every file is there, every program and library has the architecture's machine type and reports
# the same version as moh.dll, the library exports its three entries and nothing else (the
# development host's build, mohdev.dll, adds the entry that lends it a clock), and the resource
# modules import nothing.
set -eu
folder=$1 arch=$2
case "$arch" in
  win32) objdump=i686-w64-mingw32-objdump format="PE32 executable .*Intel 80386" ;;
  win64) objdump=x86_64-w64-mingw32-objdump format="PE32\\+ executable .*x86-64" ;;
  *) echo "usage: $0 FOLDER win32|win64" >&2; exit 2 ;;
esac
fail() { echo "check-module-folder: $*" >&2; exit 1; }
# The text after a key of the version resource's string table (UTF-16 strings in the file).
version_value() { strings -el "$1" | grep -x -A1 "$2" | sed -n 2p; }

for f in moh.dll mohdev.dll moh.h mohrc.dll corvanectln.dll pellora.ini logon.bmp dbsview.exe mohhost.exe scenarios/accept_and_resume.txt \
         infopane.dll infopane.ini Pellora.CHM; do
  [ -f "$folder/$f" ] || fail "$folder/$f is missing"
done
for language in ENU DEU FRA ESP ITA; do
  for f in mohrc.dll infopane.ini infopane.dll Pellora.CHM; do
    [ -f "$folder/$language/$f" ] || fail "$folder/$language/$f is missing"
  done
done

version=$(version_value "$folder/moh.dll" FileVersion)
[ -n "$version" ] || fail "$folder/moh.dll has no version"
while IFS= read -r module; do
  file "$module" | grep -Eq "$format" || fail "$module is not $format"
  for key in FileVersion ProductVersion; do
    [ "$(version_value "$module" $key)" = "$version" ] || fail "$module: $key is not $version"
  done
  [ "$(version_value "$module" CompanyName)" = "Corvane Software" ] || fail "$module: no company name"
  [ "$(version_value "$module" OriginalFilename)" = "$(basename "$module")" ] || fail "$module: wrong original file name"
done < <(find "$folder" -iname '*.dll' -o -iname '*.exe')

export_names() {
  $objdump -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] //p' | sort | xargs
}
[ "$(export_names "$folder/moh.dll")" = "AlertMOH ConfigMOH CreateMOH" ] \
  || fail "$folder/moh.dll does not export exactly CreateMOH, ConfigMOH and AlertMOH"
[ "$(export_names "$folder/mohdev.dll")" = "AlertMOH ConfigMOH CreateMOH UseHostClock" ] \
  || fail "$folder/mohdev.dll does not export exactly CreateMOH, ConfigMOH, AlertMOH and UseHostClock"
$objdump -p "$folder/infopane.dll" | grep -q '+base\[   1\]' || fail "$folder/infopane.dll does not export ordinal 1"
for rc in "$folder"/mohrc.dll "$folder"/*/mohrc.dll; do
  $objdump -p "$rc" | grep -q 'DLL Name' && fail "$rc imports a library"
  $objdump -h "$rc" | grep -q '\.rsrc' || fail "$rc holds no resources"
done
echo "check-module-folder: $folder ok ($arch, version $version)"
