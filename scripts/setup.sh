#!/usr/bin/env bash
# Installs what building, testing and the demonstration need, on Debian, as
# root. Safe to run again: it only installs what is missing.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive

packages=(
  cmake make g++ clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-i686-posix binutils-mingw-w64-i686
  wine wine32:i386 wine32-preloader:i386 wine64
  xvfb x11-utils xdotool imagemagick openbox locales zip unzip
  qemu-user-static binfmt-support
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_updated=""
fi
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The languages that the Wine tests run under.
wanted_locales=(en_US de_DE ja_JP ko_KR)
regenerate=""
for l in "${wanted_locales[@]}"; do
  if ! locale -a 2>/dev/null | grep -qi "^$l.utf-\?8$"; then
    sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" >> /etc/locale.gen
    regenerate=1
  fi
done
[ -z "$regenerate" ] || locale-gen >/dev/null

# 32-bit Wine needs to run i386 Linux programs. Kernels started without
# 32-bit support refuse them ("Exec format error"); there, qemu-i386 runs
# them through binfmt_misc.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  binfmt=/proc/sys/fs/binfmt_misc
  [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
  if [ ! -e "$binfmt/qemu-i386" ]; then
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      > "$binfmt/register"
  fi
  /usr/lib/wine/wine --version >/dev/null 2>&1 || { echo "32-bit Wine cannot run here" >&2; exit 1; }
  echo "Note: 32-bit Wine runs under qemu-i386 emulation on this kernel." >&2
fi
