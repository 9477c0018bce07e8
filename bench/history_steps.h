// Steps of the edit history for the benchmarks: edits drawn at random with a fixed seed, so that
// every run makes the same ones.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/editor_state.h"

namespace zarkel::bench {

// Makes edits on the opened scenario of `state` until its history holds `count` steps, on the
// Axis and the Allied side by turns at random: as far as a side has room, every other edit is a
// transfer of 1 to 10 lines either way, the others accepted changes of a unit's column, row,
// placement and experience. On full rosters every step is a unit change.
void MakeHistorySteps(EditorState& state, std::size_t count, std::uint32_t seed);

}  // namespace zarkel::bench
