// The scenario type and the campaign figures as the controls show them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/editor_state.h"

namespace zarkel {

// The spin control of the scenario type keeps its value within 0 and 2.
std::int32_t ClampBattleType(std::int64_t value);

// The type for the spin control, brought into 0..2, and the limits as decimal texts.
using CampaignValuesDisplay = CampaignEntries;

// The captions of "Current Unit Characteristics", by side: core, aux, non-naval core, naval core
// (Label64..Label67 for the Axis, Label73..Label76 for the Allies).
// A figure that needs classes the equipment file does not give.
constexpr const char* kUnknownFigure = "?";
struct UnitCountCaptions {
  std::array<std::string, 4> axis;
  std::array<std::string, 4> allied;
  std::string note;  // why a figure is kUnknownFigure; empty when every figure is known
};

}  // namespace zarkel
