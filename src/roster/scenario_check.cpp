#include "roster/scenario_check.h"

#include <array>
#include <cctype>
#include <map>
#include <utility>

#include "base/errors.h"
#include "base/integer_text.h"
#include "roster/campaign_values.h"
#include "roster/plausible_content.h"

namespace zarkel {

namespace {

constexpr std::int32_t kFirstAirClass = 15;  // "Fighter"
constexpr std::int32_t kLastAirClass = 18;   // "Air Transport"

constexpr const char* kStackingNotChecked =
    "Units sharing a hex were not checked: no equipment file is loaded, so air units cannot be "
    "told from the others.";

// A rostered unit and where the lists show it.
struct ListedUnit {
  std::int32_t unitIndex = 0;
  std::int32_t side = 0;
  bool aux = false;
  std::int32_t line = 0;  // line of its side's core or auxiliary list, counted as asked
};

std::vector<ListedUnit> ListedUnits(const ScenarioData& scenario, LineNumbers numbering) {
  const std::int32_t first = numbering == LineNumbers::FromOne ? 1 : 0;
  std::vector<ListedUnit> listed;
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    std::array<std::int32_t, 2> lines{first, first};
    for (const RosterPair& pair : scenario.rosters[side].pairs) {
      const bool aux = pair.auxFlag == 1;
      listed.push_back(ListedUnit{pair.unitIndex, side, aux, lines[aux ? 1 : 0]++});
    }
  }
  return listed;
}

std::string Capitalized(std::string text) {
  if (!text.empty())
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

// "Panzer IV" (Axis, core line 2)
std::string UnitLabel(const ScenarioData& scenario, const ListedUnit& unit) {
  return "\"" + scenario.units.at(unit.unitIndex).ShownName() + "\" (" + SideName(unit.side) +
         ", " + (unit.aux ? "auxiliary" : "core") + " line " + std::to_string(unit.line) + ")";
}

std::string Hex(std::int32_t column, std::int32_t row) {
  return "column " + std::to_string(column) + ", row " + std::to_string(row);
}

// The caption of a limit's edit without its blanks and its footnote mark.
std::string LimitName(std::int32_t field) {
  std::string caption = LimitCaptionInMessages(field);
  const std::string mark = " ***";
  if (caption.size() >= mark.size() &&
      caption.compare(caption.size() - mark.size(), mark.size(), mark) == 0)
    caption.erase(caption.size() - mark.size());
  return caption;
}

// The figure of "Update Current Values" a limit holds back.
std::int32_t LimitedFigure(const CurrentUnitCounts& counts, std::int32_t field) {
  const LimitSetting& limit = Limit(field);
  const auto side = static_cast<std::size_t>(limit.side);
  switch (limit.count) {
    case LimitedCount::Core:
      return counts.core[side];
    case LimitedCount::Aux:
      return counts.aux[side];
    case LimitedCount::NonNavalCore:
      return counts.nonNavalCore[side];
    case LimitedCount::NavalCore:
      break;
  }
  return counts.navalCore[side];
}

// True when the equipment table gives the unit's class: without it a unit is neither known to
// be an air unit nor known not to be one.
bool ClassKnown(const EditorState& state, const UnitRecord& unit) {
  return state.equipment.ClassKnown(unit.equipmentId());
}

// A limit of land or navy units holds against a count that needs every core unit's class.
bool NeedsClasses(std::int32_t field) {
  const LimitedCount count = Limit(field).count;
  return count == LimitedCount::NonNavalCore || count == LimitedCount::NavalCore;
}

void CheckPlacement(const EditorState& state, const std::vector<ListedUnit>& listed,
                    std::vector<Finding>& findings) {
  const ScenarioData& scenario = state.scenario;
  const std::int32_t columns = scenario.geometry.mapSizeA;
  const std::int32_t rows = scenario.geometry.mapSizeB;
  // The placed units of each hex whose class is known, air units apart from the others, in list
  // order.
  std::map<std::pair<std::int32_t, std::int32_t>, std::array<std::vector<ListedUnit>, 2>> hexes;
  for (const ListedUnit& entry : listed) {
    const UnitRecord& unit = scenario.units.at(entry.unitIndex);
    if (unit.IsUnused())
      continue;
    const std::int32_t column = unit.columnLow();
    const std::int32_t row = unit.rowLow();
    if (column >= columns || row >= rows) {
      findings.push_back(Finding{FindingKind::OutsideMap, entry.side, entry.unitIndex,
                                 UnitLabel(scenario, entry) + " is placed at " + Hex(column, row) +
                                     ", outside the " + std::to_string(columns) + " x " +
                                     std::to_string(rows) + " map."});
    }
    if (!ClassKnown(state, unit))
      continue;
    const bool air = IsAirClass(state.equipment.ClassOf(unit.equipmentId()));
    hexes[{column, row}][air ? 1 : 0].push_back(entry);
  }
  for (const auto& [hex, groups] : hexes) {
    for (std::size_t air = 0; air < groups.size(); ++air) {
      const std::vector<ListedUnit>& group = groups[air];
      for (std::size_t i = 1; i < group.size(); ++i) {
        findings.push_back(Finding{
            FindingKind::SharedHex, group[i].side, group[i].unitIndex,
            UnitLabel(scenario, group[0]) + " and " + UnitLabel(scenario, group[i]) + " share " +
                Hex(hex.first, hex.second) +
                (air == 1 ? ", and both are air units." : ", and neither is an air unit.")});
      }
    }
  }
}

void CheckCounts(const EditorState& state, const LimitTexts& limitTexts,
                 std::vector<Finding>& findings) {
  const CurrentUnitCounts counts = CountRosteredUnits(state);
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    const std::string sideName = Capitalized(SideName(side));
    if (counts.core[side] > kMaxCoreUnits) {
      findings.push_back(Finding{FindingKind::TooManyUnits, side, 0,
                                 sideName + " has " + std::to_string(counts.core[side]) +
                                     " core units; a side holds at most " +
                                     std::to_string(kMaxCoreUnits) + "."});
    }
    if (counts.aux[side] > kMaxAuxUnits) {
      findings.push_back(Finding{FindingKind::TooManyUnits, side, 0,
                                 sideName + " has " + std::to_string(counts.aux[side]) +
                                     " auxiliary units; a side holds at most " +
                                     std::to_string(kMaxAuxUnits) + "."});
    }
  }

  // The limits of the Axis first, then those of the Allies, each in edit order; those a writer
  // would refuse after all the others.
  std::vector<Finding> notWritable;
  for (const std::int32_t side : {0, 1}) {
    for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
      if (Limit(field).side != side)
        continue;
      const std::string& text = limitTexts[static_cast<std::size_t>(field)];
      std::int32_t limit = 0;
      try {
        limit = ParseByte(text, LimitName(field));
      } catch (const ConversionError&) {
        notWritable.push_back(Finding{FindingKind::LimitNotWritable, side, 0,
                                      "The limit \"" + LimitName(field) + "\" is '" + text +
                                          "', which is not a number from 0 to 255; writing will "
                                          "refuse it."});
        continue;
      }
      if (NeedsClasses(field) && counts.unknownClassCore[static_cast<std::size_t>(side)] > 0)
        continue;
      const std::int32_t count = LimitedFigure(counts, field);
      if (limit < count) {
        findings.push_back(Finding{
            FindingKind::LimitBelowCount, side, 0,
            "The limit \"" + LimitName(field) + "\" is " + std::to_string(limit) + ", but " +
                SideName(side) + " has " + std::to_string(count) + " " +
                LimitedCountWords(Limit(field).count) + (count == 1 ? " unit." : " units.")});
      }
    }
  }
  findings.insert(findings.end(), notWritable.begin(), notWritable.end());
}

