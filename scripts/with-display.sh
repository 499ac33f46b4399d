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

# Ends the Wine processes of this prefix. Under emulation a client can
# outlive a wineserver that went away, waiting forever; those are found as
# Wine processes whose environment names this prefix.
stop_wine() {
  wineserver -k 2>/dev/null || true
  local dir pid
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    [ "$pid" = "$$" ] && continue
    { tr '\0' ' ' <"$dir/cmdline"; } 2>/dev/null | grep -q 'wine' || continue
    { tr '\0' '\n' <"$dir/environ"; } 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" || continue
    kill -9 "$pid" 2>/dev/null || true
  done
}

cleanup() {
  stop_wine
  [ -n "$started_x" ] && kill "$started_x" 2>/dev/null || true
}
trap cleanup EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX (once)..." >&2
  wineboot -i >/dev/null 2>&1 || true
fi
# One wineserver for the whole command, and Wine's own services started now,
# with no output: started later by a test, they would inherit its output
# pipe and outlive it, and whoever reads that pipe (ctest) would wait for them
# forever. Under emulation Wine's start now and then stalls; it is restarted.
start_wine() {
  wineserver -p 2>/dev/null || true
  timeout 180 wine cmd.exe /c exit </dev/null >/dev/null 2>&1
}
if ! start_wine; then
  echo "Wine did not start in time; restarting it once." >&2
  stop_wine
  start_wine || { echo "Wine does not start." >&2; exit 1; }
fi
"$@"
