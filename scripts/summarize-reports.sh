#!/usr/bin/env bash
# Adds up GoogleTest XML reports: one line per report, then the total.
set -uo pipefail
total_tests=0
total_failed=0
total_skipped=0
for report in "$@"; do
  [ -f "$report" ] || continue
  header=$(grep -m1 '<testsuites' "$report")
  tests=$(sed -n 's/.* tests="\([0-9]*\)".*/\1/p' <<<"$header")
  failures=$(sed -n 's/.* failures="\([0-9]*\)".*/\1/p' <<<"$header")
  errors=$(sed -n 's/.* errors="\([0-9]*\)".*/\1/p' <<<"$header")
  disabled=$(sed -n 's/.* disabled="\([0-9]*\)".*/\1/p' <<<"$header")
  skipped=$(grep -c '<skipped' "$report")
  failed=$((failures + errors))
  total_tests=$((total_tests + tests - disabled))
  total_failed=$((total_failed + failed))
  total_skipped=$((total_skipped + skipped))
  printf '  %-60s %4d tests, %d failed\n' "${report#"${KALVORI_BUILD:-}"}" "$((tests - disabled))" "$failed"
done
passed=$((total_tests - total_failed - total_skipped))
echo "Total: $passed passed, $total_failed failed, $total_skipped skipped"
