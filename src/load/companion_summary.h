// What the companion files of an open Original scenario hold, read the way the writers read
// them: the number of place names and the lengths of the description and the title, or why a
// file cannot give them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/companion_reading.h"
#include "model/editor_state.h"

namespace zarkel {

// What an opening of an Original scenario adds to its status line about companion files that
// are not there, which a campaign or Homemade write needs: `; not found: "SVESSIN.tst" and
// "VESSIN.tit" (a campaign or Homemade write needs them)`, a file beside the scenario named by
// its name alone. Empty when every file is there, and for a Homemade scenario.
std::string MissingCompanionsNote(FileSystem& files, const ScenarioData& scenario);

// Reads the three files. A place-name file that a writer would refuse (a name too long, too many
// names) gives that refusal as its problem.
CompanionSummary ReadCompanionSummary(FileSystem& files, const CompanionPaths& paths);

}  // namespace zarkel
