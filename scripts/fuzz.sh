#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time on its seed corpus.
#   scripts/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$1"
seconds="${2:-20}"
shopt -s nullglob
targets=("$build"/fuzz_*)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build" >&2; exit 1; }
for target in "${targets[@]}"; do
  name=$(basename "$target")
  work="$build/fuzz-corpus/$name"
  mkdir -p "$work"
  echo "-- $name for ${seconds}s" >&2
  "$target" -max_total_time="$seconds" -print_final_stats=1 "$work" "$root/fuzz/corpus/$name" \
    2>"$build/$name.log" || { tail -40 "$build/$name.log" >&2; exit 1; }
  grep -E 'stat::number_of_executed_units' "$build/$name.log" >&2 || true
done
