#!/usr/bin/env bash
# zarkel in the browser. Builds the core with Emscripten into build-web/ (or ZARKEL_WEB_BUILD):
# the site in build-web/site/ (index.html, its scripts and styles, the module's JavaScript and
# wasm, the icon and the demo set), the single-file edition build-web/zarkel-VERSION.html (the
# site in one HTML file that opens from the disk) and zarkel-cli for node
# (build-web/cli/zarkel-cli.js, run as `node build-web/cli/zarkel-cli.js ARGS...`), then serves
# the site on http://127.0.0.1:8765/.
#
#   scripts/web.sh           build, then serve the site until Ctrl+C
#   scripts/web.sh --build   build only
#   scripts/web.sh --test    build with the core and session suites, then run them under node,
#                            compare what the node zarkel-cli writes with what the native one
#                            writes, and run the page's suites in headless Chromium and Firefox,
#                            on the served site and on the single file opened from the disk
#
# Installs what is missing first: Debian's emscripten and librsvg2-bin (and for the tests
# chromium and firefox-esr), and the npm packages of web/package-lock.json, exactly as locked.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"

mode=serve
case "$*" in
  "") ;;
  --build) mode=build ;;
  --test) mode=test ;;
  *)
    echo "usage: scripts/web.sh [--build | --test]" >&2
    exit 2
    ;;
esac

packages=("${WEB_PACKAGES[@]}")
[ "$mode" = test ] && packages+=("${BUILD_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}")
"$top/scripts/ensure-packages.sh" "${packages[@]}"
# Where node comes from another source than Debian, its package brings npm and conflicts with
# Debian's npm package: that one is installed only when there is no npm at all.
command -v npm >/dev/null || "$top/scripts/ensure-packages.sh" npm
# The Firefox suites send WebDriver BiDi commands that an older Firefox lacks: said here, with
# what to update, before anything is built.
if [ "$mode" = test ]; then
  node "$top/web/tests/firefox-version.mjs" "${ZARKEL_FIREFOX:-/usr/bin/firefox-esr}"
fi

build=${ZARKEL_WEB_BUILD:-$top/build-web}
linux=${ZARKEL_LINUX_BUILD:-$top/build}
web="$top/web"
deps="$build/deps"
jobs=$(nproc)
node=$(command -v node)
# emcc's optimizer needs acorn, which Debian keeps there; node does not look there by itself.
export NODE_PATH=/usr/share/nodejs
mkdir -p "$build"

# The npm packages as locked, again only when the lock has changed since.
stamp="$web/node_modules/.zarkel-package-lock.json"
if ! cmp -s "$web/package-lock.json" "$stamp"; then
  echo "== npm packages"
  (cd "$web" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --ignore-scripts --no-audit --no-fund)
  cp "$web/package-lock.json" "$stamp"
fi

# Headers-only libraries, staged where the Emscripten build looks for packages; GoogleTest from
# Debian's sources, built once with Emscripten.
if [ ! -d "$deps/share/cmake/CLI11" ]; then
  mkdir -p "$deps/include" "$deps/share/cmake"
  cp -r /usr/include/CLI "$deps/include/"
  cp -r /usr/share/cmake/CLI11 "$deps/share/cmake/"
fi
if [ -d /usr/include/nlohmann ] && [ ! -d "$deps/share/cmake/nlohmann_json" ]; then
  mkdir -p "$deps/include" "$deps/share/cmake"
  cp -r /usr/include/nlohmann "$deps/include/"
  cp -r /usr/share/cmake/nlohmann_json "$deps/share/cmake/"
fi
tests=OFF
if [ "$mode" = test ]; then
  tests=ON
  if [ ! -f "$deps/lib/cmake/GTest/GTestConfig.cmake" ]; then
    echo "== GoogleTest for WebAssembly"
    emcmake cmake -S /usr/src/googletest -B "$build/googletest" -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=ON -DCMAKE_CXX_FLAGS=-fexceptions \
      -DCMAKE_INSTALL_PREFIX="$deps" >/dev/null
    cmake --build "$build/googletest" --parallel "$jobs" >/dev/null
    cmake --install "$build/googletest" >/dev/null
  fi
