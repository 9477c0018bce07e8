// The scenario check: the mistakes that otherwise surface only when the game loads the scenario
// (a unit outside the map, two units on one hex, more units than a side holds, a campaign limit
// below the count it limits, an equipment id the equipment table does not hold). It only
// informs: no writer consults it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/editor_state.h"

namespace zarkel {

enum class FindingKind {
  OutsideMap,        // a placed unit at a column or row beyond the map
  SharedHex,         // two placed air units, or two placed units that are not air units, on a hex
  TooManyUnits,      // a side with more than 80 core or 120 auxiliary units
  LimitBelowCount,   // a campaign limit below the figure of "Update Current Values" it limits
  UnknownEquipment,  // an equipment id at or beyond the entry count of the equipment file read
};

// "outside-map", "shared-hex", "too-many-units", "limit-below-count", "unknown-equipment".
const char* FindingKindName(FindingKind kind);

struct Finding {
  FindingKind kind = FindingKind::OutsideMap;
  std::int32_t side = 0;  // 0 Axis, 1 Allies, 2 the third side
  std::int32_t unit = 0;  // UnitTable position of the unit concerned (for a shared hex the
                          // second of the two); 0 for a finding about a whole side
  std::string text;       // one sentence naming everything involved
};

// Unit classes 15 to 18: fighter, tactical bomber, level bomber, air transport.
bool IsAirClass(std::int32_t unitClass);

// Checks the rostered units of the three sides. `limitTexts` are the texts of the eight limit
// edits, each read as a writer stores it (its low 8 bits); a text that is not a number is left
// out here, since the writer refuses it with its own message. Without an equipment file read
// (an entry count of 0) there is no table to hold the equipment ids against. Findings come in
// the order of the kinds above, then by side and list order.
std::vector<Finding> CheckScenario(const EditorState& state, const LimitTexts& limitTexts);

}  // namespace zarkel
