#!/bin/bash
# Inspects the two module folders: machine types, the library's exports, and resource modules
# that import nothing.
set -eu
dist=$1
fail() { echo "check-dist: $*" >&2; exit 1; }
check_folder() {
  local folder=$1 objdump=$2 format=$3
  for f in moh.dll moh.h mohrc.dll corvanectln.dll pellora.ini logon.bmp dbsview.exe mohhost.exe scenarios/accept_and_resume.txt ENU/mohrc.dll ENU/infopane.ini DEU/mohrc.dll DEU/infopane.ini \
           infopane.dll infopane.ini Pellora.CHM ENU/infopane.dll ENU/Pellora.CHM DEU/infopane.dll DEU/Pellora.CHM; do
    [ -f "$folder/$f" ] || fail "$folder/$f is missing"
  done
  file "$folder/moh.dll" | grep -Eq "$format" || fail "$folder/moh.dll is not $format"
  local exports
  exports=$($objdump -p "$folder/moh.dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p')
  for e in CreateMOH ConfigMOH AlertMOH; do
    echo "$exports" | grep -qw "$e" || fail "$folder/moh.dll does not export $e"
  done
  $objdump -p "$folder/infopane.dll" | grep -q '+base\[   1\]' || fail "$folder/infopane.dll does not export ordinal 1"
  for rc in "$folder"/mohrc.dll "$folder"/*/mohrc.dll; do
    $objdump -p "$rc" | grep -q 'DLL Name' && fail "$rc imports a library"
    $objdump -h "$rc" | grep -q '\.rsrc' || fail "$rc holds no resources"
  done
  echo "check-dist: $folder ok ($format)"
}
check_folder "$dist/win32" i686-w64-mingw32-objdump "PE32 executable \\(DLL\\).*Intel 80386"
check_folder "$dist/win64" x86_64-w64-mingw32-objdump "PE32\\+ executable \\(DLL\\).*x86-64"
