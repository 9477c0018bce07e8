#include "roster/campaign_values.h"

#include "base/errors.h"
#include "base/integer_text.h"

namespace zarkel {

CampaignValuesDisplay ShowCampaignValues(const ScenarioData& scenario) {
  CampaignValuesDisplay display;
  display.battleType = ClampBattleType(scenario.battleType);
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
    display.limitTexts[field] = std::to_string(scenario.limits[field]);
  }
  return display;
}

void CommitCampaignValues(ScenarioData& scenario, std::int32_t spinValue, const LimitTexts& texts) {
  scenario.battleType = LowByte(spinValue);
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
    const std::string caption = LimitCaptionInMessages(field);
    try {
      scenario.limits[field] = ParseByte(texts[field], caption);
    } catch (const ConversionError& error) {
      // The same refusal, and which of the eight edits holds the text.
      throw error.Naming(caption);
    }
  }
}

CurrentUnitCounts CountRosteredUnits(const EditorState& state) {
  CurrentUnitCounts counts;
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    for (const RosterPair& pair : state.scenario.rosters[side].pairs) {
      if (pair.auxFlag == 1) {
        ++counts.aux[side];
        continue;
      }
      ++counts.core[side];
      const auto& unit = state.scenario.units.at(pair.unitIndex);
      if (!state.equipment.ClassKnown(unit.equipmentId())) {
        ++counts.unknownClassCore[side];
      } else if (IsNavalClass(state.equipment.ClassOf(unit.equipmentId()))) {
        ++counts.navalCore[side];
      } else {
        ++counts.nonNavalCore[side];
      }
    }
  }
  return counts;
}

UnitCountCaptions CountCurrentUnits(EditorState& state) {
  const CurrentUnitCounts counts = CountRosteredUnits(state);
  state.unitCounts = counts;

  std::int32_t unknown = 0;
  auto figures = [&](std::int32_t side) {
    // Without every core unit's class, neither figure is known.
    const bool known = counts.unknownClassCore[side] == 0;
    unknown += counts.unknownClassCore[side];
    return std::array<std::string, 4>{
        std::to_string(counts.core[side]), std::to_string(counts.aux[side]),
        known ? std::to_string(counts.nonNavalCore[side]) : kUnknownFigure,
        known ? std::to_string(counts.navalCore[side]) : kUnknownFigure};
  };
  UnitCountCaptions captions{figures(0), figures(1), {}};
  if (unknown > 0) {
    captions.note = "Non-naval and naval counts unknown: " +
                    UnknownClassReason(unknown, state.equipment.equipmentCount > 0) + ".";
  }
  return captions;
}

}  // namespace zarkel
