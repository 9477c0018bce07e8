// The checks every scenario writer makes of its source before it writes a byte: that a scenario
// is open, and that its source file is still the file that was opened. Its targets are checked
// by CheckWriteTargets (files_in_use.h).
#pragma once

#include "base/source_file.h"
#include "model/editor_state.h"

namespace zarkel {

// What an edit or a write made with no scenario open says.
inline constexpr const char* kNoScenarioOpen =
    "No scenario is open. Open one on the \"Open File\" page first.";

// Throws Refusal when no scenario has been opened; returns the layout of the last opening.
ScenarioLayout RequireOpenScenario(const ScenarioData& scenario);

// Throws Refusal when the source scenario is now shorter than its layout needs or its size has
// changed since it was opened: the geometry read at opening would no longer describe it.
void RequireUnchangedSource(const ScenarioData& scenario, SourceFile& source);

}  // namespace zarkel
