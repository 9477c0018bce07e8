// The scenario type and the eight campaign limits. Between an opening and a write they live as
// the entries of the scenario (as typed); the opening sets them, a writer converts them.
#pragma once

#include <cstdint>
#include <string>

#include "model/campaign_display.h"
#include "model/editor_state.h"

namespace zarkel {

// What the controls show after an opening.
CampaignValuesDisplay ShowCampaignValues(const ScenarioData& scenario);

// Takes the type from the spin control (its low 8 bits) and converts each limit text in edit
// order, storing each as soon as it is converted. Throws ConversionError, naming the limit, at
// the first text that is not an integer or not a number from 0 to 255; the limits before it are
// stored by then.
void CommitCampaignValues(ScenarioData& scenario, std::int32_t spinValue, const LimitTexts& texts);

// The figures of "Update Current Values": every rostered unit of each side, placed or not.
CurrentUnitCounts CountRosteredUnits(const EditorState& state);

// "Update Current Values": counts every rostered unit of each side.
UnitCountCaptions CountCurrentUnits(EditorState& state);

}  // namespace zarkel
