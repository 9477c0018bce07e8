// The scenario type and the eight campaign limits. Between an opening and a write they live as
// the entries of the scenario (as typed); the opening sets them, a writer converts them.
#pragma once

#include <cstdint>
#include <string>

#include "model/editor_state.h"

namespace zarkel {

// The spin control of the scenario type keeps its value within 0 and 2.
std::int32_t ClampBattleType(std::int64_t value);

// The type for the spin control, brought into 0..2, and the limits as decimal texts.
using CampaignValuesDisplay = CampaignEntries;

// What the controls show after an opening.
CampaignValuesDisplay ShowCampaignValues(const ScenarioData& scenario);

// Takes the type from the spin control (its low 8 bits) and converts each limit text in edit
// order, storing each as soon as it is converted. Throws ConversionError, naming the limit, at
// the first text that is not an integer or not a number from 0 to 255; the limits before it are
// stored by then.
void CommitCampaignValues(ScenarioData& scenario, std::int32_t spinValue, const LimitTexts& texts);

// The captions of "Current Unit Characteristics", by side: core, aux, non-naval core, naval core
// (Label64..Label67 for the Axis, Label73..Label76 for the Allies).
// A figure that needs classes the equipment file does not give.
constexpr const char* kUnknownFigure = "?";
struct UnitCountCaptions {
  std::array<std::string, 4> axis;
  std::array<std::string, 4> allied;
  std::string note;  // why a figure is kUnknownFigure; empty when every figure is known
};

// The figures of "Update Current Values": every rostered unit of each side, placed or not.
CurrentUnitCounts CountRosteredUnits(const EditorState& state);

// "Update Current Values": counts every rostered unit of each side.
UnitCountCaptions CountCurrentUnits(EditorState& state);

}  // namespace zarkel
