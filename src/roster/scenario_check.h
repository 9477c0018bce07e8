// The scenario check: the mistakes that otherwise surface only when the game loads the scenario
// (a unit outside the map, two units on one hex, more units than a side holds, a campaign limit
// below the count it limits, an equipment id the equipment table does not hold). It only
// informs: no writer consults it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/editor_state.h"
#include "model/scenario_findings.h"

namespace zarkel {

// Unit classes 15 to 18: fighter, tactical bomber, level bomber, air transport.
bool IsAirClass(std::int32_t unitClass);

// Checks the rostered units of the three sides. `limitTexts` are the texts of the eight limit
// edits, each read as a writer converts it; a text the writer would refuse is a finding of its
// own. A unit's class is known only from the equipment file: without one (an entry count of 0)
// there is no table to hold the equipment ids against and no unit is told to be an air unit or
// not, so units sharing a hex are not checked and a note says so; with one, a unit whose id is
// beyond the table is left out of that pairing too. Findings come in the order of the kinds
// above, then by side and list order.
ScenarioCheck CheckScenario(const EditorState& state, const LimitTexts& limitTexts,
                            LineNumbers lines);

}  // namespace zarkel
