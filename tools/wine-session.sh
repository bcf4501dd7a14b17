#!/bin/bash
# Sets up and tears down the Wine session that the Windows tests, the benchmarks and the demo run in:
#   wine-session.sh start BUILD_DIR   prefix in BUILD_DIR/wineprefix, a display, a persistent server
#   wine-session.sh stop BUILD_DIR    stops the server and the display this script started
set -u
action=$1
build=$(cd "$2" && pwd)
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
display_file="$build/wine-display"
xvfb_pid_file="$build/xvfb.pid"

start_display() {
  if [ -n "${DISPLAY:-}" ]; then
    rm -f "$display_file"
    return
  fi
  # A session already running for this build keeps its display.
  if [ -f "$xvfb_pid_file" ] && [ -f "$display_file" ] && kill -0 "$(cat "$xvfb_pid_file")" 2>/dev/null; then
    export DISPLAY=$(cat "$display_file")
    return
  fi
  for n in $(seq 91 130); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    echo $! > "$xvfb_pid_file"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    echo ":$n" > "$display_file"
    export DISPLAY=":$n"
    return
  done
  echo "no free X display number" >&2
  exit 1
}

# The marker is written last, so that a set-up cut short is done again by the next start.
create_prefix() {
  [ -f "$WINEPREFIX/session-ready" ] && return
  "$wine" wineboot -i </dev/null >"$build/wineboot.log" 2>&1
  "/usr/lib/wine/wineserver" -w
  # Without a window manager Wine waits for every closing managed window; unmanaged windows close at once.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >>"$build/wineboot.log" 2>&1
  # A crashing test program ends at once instead of waiting in the debugger.
  "$wine" reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f </dev/null >>"$build/wineboot.log" 2>&1
  "/usr/lib/wine/wineserver" -w
  touch "$WINEPREFIX/session-ready"
}

case "$action" in
  start)
    start_display
    create_prefix
    # An already running server for this prefix (an earlier run) serves as well.
    /usr/lib/wine/wineserver -p </dev/null >/dev/null 2>&1 || true
    ;;
  stop)
    /usr/lib/wine/wineserver -k </dev/null >/dev/null 2>&1
    if [ -f "$xvfb_pid_file" ]; then
      kill "$(cat "$xvfb_pid_file")" 2>/dev/null
      rm -f "$xvfb_pid_file" "$display_file"
    fi
    ;;
  *)
    echo "usage: $0 start|stop BUILD_DIR" >&2
    exit 2
    ;;
esac
