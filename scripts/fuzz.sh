#!/usr/bin/env bash
# Builds the fuzz targets with clang and the sanitizers and runs each for SECONDS seconds, one
# after the other, from a starting corpus written by the test builders. Fails on any finding
# (a crash, a sanitizer report, a broken promise, a leak, a time-out); the input that caused it
# is kept in build-fuzz/findings/<target>/.
#
#   scripts/fuzz.sh SECONDS [TARGET...]   targets: open_scenario equipment_file equipment_names
#                                         placenames ob_import (all when none is named)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(open_scenario equipment_file equipment_names placenames ob_import)

source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" cmake make g++ "${FUZZ_PACKAGES[@]}"

build="$top/build-fuzz"
echo "== fuzz build"
cmake -S "$top" --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

rm -rf "$build/seeds"
"$build/fuzz/zarkel_fuzz_seeds" "$build/seeds"

# The files each run makes go to a directory of this script's own, in memory where there is such
# a place, removed at the end (a target stopped by its time limit cannot clean up after itself).
scratch_parent=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch_parent=/dev/shm
scratch=$(mktemp -d "$scratch_parent/zarkel-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

max_len() {
  case $1 in
    open_scenario) echo 280000 ;;  # the smallest scenario has 272359 bytes
    *) echo 16384 ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  log="$build/logs/$target.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  echo "== fuzz $target for ${seconds}s"
  status=0
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$(max_len "$target")" \
    -timeout=30 -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$corpus" "$build/seeds/$target" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)
  echo "   ${runs:-?} runs, ${coverage:-no coverage line}, corpus $(ls "$corpus" | wc -l) inputs"
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$findings")" ]; then
    echo "   FINDING (exit $status); see $log and $findings"
    tail -40 "$log"
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]}"
  exit 1
fi
echo "Fuzzing found nothing."
