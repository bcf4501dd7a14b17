#!/bin/bash
# Runs the Windows tests of a build folder under Wine: one session (prefix, display, persistent
# server) for the whole run, stopped again whatever happens.
set -u
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../tools/wine-session.sh" start "$build" || exit 1
trap '"$here/../../tools/wine-session.sh" stop "$build"' EXIT
if [ -z "${DISPLAY:-}" ] && [ -f "$build/wine-display" ]; then
  DISPLAY=$(cat "$build/wine-display")
  export DISPLAY
fi
cd "$build" && ctest --output-on-failure --timeout 300 "${@:2}"
