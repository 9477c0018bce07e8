#!/usr/bin/env bash
# Builds zarkel_core, zarkel-cli and their test suites for 64-bit Windows with mingw-w64 on this
# Linux machine and runs them under wine64: the core suite, the CLI suite, and a round trip in
# which the Windows zarkel-cli opens the demo scenarios and writes campaign scenarios that must
# equal, byte for byte, what the Linux build writes from them. Then packs
# zarkel-cli-<version>-windows-x86_64.zip. Headless: wine needs no display for console programs.
#
# Folders: build-windows (or ZARKEL_WINDOWS_BUILD) for the Windows build, its GoogleTest and its
# own wine prefix; build (or ZARKEL_LINUX_BUILD) for the Linux zarkel-cli of the round trip.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

build=${ZARKEL_WINDOWS_BUILD:-$top/build-windows}
linux=${ZARKEL_LINUX_BUILD:-$top/build}
toolchain="$top/cmake/mingw-w64-x86_64.cmake"
deps="$build/deps"
jobs=$(nproc)
mkdir -p "$build"

# GoogleTest from Debian's sources, built once with the same compiler; CLI11 is headers only.
if [ ! -f "$deps/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$build/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$deps" >/dev/null
  cmake --build "$build/googletest" --parallel "$jobs" >/dev/null
  cmake --install "$build/googletest" >/dev/null
fi
mkdir -p "$deps/include" "$deps/share/cmake"
cp -r /usr/include/CLI "$deps/include/"
cp -r /usr/share/cmake/CLI11 "$deps/share/cmake/"

echo "== Windows build"
cmake -S "$top" -B "$build/zarkel" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DZARKEL_WINDOWS_PREFIX="$deps" -DCMAKE_BUILD_TYPE=Release -DZARKEL_WERROR=ON \
  -DZARKEL_GUI=OFF -DZARKEL_CLI=ON -DZARKEL_TESTS=ON >/dev/null
cmake --build "$build/zarkel" --parallel "$jobs" --target zarkel_core_tests zarkel_cli_tests zarkel-cli

echo "== Linux zarkel-cli for the round trip"
cmake -S "$top" -B "$linux" >/dev/null
cmake --build "$linux" --parallel "$jobs" --target zarkel-cli

# A wine prefix of this build's own, and one wine server kept running for all the runs.
export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "== wine prefix"
  "$wine" wineboot --init >"$build/wineboot.log" 2>&1
fi
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT

echo "== core and CLI suites under wine"
(cd "$build/zarkel" && ctest --output-on-failure --no-tests=error --timeout 900)

echo "== round trip: the Windows zarkel-cli writes what the Linux one writes"
trip="$build/round-trip"
rm -rf "$trip"
mkdir -p "$trip/linux" "$trip/windows"
if [ -f "$top/examples/equipment.eqp" ]; then
  inputs="$top/examples"
  scenarios=(original:vessin.scn homemade:kardel.scn)
  equipment=(--equipment equipment.eqp --names equipment.txt)
else
  # No demo set yet: the benchmarks' scenarios, built by the test builders.
  inputs="$trip/inputs"
  cmake -S "$top" -B "$top/build-bench" -DZARKEL_BENCH=ON -DZARKEL_TESTS=OFF -DZARKEL_GUI=OFF \
    -DZARKEL_CLI=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$top/build-bench" --parallel "$jobs" --target zarkel_write_inputs
  "$top/build-bench/bench/zarkel_write_inputs" "$inputs"
  scenarios=(original:typical-original.scn homemade:largest-homemade.scn)
  equipment=(--equipment equip.eqp --names equip.txt)
fi
for entry in "${scenarios[@]}"; do
  layout=${entry%%:*}
  scenario=${entry#*:}
  name="trip-${scenario%.scn}"
  edits=(--type 2 --limit axisAuxMax=7)
  (cd "$inputs" && "$linux/src/cli/zarkel-cli" campaign --layout "$layout" "$scenario" \
    "${equipment[@]}" "${edits[@]}" --name "$name" --dir "$trip/linux")
  # Run from the inputs' folder, with a Windows path (drive Z: is the Linux root) for the output.
  (cd "$inputs" && "$wine" "$build/zarkel/src/cli/zarkel-cli.exe" campaign --layout "$layout" \
    "$scenario" "${equipment[@]}" "${edits[@]}" --name "$name" --dir "Z:$trip/windows")
done
diff -r "$trip/linux" "$trip/windows"
echo "round trip: $(ls "$trip/windows" | wc -l) files written alike"

echo "== Windows zip"
version=$(sed -n 's/^project(zarkel VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
package="zarkel-cli-$version-windows-x86_64"
stage="$build/$package"
rm -rf "$stage" "$build/$package.zip"
mkdir -p "$stage"
# Linked statically: the runtime (libstdc++, libgcc, winpthread) is inside the exe, and it needs
# no DLL but Windows' own.
if x86_64-w64-mingw32-objdump -p "$build/zarkel/src/cli/zarkel-cli.exe" |
  grep -iE "DLL Name: (libstdc|libgcc|libwinpthread)"; then
  echo "zarkel-cli.exe needs a MinGW runtime DLL" >&2
  exit 1
fi
x86_64-w64-mingw32-strip -o "$stage/zarkel-cli.exe" "$build/zarkel/src/cli/zarkel-cli.exe"
cp "$top/README.md" "$stage/"
[ -d "$top/examples" ] && cp -r "$top/examples" "$stage/"
(cd "$build" && zip -qr "$package.zip" "$package")
echo "$build/$package.zip"
