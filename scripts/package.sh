#!/usr/bin/env bash
# Builds the Debian package of zarkel with CPack: a Release build in build-package, installed
# under /usr. Its dependencies come from the shared libraries the programs link (dpkg-shlibdeps).
# zarkel-cli is linked against the shared runtimes here, as the distribution's own programs are,
# so that it takes their security updates; a start about 2 ms slower is the price.
# Two builds of the same sources give the same package, wherever they are built.
# Prints the path of the package as its last line.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" >&2

build="$top/build-package"
# No path of this folder goes into the programs: the sources are "." in them (the preset maps
# them so).
cmake -S "$top" --preset package -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)" >&2
rm -f "$build"/zarkel_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/zarkel_*.deb
