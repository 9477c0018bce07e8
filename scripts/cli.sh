#!/usr/bin/env bash
# Sets up what is missing, builds zarkel-cli and runs it with the arguments given. The build's
# own output goes to stderr, so that what the program prints on stdout can be piped.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" "${BUILD_PACKAGES[@]}" >&2

# Configured as it stands (no options changed), so that the build's other users keep theirs.
cmake -S "$top" --preset build >/dev/null
cmake --build "$top/build" --parallel "$(nproc)" --target zarkel-cli >&2
exec "$top/build/src/cli/zarkel-cli" "$@"
