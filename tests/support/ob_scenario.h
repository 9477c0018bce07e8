// The invented scenario whose order of battle tests/data/ob holds in both forms and as
// LibreOffice saved it again (see tests/data/ob/README.md).
#pragma once

#include <filesystem>
#include <string>

#include "model/editor_state.h"
#include "scenario_builder.h"

namespace zarkel::testing {

// Axis: "Grenadier Rgt 1", 'Panzer Abt. "Nord"' (not placed), "3-7" (core), "1E5",
// "Flak, schwere" (auxiliary); Allies: "Régiment 4" (core), "Rifles" (auxiliary, not placed);
// the third side: "Garde côtière". Names in Latin-1; the Homemade layout, which needs no
// companion files to be written.
ScenarioPlan ObFixtureScenario();

// What an import may change, as one text to compare: every unit record and roster flag.
std::string ImportableContent(const EditorState& state);

// A file of tests/data/ob as it is on disk.
std::string ObFixtureFile(const std::string& name);

}  // namespace zarkel::testing
