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
cmake -S "$top" -B "$build" -DZARKEL_BENCH=ON -DZARKEL_TESTS=OFF -DZARKEL_GUI=OFF \
  -DZARKEL_CLI=ON -DZARKEL_WERROR=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target zarkel-cli zarkel_write_inputs >/dev/null

work=$(mktemp -d /dev/shm/zarkel-bench-cli.XXXXXX)
trap 'rm -rf "$work"' EXIT
"$build/bench/zarkel_write_inputs" "$work/in"
mkdir -p "$work/out" "$work/copy"
cli="$build/src/cli/zarkel-cli"
in="$work/in"

status=0
for layout in homemade original; do
  scenario="$in/largest-$layout.scn"
  sources=("$scenario")
  [ "$layout" = original ] && sources+=("$in/slargest-original.tst" "$in/largest-original.tit"
                                       "$in/largest-original.des")
  echo "== zarkel-cli campaign, largest $layout scenario, against cp of the ${#sources[@]} file(s) it reads"
  hyperfine -N --warmup 50 --min-runs 300 --export-csv "$work/$layout.csv" "$@" \
    -n zarkel-cli "$cli campaign --layout $layout $scenario --equipment $in/equip.eqp --names $in/equip.txt --name cchina --dir $work/out" \
    -n cp "cp ${sources[*]} $work/copy/"
  # The CSV's columns: command, mean, stddev, median, user, system, min, max (seconds).
  if ! awk -F, 'NR == 2 { cli = $4 } NR == 3 { cp = $4 }
      END { ratio = cli / cp
            printf "median: zarkel-cli %.2f ms, cp %.2f ms, ratio %.2f (target <= 1.5)\n",
                   cli * 1000, cp * 1000, ratio
            exit ratio <= 1.5 ? 0 : 1 }' "$work/$layout.csv"; then
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "Every target met." || echo "A target was missed."
exit "$status"
