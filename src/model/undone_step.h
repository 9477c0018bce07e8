// What an undo or a redo of the Edit menu changed.
#pragma once

#include <optional>
#include <string>

#include "model/roster_display.h"

namespace zarkel {

// What an undo or a redo changed.
struct UndoneStep {
  std::string name;  // as UndoName or RedoName gave it before
  // After a transfer or a unit change: the refresh of its side, which is now the current side,
  // as with that side's button checked.
  std::optional<RosterDisplay> rosters;
  bool campaignEntries = false;  // the type or a limit text changed
};

}  // namespace zarkel
