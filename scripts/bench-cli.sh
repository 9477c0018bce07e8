#!/usr/bin/env bash
# Times whole zarkel-cli processes against cp of the same scenario with hyperfine, every file in
# memory (/dev/shm), process start included: the campaign write of the largest scenario (the
# Homemade one, 2.8 MB, and the Original one with its three companion files) beside cp of the
# files it reads. Prints the medians and their ratio; fails when a ratio is above 1.5. Extra
# arguments go to hyperfine (for example --runs 1000).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" cmake make g++ "${BENCH_PACKAGES[@]}"

build="$top/build-bench"
# Configured as scripts/bench.sh configures it, so that the two share the build.
cmake -S "$top" --preset bench -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target zarkel-cli zarkel_write_inputs >/dev/null

work=$(mktemp -d /dev/shm/zarkel-bench-cli.XXXXXX)
trap 'rm -rf "$work"' EXIT
"$build/bench/zarkel_write_inputs" "$work/in"
mkdir -p "$work/out" "$work/copy"
cli="$build/src/cli/zarkel-cli"
in="$work/in"

# hyperfine times all runs of one command, then all of the other; on a shared machine the load
# drifts meanwhile. So the pair is timed in rounds, taking turns at going first, and the ratio
# reported is the median of the rounds' ratios (each a ratio of medians).
rounds=5
status=0
for layout in homemade original; do
  scenario="$in/largest-$layout.scn"
  sources=("$scenario")
  [ "$layout" = original ] && sources+=("$in/slargest-original.tst" "$in/largest-original.tit"
                                       "$in/largest-original.des")
  cli_run="$cli campaign --layout $layout $scenario --equipment $in/equip.eqp --names $in/equip.txt --name cchina --dir $work/out --replace"
  cp_run="cp ${sources[*]} $work/copy/"
  echo "== zarkel-cli campaign, largest $layout scenario, against cp of the ${#sources[@]} file(s) it reads"
  for round in $(seq "$rounds"); do
    if [ $((round % 2)) -eq 1 ]; then
      order=(-n zarkel-cli "$cli_run" -n cp "$cp_run")
    else
      order=(-n cp "$cp_run" -n zarkel-cli "$cli_run")
    fi
    hyperfine -N --warmup 20 --min-runs 100 --style none --export-csv "$work/round.csv" "$@" \
      "${order[@]}" 2>/dev/null
    # The CSV's columns: command, mean, stddev, median, user, system, min, max (seconds).
    awk -F, -v round="$round" '$1 == "zarkel-cli" { cli = $4 } $1 == "cp" { cp = $4 }
      END { printf "round %d: zarkel-cli %.2f ms, cp %.2f ms, ratio %.2f\n", round, cli * 1000,
                   cp * 1000, cli / cp }' "$work/round.csv"
  done | tee "$work/$layout.txt"
  if ! sort -t' ' -k10 -n "$work/$layout.txt" | awk -v rounds="$rounds" '
      NR == int((rounds + 1) / 2) {
        printf "median of %d rounds: zarkel-cli %s ms, cp %s ms, ratio %s (target <= 1.5)\n",
               rounds, $4, $7, $10
        exit $10 <= 1.5 ? 0 : 1 }'; then
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "Every target met." || echo "A target was missed."
exit "$status"
