#!/usr/bin/env bash
# The demonstration: Kalvori stamping a real third-party window.
# Builds what is needed, starts a virtual X server with a window manager when
# no display is set, starts Wine's notepad, runs our host with Kalvori.plg and
# docs/kalvori.ini, prints notepad's title as the X server sees it a few
# times, and saves a screenshot of the stamped title bar. Stops all it started.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${KALVORI_BUILD:-$root/build}"
out="$build/demo"
seconds="${KALVORI_DEMO_SECONDS:-12}"

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j "$(nproc)" --target Kalvori starter kalvori-host >/dev/null
mkdir -p "$out"

if [ -z "${DISPLAY:-}" ]; then
  exec "$root/scripts/with-display.sh" env KALVORI_DEMO_WM=1 bash "$0" "$@"
fi

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX="${WINEPREFIX:-$HOME/.kalvori-wine}" WINEARCH=win32

if [ -n "${KALVORI_DEMO_WM:-}" ]; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

echo "Starting notepad..."
wine notepad.exe >/dev/null 2>&1 &
pids+=($!)
notepad=""
for _ in $(seq 120); do
  notepad=$(xdotool search --name ' - Notepad$' 2>/dev/null | head -1 || true)
  [ -n "$notepad" ] && break
  sleep 0.5
done
[ -n "$notepad" ] || { echo "notepad did not appear" >&2; exit 1; }
xdotool windowactivate "$notepad" 2>/dev/null || true
echo "notepad's title before:   $(xprop -id "$notepad" WM_NAME | cut -d'"' -f2- | sed 's/"$//')"

echo "Starting the host with Kalvori.plg for ${seconds}s..."
(cd "$build/win/bin" && wine kalvori-host.exe run Kalvori.plg --config "$root/docs/kalvori.ini" \
   --seconds "$seconds" 2>/dev/null | tr -d '\r' | sed 's/^/  host: /') &
host=$!
pids+=($host)

sleep 4
for i in 1 2 3 4; do
  echo "notepad's title at $(date +%T): $(xprop -id "$notepad" WM_NAME | cut -d'"' -f2- | sed 's/"$//')"
  [ $i -eq 2 ] && import -window root "$out/kalvori-demo.png"
  sleep 1.5
done
wait "$host" || true
echo "notepad's title after:    $(xprop -id "$notepad" WM_NAME | cut -d'"' -f2- | sed 's/"$//')"
echo "Screenshot: $out/kalvori-demo.png"