fi

echo "== WebAssembly build"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# emcmake would run the suites with a node flag that node 20 no longer knows: node plain instead.
emcmake cmake -S "$top" --preset web -B "$build/zarkel" -DCMAKE_CROSSCOMPILING_EMULATOR="$node" \
  -DCMAKE_FIND_ROOT_PATH="$deps" -DZARKEL_TESTS="$tests" -DZARKEL_SITE_DIR="$build/site" \
  -DZARKEL_WEB_PACKAGES="$web/node_modules" -DZARKEL_SINGLE_FILE_DIR="$build" "${launcher[@]}" \
  >/dev/null
targets=(zarkel_site zarkel_single_file zarkel-cli)
[ "$mode" = test ] && targets+=(zarkel_core_tests zarkel_session_tests)
rm -rf "$build/site"  # put together anew, so that nothing stale is served
cmake --build "$build/zarkel" --parallel "$jobs" --target "${targets[@]}"
mkdir -p "$build/cli"
cp "$build/zarkel/src/cli/zarkel-cli.js" "$build/zarkel/src/cli/zarkel-cli.wasm" "$build/cli/"
version=$(sed -n 's/^project(zarkel VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
single_file="$build/zarkel-$version.html"
echo "site: $build/site"
echo "the single file: $single_file"
echo "zarkel-cli for node: node $build/cli/zarkel-cli.js"

case $mode in
  build) exit 0 ;;
  serve) exec "$node" "$web/serve.mjs" "$build/site" ;;
esac

echo "== core and session suites under node"
(cd "$build/zarkel" && ctest --output-on-failure --no-tests=error --timeout 900)

echo "== round trip: the node zarkel-cli writes what the native one writes"
cmake -S "$top" --preset build -B "$linux" >/dev/null
cmake --build "$linux" --parallel "$jobs" --target zarkel-cli make_generated_set
native_cli="$linux/src/cli/zarkel-cli"
node_cli="$build/cli/zarkel-cli.js"
trip="$build/round-trip"
rm -rf "$trip"
mkdir -p "$trip/native" "$trip/node"
"$linux/tools/make_generated_set" "$trip/generated"

# run STATUS NAME FOLDER COMMAND ARGS...: both builds run the command in FOLDER in turn, each
# writing into the same empty folder, so that their messages name the same paths. What each
# wrote, printed and returned is kept in native/NAME and node/NAME; the native build must
# return STATUS, so that a run that fails alike in both is not taken for a match.
runs=0
run() {
  local expected=$1 name=$2 folder=$3 command=$4
  shift 4
  local out="$trip/out" build_name status
  local args=("$command" "$@")
  case $command in ob | campaign | homemade) args+=(--dir "$out") ;; esac
  for build_name in native node; do
    local program=("$native_cli")
    [ "$build_name" = node ] && program=("$node" "$node_cli")
    rm -rf "$out"
    mkdir -p "$out"
    status=0
    (cd "$folder" && "${program[@]}" "${args[@]}" >"$trip/stdout" 2>"$trip/stderr") || status=$?
    mv "$out" "$trip/$build_name/$name"
    mv "$trip/stdout" "$trip/stderr" "$trip/$build_name/$name/"
    echo "$status" >"$trip/$build_name/$name/status"
    if [ "$build_name" = native ] && [ "$status" -ne "$expected" ]; then
      echo "round trip: $name returned $status, not $expected:" >&2
      cat "$trip/native/$name/stderr" >&2
      exit 1
    fi
  done
  runs=$((runs + 1))
}

