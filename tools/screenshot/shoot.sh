#!/bin/bash
# Takes the documentation's picture of the status window: shot.exe runs under Wine on a display
# of its own, in a Wine prefix of its own (BUILD_DIR/shotprefix: the default settings at every
# run, and Wine's caption-button font), and the BMP it writes is converted to PNG.
#   tools/screenshot/shoot.sh BUILD_DIR [OUTPUT.png [STATE [LANGUAGE]]]   default: docs/status-window.png
#   tools/screenshot/shoot.sh BUILD_DIR --languages    docs/status-window-<folder>.png, one per language
# STATE and LANGUAGE are passed on to shot.exe (the modem-on-hold state whose status line is
# shown, and the language identifier chosen in the settings).
set -eu
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
wine=/usr/lib/wine/wine64
export WINEPREFIX="$build/shotprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
log="$build/shot.log"
: >"$log"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot -i </dev/null >"$log" 2>&1
  /usr/lib/wine/wineserver -w
  # Unmanaged windows: no window manager runs on the display.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >>"$log" 2>&1
  /usr/lib/wine/wineserver -w
fi
# Marlett draws the caption buttons; without it they show as the letters "0 1 r".
cp -n /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

# shoot OUTPUT.png [STATE [LANGUAGE]]
shoot() {
  local out=$1 bmp=status-window.bmp status=0
  # A first run of the library every time: it copies the default settings file again.
  rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/Corvane\ Software
  rm -f "$build/bin/$bmp"
  # Wine's helpers keep inherited streams open: write to a file, never into a pipe.
  (cd "$build/bin" && xvfb-run -a -s "-screen 0 1024x768x24" \
    sh -c "'$wine' shot.exe '$bmp' ${2:-} ${3:-}; status=\$?; /usr/lib/wine/wineserver -k; exit \$status" \
    </dev/null >>"$log" 2>&1) || status=$?
  if [ $status -ne 0 ] || [ ! -f "$build/bin/$bmp" ]; then
    cat "$log" >&2
    exit 1
  fi
  mkdir -p "$(dirname "$out")"
  convert "$build/bin/$bmp" -strip "$out"
  rm -f "$build/bin/$bmp"
  echo "$out"
}

if [ "${2:-}" = --languages ]; then
  # English last, so the module folder's working copies end up English again.
  for language in 1031:DEU 1036:FRA 1034:ESP 1040:ITA 1033:ENU; do
    shoot "$root/docs/status-window-${language#*:}.png" 3 "${language%:*}"
  done
else
  shoot "${2:-$root/docs/status-window.png}" "${3:-}" "${4:-}"
fi
