#include "roster/side_rosters.h"

#include <cmath>
#include <cstdio>

namespace zarkel {

std::string ExperienceLine(const UnitRecord& unit) {
  const std::uint8_t experience = unit.experience();
  if (experience == 0)
    return "       " + unit.ShownName();
  return std::to_string(experience) + "      " + unit.ShownName();
}

std::int32_t RoundExperience(float x) {
  std::int32_t result = 0;
  for (const float threshold : {0.5f, 1.5f, 2.5f, 3.5f, 4.5f}) {
    if (x >= threshold)
      ++result;
  }
  return result;
}

std::string FormatAverage(float x) {
  // The float's exact value times 100 is exact in a double, so a value lying exactly halfway
  // (such as 0.125) rounds up, as the game's tools show it, and no other value is disturbed.
  const double hundredths = std::floor(static_cast<double>(x) * 100.0 + 0.5);
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", hundredths / 100.0);
  return text;
}

ExperienceCaptions UpdateExperience(EditorState& state, SideButtons side) {
  RosterView& view = state.view;
  const Rosters& rosters = state.scenario.rosters;
  std::array<bool, kSideCount> hasUnits{};
  for (std::int32_t s = 0; s < kSideCount; ++s) {
    const std::int32_t m = rosters[s].rosterCount();
    hasUnits[s] = m > 0;
    float sum = 0.0f;
    for (const RosterPair& pair : rosters[s].pairs) {
      sum += static_cast<float>(state.scenario.units.at(pair.unitIndex).experience());
    }
    view.experienceAverage[s] = m > 0 ? sum / static_cast<float>(m) : 0.0f;
  }
  for (std::int32_t s = 0; s < 2; ++s) {
    view.newUnitExperience[s] = RoundExperience(view.experienceAverage[s]);
  }

  // A side without units has no average to show.
  auto average = [&](std::int32_t s) {
    return hasUnits[s] ? FormatAverage(view.experienceAverage[s]) : std::string();
  };
  auto newUnit = [&](std::int32_t s) {
    return hasUnits[s] ? std::to_string(view.newUnitExperience[s]) : std::string();
  };
  ExperienceCaptions captions;
  captions.axisAverage = average(0);
  captions.axisNewUnit = newUnit(0);
  captions.alliedAverage = average(1);
  captions.alliedNewUnit = newUnit(1);
  if (side.axis) {
    captions.pageAverage = average(0);
    captions.pageNewUnit = newUnit(0);
  }
  if (side.allies) {
    captions.pageAverage = average(1);
    captions.pageNewUnit = newUnit(1);
  }
  return captions;
}

RosterDisplay RefreshRosters(EditorState& state, SideButtons side) {
  RosterView& view = state.view;
  view.compositionCounts.fill(0);
  view.coreListMap.clear();
  view.auxListMap.clear();

  RosterDisplay display;
  std::int32_t unknownClasses = 0;
  const SideRoster& roster = state.scenario.rosters.at(view.currentSide);
  for (std::int32_t n = 1; n <= roster.rosterCount(); ++n) {
    const RosterPair& pair = roster.pairs.at(n);
    const UnitRecord& unit = state.scenario.units.at(pair.unitIndex);
    const std::string name = unit.ShownName();
    if (pair.auxFlag == 0) {
      display.coreNames.push_back(name);
      display.coreLines.push_back(ExperienceLine(unit));
      const std::int32_t unitClass = state.equipment.ClassOf(unit.equipmentId());
      // A class without a name (20 or more) has no counter, nor has a class unknown.
      if (!state.equipment.ClassKnown(unit.equipmentId()))
        ++unknownClasses;
      else if (unitClass < kUnitClassCount)
        ++view.compositionCounts[unitClass];
      view.coreListMap.push_back(n);
      if (unit.IsUnused())
        display.unusedCoreNames.push_back(name);
    } else {
      display.auxLines.push_back(ExperienceLine(unit));
      display.auxNames.push_back(name);
      view.auxListMap.push_back(n);
      if (unit.IsUnused())
        display.unusedAuxNames.push_back(name);
    }
  }

  if (side.axis)
    display.sideCaption = "  Axis";
  if (side.allies)
    display.sideCaption = "Allied";
  display.experience = UpdateExperience(state, side);

  const auto& rows = CompositionRows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::int32_t count = view.compositionCounts[rows[i].unitClass];
    display.compositionCaptions[i] = count == 0 ? std::string() : std::to_string(count);
  }
  if (unknownClasses > 0)
    display.compositionNote =
        "Not counted: " + UnknownClassReason(unknownClasses, state.equipment.equipmentCount > 0) +
        ".";
  return display;
}

RosterDisplay SelectSide(EditorState& state, SideButtons side) {
  if (side.axis)
    state.view.currentSide = 0;
  if (side.allies)
    state.view.currentSide = 1;
  return RefreshRosters(state, side);
}

}  // namespace zarkel
