#!/usr/bin/env bash
# Figures of the browser edition, each beside its native counterpart measured in the same run:
# - what the site loads before a file is opened, as served and after gzip (target <= 250 KB),
#   and what the first visit sends in all, the service worker's offline copy of the site included;
# - the time until the page is ready with the demo open, in headless Chromium;
# - the single file's size on disk, and the time until it shows the open demo from its file:
#   address (target <= 1 s);
# - an open plus a campaign write with its zip of the largest scenario (255 x 255 hexes, 600
#   units, made by tools/make_generated_set) in the page (target <= 100 ms), beside the same in
#   the native core (the benchmarks' open and campaign write of their largest scenario), and
#   whole zarkel-cli processes under node and natively, timed by hyperfine with every file in
#   memory (/dev/shm), with node's start-up of the same program alone;
# - the Map page's frames of the benchmarks' largest scenario on a 1920 x 1080 canvas in the
#   page (target <= 16 ms), beside the window's frames of it (zarkel_map_bench).
# Builds what it needs (scripts/web.sh --build, the native zarkel-cli in build/, the benchmarks
# in build-bench/). Extra arguments go to hyperfine in place of its default of --min-runs 20 (for
# example --runs 50).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}" chromium

build=${ZARKEL_WEB_BUILD:-$top/build-web}
linux=${ZARKEL_LINUX_BUILD:-$top/build}
bench=${ZARKEL_BENCH_BUILD:-$top/build-bench}
"$top/scripts/web.sh" --build >/dev/null
cmake -S "$top" --preset build -B "$linux" >/dev/null
cmake --build "$linux" --parallel "$(nproc)" --target zarkel-cli make_generated_set >/dev/null
cmake -S "$top" --preset bench -B "$bench" >/dev/null
cmake --build "$bench" --parallel "$(nproc)" --target zarkel_bench zarkel_map_bench \
  zarkel_write_inputs >/dev/null

work=$(mktemp -d /dev/shm/zarkel-bench-web.XXXXXX)
trap 'rm -rf "$work"' EXIT
"$linux/tools/make_generated_set" "$work/in"
"$bench/bench/zarkel_write_inputs" "$work/bench-inputs"

echo "== the page in headless Chromium"
ZARKEL_SITE_DIR="$build/site" node "$top/web/bench/page.mjs" 15 \
  --write "$work/in/largest-homemade.scn" --frames "$work/bench-inputs/largest-homemade.scn"

echo "== the single file in headless Chromium, from its file: address"
version=$(sed -n 's/^project(zarkel VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
node "$top/web/bench/single.mjs" "$build/zarkel-$version.html" 15

echo "== the same natively: open and campaign write in the core, the window's map frames"
"$bench/bench/zarkel_bench" --benchmark_filter='^(open|campaign_write)/largest/homemade/' \
  --benchmark_counters_tabular=true 2>&1 | grep -E '^(open|campaign_write)|^Benchmark' || true
QT_QPA_PLATFORM=offscreen "$bench/bench/zarkel_map_bench" --benchmark_filter='^map_frame' \
  2>&1 | grep -E 'map_frame' || true

cp "$build/cli/zarkel-cli.js" "$build/cli/zarkel-cli.wasm" "$work/"
mkdir -p "$work/out"
cd "$work/in"
runs=("$@")
[ ${#runs[@]} -eq 0 ] && runs=(--min-runs 20)
for layout in homemade original; do
  write="campaign --layout $layout largest-$layout.scn --equipment equip.eqp --names equip.txt"
  write+=" --name bench --dir $work/out --replace"
  echo "== open and campaign write of the largest $layout scenario: node against native"
  hyperfine -N --warmup 3 --style basic "${runs[@]}" \
    -n native "$linux/src/cli/zarkel-cli $write" \
    -n node "node $work/zarkel-cli.js $write" \
    -n "node start-up (--version)" "node $work/zarkel-cli.js --version"
done
