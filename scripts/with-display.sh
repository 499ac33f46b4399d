#!/usr/bin/env bash
# Runs a command with an X display and a ready Wine prefix: starts a virtual
# X server when none is set, keeps one wineserver for the whole command (so
# each Wine start is quick), and stops what it started.
set -euo pipefail
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX="${WINEPREFIX:-$HOME/.kalvori-wine}"
export WINEARCH=win32

started_x=""
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display_number=$n; break; }
  done
  Xvfb ":$display_number" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
  started_x=$!
  export DISPLAY=":$display_number"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display_number" ] && break; sleep 0.1; done
fi

cleanup() {
  wineserver -k 2>/dev/null || true
  [ -n "$started_x" ] && kill "$started_x" 2>/dev/null || true
}
trap cleanup EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX (once)..." >&2
  wineboot -i >/dev/null 2>&1 || true
fi
wineserver -p 2>/dev/null || true  # persistent until cleanup
# Start Wine's own services now, with no output: started later by a test,
# they would inherit its output pipe and outlive it, and whoever reads that
# pipe (ctest) would wait for them forever.
wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
"$@"
