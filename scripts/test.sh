#!/usr/bin/env bash
# Sets up what is missing, builds everything and runs every test: once in a plain build
# (warnings are errors), once under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# core and CLI suites built for Windows under wine (scripts/windows.sh), then the fuzz targets
# for a short bounded time, then the package test (scripts/package-test.sh) and the release test
# (scripts/release-test.sh). Fails on any failing test or sanitizer finding.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
jobs=$(nproc)

run_suite() {  # build directory, configure preset (CMakePresets.json)
  local dir=$1 preset=$2
  echo "== $(basename "$dir")"
  cmake -S "$top" --preset "$preset" -B "$dir" >/dev/null
  cmake --build "$dir" --parallel "$jobs"
  (cd "$dir" && ctest --output-on-failure --no-tests=error --timeout 600)
}

run_suite "$top/build" test
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite "$top/build-sanitize" sanitize

echo "== windows"
windows_start=$SECONDS
"$top/scripts/windows.sh"
echo "windows: $((SECONDS - windows_start)) s"

# The browser edition: the core suite under node, the node zarkel-cli against the native one, and
# the page in headless Chromium and Firefox (scripts/web.sh).
echo "== web"
web_start=$SECONDS
"$top/scripts/web.sh" --test
echo "web: $((SECONDS - web_start)) s"

if [ -x "$top/scripts/fuzz.sh" ]; then
  "$top/scripts/fuzz.sh" "${ZARKEL_FUZZ_SECONDS:-20}"
fi

# The Debian package, installed into a fresh Debian 12 root and removed again. It needs root;
# as another user it is skipped (status 77), and the skip is counted below.
skipped=0
echo "== package"
package_status=0
"$top/scripts/package-test.sh" || package_status=$?
case $package_status in
  0) ;;
  77) skipped=$((skipped + 1)) ;;
  *) exit "$package_status" ;;
esac

# The release on a clone of this commit, twice, from the programs built above (the package's
# too, or built there where the package test was skipped).
echo "== release"
"$top/scripts/release-test.sh"

if [ "$skipped" -eq 0 ]; then
  echo "All tests passed."
else
  echo "All tests passed; $skipped skipped (the package test needs root)."
fi
