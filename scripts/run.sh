#!/usr/bin/env bash
# Sets up what is missing, builds zarkel and starts it. With no arguments it starts in a demo
# folder of the user's own (~/zarkel-demo, or $ZARKEL_DEMO_DIR) and opens the demo scenario
# kardel.scn there (Homemade) with the demo equipment and the Axis side shown, so that what the
# demo writes lands in that folder, not in the repository. The folder is filled from examples/
# the first time; a file in it is never overwritten afterwards, and only a demo file missing
# there is copied again. Arguments are passed to the program instead (see zarkel --help).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}"

cmake -S "$top" --preset window >/dev/null
cmake --build "$top/build" --parallel "$(nproc)" --target zarkel
if [ $# -eq 0 ]; then
  demo="${ZARKEL_DEMO_DIR:-$HOME/zarkel-demo}"
  mkdir -p "$demo"
  # A relative folder is taken from where the script was started, before the cd below.
  demo=$(cd "$demo" && pwd)
  for file in "$top"/examples/*; do
    [ -e "$demo/${file##*/}" ] || cp "$file" "$demo/"
  done
  # The window's folder lists start in the folder the program starts in.
  cd "$demo"
  set -- "$demo/kardel.scn" --layout homemade --equipment "$demo/equipment.eqp" \
    --names "$demo/equipment.txt" --side axis
fi
exec "$top/build/src/zarkel" "$@"
