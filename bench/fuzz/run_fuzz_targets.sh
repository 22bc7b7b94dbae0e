#!/usr/bin/env bash
# Runs every fuzz target of a sanitized clang build for a while, each on a scratch copy of its
# seed corpus (tests/fuzz/corpus/<target>), and prints the executions each reached. CI runs it
# for 20 seconds a target; longer runs are for the figures in tests/README.md.
#
#   run_fuzz_targets.sh <sanitized build dir> [seconds per target, default 180]
#
# A broken invariant, crash or sanitizer report stops that target, keeps the input that did it
# in <build dir>/fuzz-findings, and makes the script fail after the others have run.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath "${1:?usage: run_fuzz_targets.sh <sanitized build dir> [seconds]}")
seconds=${2:-180}
findings=$build/fuzz-findings
mkdir -p "$findings"
# Every rewrite through QSaveFile syncs the file to disk; in memory the file target runs
# twenty times faster.
scratch_parent=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch_parent=/dev/shm
scratch=$(mktemp -d "$scratch_parent/ravoskel-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

failed=()
printf '%-22s %12s %8s\n' target executions seconds
for corpus in "$root"/tests/fuzz/corpus/*/; do
  target=$(basename "$corpus")
  program=$build/tests/fuzz/$target
  work=$scratch/$target
  mkdir -p "$work"
  cp -r "$corpus". "$work/"
  log=$scratch/$target.log
  start=$(date +%s)
  if "$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$findings/$target-" "$work" >"$log" 2>&1; then
    status=""
  else
    status="FAILED"
    failed+=("$target")
    tail -n 40 "$log" >&2
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  printf '%-22s %12s %8s %s\n' "$target" "${runs:-?}" "$(($(date +%s) - start))" "$status"
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets that failed: ${failed[*]} (inputs in $findings)" >&2
  exit 1
fi
