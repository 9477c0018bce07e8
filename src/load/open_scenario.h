// "Open File": reading a scenario into the editor.
#pragma once

#include <optional>
#include <string>

#include "model/dialogs.h"
#include "model/open_request.h"
#include "roster/campaign_values.h"
#include "roster/side_rosters.h"

namespace zarkel {

// Opens the scenario: loads the equipment on the first opening, checks the file's size against
// its layout, reads it into a fresh state and only then replaces the loaded scenario and clears
// the edit history. Any failure (IoError, Refusal) leaves the loaded scenario as it was.
OpenResult OpenScenario(EditorState& state, Dialogs& dialogs, const OpenRequest& request);

// The size a scenario file must have for `layout`, found from its own header and length fields.
struct RequiredSize {
  std::int64_t bytes = 0;
  bool complete = false;  // false: the file ends before the fields that fix it; `bytes` is a floor
};
RequiredSize RequiredScenarioSize(SourceFile& file, ScenarioLayout layout);

// The check an opening makes of the file's size against `layout` before it reads anything:
// throws Refusal when the size does not fit, naming the other layout when the size fits that one
// exactly (the file has no marker, so its size is the only witness). A larger file is accepted.
void CheckScenarioSize(SourceFile& file, ScenarioLayout layout);

}  // namespace zarkel
