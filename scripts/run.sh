#!/usr/bin/env bash
# Sets up what is missing, builds zarkel and starts it. Extra arguments go to the program.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"

cmake -S "$top" -B "$top/build" -DZARKEL_GUI=ON >/dev/null
cmake --build "$top/build" --parallel "$(nproc)" --target zarkel
exec "$top/build/src/zarkel" "$@"
