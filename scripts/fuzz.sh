#!/usr/bin/env bash
# Builds the libFuzzer targets (clang) and runs each for a bounded time from its seed
# corpus in tests/fuzz/corpus/<target>. Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
orv_install_dependencies

seconds="${1:-30}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for target in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  # The seed corpus stays untouched in the repository; new inputs go to a scratch copy.
  if [ -d "tests/fuzz/corpus/$name" ]; then cp -r "tests/fuzz/corpus/$name/." "$work/"; fi
  echo "-- $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -max_len=4096 -timeout=5 -print_final_stats=1 \
       "$work" 2>"$work.log"; then
    tail -50 "$work.log"; status=1
  fi
  grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$work.log" | sed "s/^/   /" || true
  rm -rf "$work" "$work.log"
done
[ "$status" -eq 0 ] && echo "fuzzing: no crash, hang or sanitizer report"
exit "$status"
