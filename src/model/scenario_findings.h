// What the scenario check found, as plain values every face shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarkel {

enum class FindingKind {
  ImplausibleContent,  // the scenario does not look like one at all (plausible_content.h)
  OutsideMap,          // a placed unit at a column or row beyond the map
  SharedHex,           // two placed air units, or two placed units that are not air units, on a hex
  TooManyUnits,        // a side with more than 80 core or 120 auxiliary units
  LimitBelowCount,     // a campaign limit below the figure of "Update Current Values" it limits
  LimitNotWritable,    // a campaign limit text that a writer would refuse (not a number, or not
                       // a number from 0 to 255)
  UnknownEquipment,    // an equipment id at or beyond the entry count of the equipment file read
};

// "implausible-content", "outside-map", "shared-hex", "too-many-units", "limit-below-count",
// "limit-not-writable", "unknown-equipment".
const char* FindingKindName(FindingKind kind);

struct Finding {
  FindingKind kind = FindingKind::OutsideMap;
  std::int32_t side = 0;  // 0 Axis, 1 Allies, 2 the third side
  std::int32_t unit = 0;  // UnitTable position of the unit concerned (for a shared hex the
                          // second of the two); 0 for a finding about a whole side
  std::string text;       // one sentence naming everything involved
};

// How a finding counts the lines of a list: from 0, as zarkel-cli's --core-unit and --to-aux
// take them, or from 1, as a person counts the lines of the window's lists.
enum class LineNumbers { FromZero, FromOne };

struct ScenarioCheck {
  std::vector<Finding> findings;
  // What the check could not look at, and why. Notes only inform: they are not findings.
  std::vector<std::string> notes;
};

}  // namespace zarkel
