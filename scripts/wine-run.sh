#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly, in the project's prefix.
# The caller provides the X display (scripts/with-display.sh starts one).
set -euo pipefail
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEPREFIX="${WINEPREFIX:-$HOME/.kalvori-wine}"
export WINEARCH=win32
exec wine "$@"
