// The rosters of the side shown: the six unit lists of the window, the maps from a list line
// back to the unit, the core composition by class and the experience figures. Every operation
// that changes a roster or a unit ends with RefreshRosters.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/editor_state.h"
#include "model/roster_display.h"

namespace zarkel {

// A roster line of the transfer page: the experience (seven spaces when 0, else the number and
// six spaces) followed by the name as shown.
std::string ExperienceLine(const UnitRecord& unit);

// Rounding half up of an average experience, capped at 5.
std::int32_t RoundExperience(float x);
// Fixed notation with two decimals, rounding halves away from zero: 2.6666667 gives "2.67".
std::string FormatAverage(float x);

RosterDisplay RefreshRosters(EditorState& state, SideButtons side);
ExperienceCaptions UpdateExperience(EditorState& state, SideButtons side);

// The click on a side button: the current side follows the checked button, then a refresh.
RosterDisplay SelectSide(EditorState& state, SideButtons side);

}  // namespace zarkel
