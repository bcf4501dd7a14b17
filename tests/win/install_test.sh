#!/bin/bash
# The 64-bit installer under Wine, as a user runs it:
#   install_test.sh BUILD_DIR MSI DIST_MODULE_FOLDER
# it installs silently into a folder of the user's choice with only the English language, the
# installed development host runs a call session against the installed library from that folder,
# and the uninstall removes every installed file while the user's phone book, call log and
# settings stay byte for byte.
set -u
build=$(cd "$1" && pwd)
msi=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
dist=$(cd "$3" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
prefix=$build/wineprefix
target_windows='C:\Dialer\Pellora'
target=$prefix/drive_c/Dialer/Pellora
user_folder="$prefix/drive_c/users/$(id -un)/AppData/Local/Corvane Software/Pellora"
runs=$build/install-test
msi_windows="Z:${msi//\//\\}"

fail() { echo "install_test: $*" >&2; exit 1; }
run() { "$build/wine-run.sh" "$@" >>"$runs/wine.log" 2>&1; }

"$here/../../tools/wine-session.sh" start "$build" || exit 1
trap '"$here/../../tools/wine-session.sh" stop "$build"' EXIT
rm -rf "$runs"
mkdir -p "$runs"
# An earlier run that stopped half-way left the product installed.
[ -d "$target" ] && run msiexec /x "$msi_windows" /qn

run msiexec /i "$msi_windows" /qn "INSTALLDIR=$target_windows" ADDLOCAL=Core,Language_ENU || fail "the install failed"
# English is the only language chosen: every other language folder stays out.
skip=()
for module in "$dist"/*/mohrc.dll; do
  language=$(basename "$(dirname "$module")")
  [ "$language" = ENU ] || skip+=(! -path "./$language/*")
done
(cd "$dist" && find . -type f "${skip[@]}" | sort) > "$runs/expected-files"
(cd "$target" && find . -type f | sort) | diff -u "$runs/expected-files" - || fail "the installed files differ"

(cd "$target" && run "$target_windows\\mohhost.exe" --scenario 'scenarios\accept_and_resume.txt' --speed 0 \
   --log "Z:${runs//\//\\}\\host.log") || fail "the installed library failed its call session (see $runs)"

# The user's own files, which the uninstall must leave alone.
printf 'Ann Smith\t0123456\r\nBob\t0987\r\n' > "$user_folder/callerid.fic"
printf 'Ann Smith\t0123456\t06/12/2026\t10:00\t2\r\n' > "$user_folder/incoming.log"
printf '[MOH]\r\nLanguage=1031\r\nAcceptAll=1\r\n' > "$user_folder/pellora.ini"
(cd "$user_folder" && sha256sum callerid.fic incoming.log pellora.ini) > "$runs/user-files.sha256"

run msiexec /x "$msi_windows" /qn || fail "the uninstall failed"
while read -r file; do
  [ -e "$target/$file" ] && fail "the uninstall left $file"
done < "$runs/expected-files"
(cd "$user_folder" && sha256sum --quiet -c "$runs/user-files.sha256") || fail "the uninstall changed the user's files"
echo "install_test: installed, ran and uninstalled; the user's files are unchanged"
