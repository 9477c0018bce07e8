// Moving units of the current side between its core and its auxiliary units.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "roster/side_rosters.h"

namespace zarkel {

// "Transfer =>": the selected lines of the core list become auxiliary units, one step of the
// edit history. Returns the refresh, or none when no line is selected (then nothing happens at
// all). Throws Refusal, changing nothing, when the side would have more than 120 auxiliary
// units.
std::optional<RosterDisplay> TransferToAux(EditorState& state,
                                           const std::vector<std::int32_t>& selectedLines,
                                           SideButtons side);

// "<= Transfer": the selected lines of the auxiliary list become core units; refused beyond 80.
std::optional<RosterDisplay> TransferToCore(EditorState& state,
                                            const std::vector<std::int32_t>& selectedLines,
                                            SideButtons side);

}  // namespace zarkel
