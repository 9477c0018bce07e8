#!/usr/bin/env bash
# Sets up what is missing, builds zarkel and starts it. With no arguments it opens the demo
# scenario examples/kardel.scn (Homemade) with the demo equipment and the Axis side shown;
# arguments are passed to the program instead (see zarkel --help).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"

cmake -S "$top" -B "$top/build" -DZARKEL_GUI=ON >/dev/null
cmake --build "$top/build" --parallel "$(nproc)" --target zarkel
if [ $# -eq 0 ]; then
  examples="$top/examples"
  set -- "$examples/kardel.scn" --layout homemade --equipment "$examples/equipment.eqp" \
    --names "$examples/equipment.txt" --side axis
fi
exec "$top/build/src/zarkel" "$@"
