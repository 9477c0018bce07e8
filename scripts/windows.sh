#!/usr/bin/env bash
# Builds zarkel_core, zarkel_session, zarkel-cli and their test suites for 64-bit Windows with
# mingw-w64 on this Linux machine and runs them under wine64: the core, session and CLI suites,
# and a round trip in which the Windows zarkel-cli opens the demo scenarios and writes campaign
# scenarios that must equal, byte for byte, what the Linux build writes from them. Then packs
# zarkel-cli-<version>-windows-x86_64.zip. Headless: wine needs no display for console programs.
#
# `scripts/windows.sh --build` builds zarkel-cli.exe and packs the zip only, without the suites
# and wine (scripts/release.sh). The zip is the same bytes at every run from one commit.
#
# Folders: build-windows (or ZARKEL_WINDOWS_BUILD) for the Windows build, its GoogleTest and its
# own wine prefix; build (or ZARKEL_LINUX_BUILD) for the Linux zarkel-cli of the round trip.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
source "$top/scripts/reproducible.sh"
case "$*" in
  "") build_only=false ;;
  --build) build_only=true ;;
  *)
    echo "usage: scripts/windows.sh [--build]" >&2
    exit 2
    ;;
esac
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

build=${ZARKEL_WINDOWS_BUILD:-$top/build-windows}
linux=${ZARKEL_LINUX_BUILD:-$top/build}
toolchain="$top/cmake/mingw-w64-x86_64.cmake"
deps="$build/deps"
jobs=$(nproc)
mkdir -p "$build"

# GoogleTest from Debian's sources, built once with the same compiler; CLI11 and nlohmann-json
# are headers only.
if [ ! -f "$deps/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$build/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$deps" >/dev/null
  cmake --build "$build/googletest" --parallel "$jobs" >/dev/null
  cmake --install "$build/googletest" >/dev/null
fi
if [ ! -d "$deps/share/cmake/CLI11" ]; then
  mkdir -p "$deps/include" "$deps/share/cmake"
  cp -r /usr/include/CLI "$deps/include/"
  cp -r /usr/share/cmake/CLI11 "$deps/share/cmake/"
fi
if [ ! -d "$deps/share/cmake/nlohmann_json" ]; then
  mkdir -p "$deps/include" "$deps/share/cmake"
  cp -r /usr/include/nlohmann "$deps/include/"
  cp -r /usr/share/cmake/nlohmann_json "$deps/share/cmake/"
fi

echo "== Windows build"
cmake -S "$top" --preset windows -B "$build/zarkel" -DZARKEL_WINDOWS_PREFIX="$deps" >/dev/null
if $build_only; then
  cmake --build "$build/zarkel" --parallel "$jobs" --target zarkel-cli
else
  cmake --build "$build/zarkel" --parallel "$jobs" --target zarkel_core_tests \
    zarkel_session_tests zarkel_cli_tests zarkel-cli
fi

pack() {
  echo "== Windows zip"
  local version exe="$build/zarkel-cli.exe"
  version=$(sed -n 's/^project(zarkel VERSION \([0-9.]*\).*/\1/p' "$top/CMakeLists.txt")
  # Linked statically: the runtime (libstdc++, libgcc, winpthread) is inside the exe, and it
  # needs no DLL but Windows' own.
  if x86_64-w64-mingw32-objdump -p "$build/zarkel/src/cli/zarkel-cli.exe" |
    grep -iE "DLL Name: (libstdc|libgcc|libwinpthread)"; then
    echo "zarkel-cli.exe needs a MinGW runtime DLL" >&2
    exit 1
  fi
  # strip writes a link time into the PE header unless SOURCE_DATE_EPOCH gives one: the 0 that
  # the linker left there (--no-insert-timestamp), so that every build has the same bytes.
  SOURCE_DATE_EPOCH=0 x86_64-w64-mingw32-strip -o "$exe" "$build/zarkel/src/cli/zarkel-cli.exe"
  SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(source_date_epoch "$top")} \
    windows_zip "$exe" "$top" "$version" "$build"
}
if $build_only; then
  pack
  exit 0
fi

echo "== Linux zarkel-cli for the round trip"
cmake -S "$top" --preset build -B "$linux" >/dev/null
cmake --build "$linux" --parallel "$jobs" --target zarkel-cli

# A wine prefix of this build's own, and one wine server kept running for all the runs.
# A UTF-8 locale, so that wine can store names outside ASCII in Linux file names.
export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
mkdir -p "$WINEPREFIX"  # wine fills an empty prefix in; its server needs the folder to exist
"$wineserver" -k 2>/dev/null || true  # one left from an interrupted run
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
# Makes the prefix on first use and starts wine's own services, whose output must not hold the
# test runner's pipes open.
"$wine" wineboot >"$build/wineboot.log" 2>&1 </dev/null

echo "== core, session and CLI suites under wine"
(cd "$build/zarkel" && ctest --output-on-failure --no-tests=error --timeout 900)

echo "== round trip: the Windows zarkel-cli writes what the Linux one writes"
trip="$build/round-trip"
rm -rf "$trip"
mkdir -p "$trip/linux" "$trip/windows"
# Each demo scenario with a transfer, a unit edit, the type and a limit; the Windows run gets a
# Windows path for its output (drive Z: is the Linux root).
for entry in homemade:kardel original:vessin; do
  layout=${entry%%:*}
  base=${entry#*:}
  args=(campaign --layout "$layout" "$base.scn" --equipment equipment.eqp --names equipment.txt
        --side axis --to-aux 0 --core-unit 0:experience=4 --type 2 --limit axisAuxMax=90
        --name "trip-$base")
  (cd "$top/examples" && "$linux/src/cli/zarkel-cli" "${args[@]}" --dir "$trip/linux")
  (cd "$top/examples" && "$wine" "$build/zarkel/src/cli/zarkel-cli.exe" "${args[@]}" \
    --dir "Z:$trip/windows")
done
diff -r "$trip/linux" "$trip/windows"
echo "round trip: the $(ls "$trip/windows" | wc -l) files written are alike"

pack
