#!/usr/bin/env bash
# Builds and runs the benchmarks: the open, the writers, the roster refresh and undo and redo on
# the largest scenario the format can hold and on a typical one, each I/O case beside a plain
# read or copy of the same bytes; then the peak memory of every write and the memory the edit
# history holds; then the frames of the Map page; then whole zarkel-cli runs against cp
# (scripts/bench-cli.sh). Prints the ratios, the figures and the machine, and fails when a target
# is missed. Extra arguments go to both benchmark programs (for example --benchmark_min_time=2
# for steadier figures, or --benchmark_filter=campaign).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$top/scripts/packages.sh"
"$top/scripts/ensure-packages.sh" cmake make g++ "${BENCH_PACKAGES[@]}"

build="$top/build-bench"
cmake -S "$top" --preset bench -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target zarkel_bench zarkel_write_memory \
  zarkel_map_bench

echo "== machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p' | head -1)," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
echo "== speed"
"$build/bench/zarkel_bench" "$@" || status=1
echo
echo "== peak memory of the writes, memory of the edit history"
"$build/bench/zarkel_write_memory" || status=1
echo
echo "== frames of the Map page"
QT_QPA_PLATFORM=offscreen "$build/bench/zarkel_map_bench" "$@" || status=1
echo
echo "== whole zarkel-cli runs against cp, files in memory"
"$top/scripts/bench-cli.sh" || status=1
[ "$status" -eq 0 ] && echo "Every target met." || echo "A target was missed."
exit "$status"
