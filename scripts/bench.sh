#!/usr/bin/env bash
# The performance figures, side by side in one run: Google Benchmark natively
# (formatting against strftime and std::put_time, the pass over 100 and
# 2,000 windows), then the Wine benchmark (real windows, writes per minute,
# DLL size and memory).
#   scripts/bench.sh [SECONDS_PER_FORMAT]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${KALVORI_BUILD:-$root/build}"
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build/bench" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/bench" -j "$(nproc)" --target kalvori_bench >/dev/null
"$build/bench/kalvori_bench" --benchmark_min_time=0.5
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j "$(nproc)" --target kalvori_wine_bench >/dev/null
cd "$build/win/bin"
"$root/scripts/with-display.sh" "$root/scripts/wine-run.sh" kalvori_wine_bench.exe "${1:-60}" 2>/dev/null | tr -d '\r'
