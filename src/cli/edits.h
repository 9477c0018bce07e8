// The controls of the window that the edits work on, and the edits themselves, each done by the
// operation the window's control runs.
#pragma once

#include <cstdint>
#include <stdexcept>

#include "cli/command_line.h"
#include "model/dialogs.h"
#include "roster/campaign_values.h"

namespace zarkel::cli {

// What the window's controls hold between the open and a writer.
struct Controls {
  SideButtons side;             // RadioButton3 / RadioButton4
  std::int32_t battleType = 0;  // the spin control
  LimitTexts limitTexts;        // Edit3 .. Edit11
};

// An edit that cannot be made as written on the command line: an undo or a redo with nothing to
// undo or redo. The run ends as at a usage error.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Does `edit` as the window's operation does it. Returns false when the operation stopped at a
// message (a rejected used status), which ends the run. Throws EditorError on a failure,
// Refusal for a line that is not on its list, and UsageError for an undo or a redo with nothing
// to take.
bool ApplyEdit(EditorState& state, Dialogs& dialogs, Controls& controls, const Edit& edit);

}  // namespace zarkel::cli
