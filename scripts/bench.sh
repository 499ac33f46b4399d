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
# Medians of five runs each: this kind of machine changes speed now and then.
native="$build/bench/kalvori_bench.txt"
"$build/bench/kalvori_bench" --benchmark_min_time=0.2 --benchmark_repetitions=5 \
  --benchmark_display_aggregates_only=true | tee "$native" | grep -vE '_(mean|stddev|cv) '
echo
echo "What each tick costs (compiled format) against strftime, medians:"
awk '$1 ~ /_median$/ {
  split($1, name, "/"); index_ = name[2]; sub(/_median/, "", index_)
  time[name[1], index_] = $4 * ($5 == "us" ? 1000 : $5 == "ms" ? 1000000 : 1)  # CPU time
  if (name[1] == "CompiledClockFormat") {  # after the allocation counter: the format
    text = $8; for (f = 9; f <= NF; ++f) text = text " " $f; label[index_] = text
  }
}
END {
  for (i = 0; (("strftime", i) in time); ++i) {
    printf "  %6.1f ns against %6.1f ns: %.2f  %s\n", time["CompiledClockFormat", i],
      time["strftime", i], time["CompiledClockFormat", i] / time["strftime", i], label[i]
  }
}' "$native"
echo
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j "$(nproc)" --target kalvori_wine_bench >/dev/null
cd "$build/win/bin"
"$root/scripts/with-display.sh" "$root/scripts/wine-run.sh" kalvori_wine_bench.exe "${1:-60}" 2>/dev/null | tr -d '\r'
