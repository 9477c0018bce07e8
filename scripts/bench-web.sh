#!/usr/bin/env bash
# Figures of the browser edition, each beside its native counterpart where there is one:
# - what the site loads before a file is opened, as served and after gzip (target <= 250 KB),
#   and what the first visit sends in all, the service worker's offline copy of the site included;
# - the time until the page is ready with the demo open, in headless Chromium;
# - an open plus a campaign write of the largest scenario (255 x 255 hexes, 600 units, both
#   layouts) by zarkel-cli under node and natively, whole processes timed by hyperfine with every
#   file in memory (/dev/shm), and node's start-up of the same program alone.
# Builds what it needs (scripts/web.sh --build, the native zarkel-cli in build/). Extra arguments
# go to hyperfine in place of its default of --min-runs 20 (for example --runs 50).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" chromium hyperfine

build=${ZARKEL_WEB_BUILD:-$top/build-web}
linux=${ZARKEL_LINUX_BUILD:-$top/build}
"$top/scripts/web.sh" --build >/dev/null
cmake -S "$top" -B "$linux" >/dev/null
cmake --build "$linux" --parallel "$(nproc)" --target zarkel-cli make_generated_set >/dev/null

echo "== the page in headless Chromium"
ZARKEL_SITE_DIR="$build/site" node "$top/web/bench/page.mjs" 9

work=$(mktemp -d /dev/shm/zarkel-bench-web.XXXXXX)
trap 'rm -rf "$work"' EXIT
"$linux/tools/make_generated_set" "$work/in"
cp "$build/cli/zarkel-cli.js" "$build/cli/zarkel-cli.wasm" "$work/"
mkdir -p "$work/out"
cd "$work/in"
runs=("$@")
[ ${#runs[@]} -eq 0 ] && runs=(--min-runs 20)
for layout in homemade original; do
  write="campaign --layout $layout largest-$layout.scn --equipment equip.eqp --names equip.txt"
  write+=" --name bench --dir $work/out"
  echo "== open and campaign write of the largest $layout scenario: node against native"
  hyperfine -N --warmup 3 --style basic "${runs[@]}" \
    -n native "$linux/src/cli/zarkel-cli $write" \
    -n node "node $work/zarkel-cli.js $write" \
    -n "node start-up (--version)" "node $work/zarkel-cli.js --version"
done
