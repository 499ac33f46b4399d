#!/usr/bin/env bash
# Checks that each DLL is PE32 for i386, exports undecorated names, and
# imports only Windows system DLLs.
set -euo pipefail
system_dlls='^(kernel32|user32|gdi32|advapi32|msvcrt|ntdll|shell32|ole32|comctl32|api-ms-win-.*)\.dll$'
status=0
for dll in "$@"; do
  dump=$(i686-w64-mingw32-objdump -p "$dll")
  grep -q 'file format pei-i386' <<<"$(i686-w64-mingw32-objdump -f "$dll")" || { echo "$dll: not PE32 i386"; status=1; }
  exports=$(awk '/\[Ordinal\/Name Pointer\] Table/{on=1; next} on && /^\t\[/{print $NF} on && /^$/{on=0}' <<<"$dump")
  [ -n "$exports" ] || { echo "$dll: no exports"; status=1; }
  for name in $exports; do
    case "$name" in *@*|_*) echo "$dll: decorated export $name"; status=1 ;; esac
  done
  imports=$(awk '/DLL Name:/{print tolower($3)}' <<<"$dump")
  for name in $imports; do
    grep -Eq "$system_dlls" <<<"$name" || { echo "$dll: imports non-system $name"; status=1; }
  done
  echo "$dll: exports $(echo $exports) ; imports $(echo $imports)"
done
# The plug-in carries a version resource, shown under file properties.
plugin="$1"
version_strings=$(strings -e l "$plugin")
for expected in ProductName Kalvorium FileVersion 1.1.0.0 FileDescription; do
  grep -qx -- "$expected" <<<"$version_strings" || { echo "$plugin: version resource lacks $expected"; status=1; }
done
exit $status