# Each scenario with a transfer, a unit edit, the type and a limit, through every writer and the
# check; the generated ones with edits of their own.
for entry in homemade:kardel original:vessin; do
  layout=${entry%%:*}
  base=${entry#*:}
  open=(--layout "$layout" "$base.scn" --equipment equipment.eqp --names equipment.txt)
  edits=(--side axis --to-aux 0 --core-unit 0:experience=4 --type 2 --limit axisAuxMax=90)
  run 0 "campaign-$base" "$top/examples" campaign "${open[@]}" "${edits[@]}" --name "trip-$base"
  run 0 "homemade-$base" "$top/examples" homemade "${open[@]}" "${edits[@]}" --name "trip-$base" \
    --yes
  run 0 "ob-$base" "$top/examples" ob "${open[@]}" "${edits[@]}" --name "trip-$base"
  run 0 "check-$base" "$top/examples" check "${open[@]}" "${edits[@]}"
  # The order of battle in the spreadsheet form after the edits, imported into the scenario as
  # opened: the transfer and the unit change come back through the import.
  run 0 "ob-sheet-$base" "$top/examples" ob "${open[@]}" "${edits[@]}" --name "trip-$base" \
    --spreadsheet
  run 0 "import-$base" "$top/examples" campaign "${open[@]}" \
    --import-ob "$trip/native/ob-sheet-$base/trip-$base.csv" --name "trip-import-$base"
done
generated_edits() {  # the edits of one generated scenario; only tiny is found without fault
  case $1 in
    tiny) echo "--side axis --to-aux 0 --type 0 --limit axisCoreMax=\$F4" ;;
    mixed) echo "--side allies --to-aux 0,1 --aux-unit 0:used=NO --core-unit 0:column=22,row=16" \
      "--type 1 --limit alliedAuxMax=\$FF" ;;
    largest) echo "--side axis --core-unit 3:experience=5,column=254,row=254 --undo --redo" \
      "--type 2 --limit axisLandCoreMax=80" ;;
  esac
}
for scenario in tiny mixed largest; do
  read -r -a edits <<<"$(generated_edits "$scenario")"
  for layout in homemade original; do
    base="$scenario-$layout"
    open=(--layout "$layout" "$base.scn" --equipment equip.eqp --names equip.txt)
    run 0 "campaign-$base" "$trip/generated" campaign "${open[@]}" "${edits[@]}" --name trip-gen \
      --page allied
    run 0 "homemade-$base" "$trip/generated" homemade "${open[@]}" "${edits[@]}" --yes
    run 0 "ob-$base" "$trip/generated" ob "${open[@]}" "${edits[@]}"
    findings=1
    [ "$scenario" = tiny ] && findings=0
    run "$findings" "check-$base" "$trip/generated" check "${open[@]}" "${edits[@]}"
  done
done
# Refusals: a transfer into a full roster, a limit that is not a number, one that does not fit
# its byte.
run 1 refused-transfer "$trip/generated" campaign --layout homemade largest-homemade.scn \
  --equipment equip.eqp --names equip.txt --side allies --to-aux 0 --name refused
run 1 refused-limit "$trip/generated" campaign --layout original tiny-original.scn \
  --equipment equip.eqp --names equip.txt --limit axisAuxMax=many --name refused
run 1 refused-range "$trip/generated" campaign --layout original tiny-original.scn \
  --equipment equip.eqp --names equip.txt --limit axisAuxMax=256 --name refused
diff -r "$trip/native" "$trip/node"
echo "round trip: $runs runs alike, $(find "$trip/node" -type f | wc -l) files compared"

for browser in chromium firefox; do
  echo "== the page in headless $browser"
  (cd "$web" && ZARKEL_SITE_DIR="$build/site" ZARKEL_BROWSER="$browser" "$node" \
    --test tests/*.test.mjs)
done
# The single file opened from the disk: the page's workflow and writes, and its own suite.
for browser in chromium firefox; do
  echo "== the single file in headless $browser, from its file: address"
  (cd "$web" && ZARKEL_SINGLE_FILE="$single_file" ZARKEL_BROWSER="$browser" "$node" \
    --test tests/page.test.mjs tests/writes.test.mjs tests/single-file.test.mjs)
done
