#!/bin/bash
# Inspects the two module folders of a dist folder.
set -eu
dist=$1
here=$(dirname "$0")
"$here/check-module-folder.sh" "$dist/win32" win32
"$here/check-module-folder.sh" "$dist/win64" win64
