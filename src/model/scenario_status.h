// The scenario that is open, as a status bar names it. UTF-8.
#pragma once

#include <string>

#include "model/editor_state.h"

namespace zarkel {

// "kardel.scn · Homemade · map 40 x 30 · 63 units"; empty before a scenario is opened.
std::string ScenarioStatusText(const ScenarioData& scenario);

// `Opened "/home/me/scn/kardel.scn"`, the path in the system's own separators.
std::string OpenedText(const ScenarioData& scenario);

}  // namespace zarkel