// The limits of land and navy units left unchecked, and why: one note without an equipment
// file, else one for each side with core units of unknown class.
void NoteUncheckedLimits(const EditorState& state, std::vector<std::string>& notes) {
  const CurrentUnitCounts counts = CountRosteredUnits(state);
  if (state.equipment.equipmentCount == 0) {
    if (counts.unknownClassCore[0] + counts.unknownClassCore[1] > 0)
      notes.push_back(
          "The land and navy core limits were not checked: " + UnknownClassReason(0, false) + ".");
    return;
  }
  for (const std::int32_t side : {0, 1}) {
    const std::int32_t unknown = counts.unknownClassCore[static_cast<std::size_t>(side)];
    if (unknown > 0) {
      notes.push_back("The land and navy core limits of the " + Capitalized(SideName(side)) +
                      " were not checked: " + UnknownClassReason(unknown, true) + ".");
    }
  }
}

void CheckEquipment(const EditorState& state, const std::vector<ListedUnit>& listed,
                    std::vector<Finding>& findings) {
  const std::int32_t entries = state.equipment.equipmentCount;
  if (entries == 0)
    return;
  for (const ListedUnit& entry : listed) {
    const std::int32_t id = state.scenario.units.at(entry.unitIndex).equipmentId();
    if (id < entries)
      continue;
    findings.push_back(Finding{FindingKind::UnknownEquipment, entry.side, entry.unitIndex,
                               UnitLabel(state.scenario, entry) + " has equipment id " +
                                   std::to_string(id) + ", outside the equipment table (ids 0 to " +
                                   std::to_string(entries - 1) + ")."});
  }
}

}  // namespace

bool IsAirClass(std::int32_t unitClass) {
  return unitClass >= kFirstAirClass && unitClass <= kLastAirClass;
}

ScenarioCheck CheckScenario(const EditorState& state, const LimitTexts& limitTexts,
                            LineNumbers lines) {
  const std::vector<ListedUnit> listed = ListedUnits(state.scenario, lines);
  ScenarioCheck check;
  const std::vector<std::string> implausible = ImplausibleContent(state);
  if (!implausible.empty()) {
    check.findings.push_back(
        Finding{FindingKind::ImplausibleContent, 0, 0, ImplausibleContentText(state, implausible)});
  }
  CheckPlacement(state, listed, check.findings);
  CheckCounts(state, limitTexts, check.findings);
  CheckEquipment(state, listed, check.findings);
  if (state.equipment.equipmentCount == 0)
    check.notes.push_back(kStackingNotChecked);
  NoteUncheckedLimits(state, check.notes);
  return check;
}

}  // namespace zarkel
