// What one operation of the session changed, as it tells the views that follow the session.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/roster_display.h"
#include "model/unit_edit.h"
#include "model/written_files.h"

namespace zarkel {

// A unit shown for review: the line of its page's list and the page's twelve fields.
struct UnitReview {
  UnitPage page = UnitPage::Core;
  std::int32_t line = 0;
  ReviewFields fields;
};

struct SessionChange {
  bool opened = false;  // a scenario was opened: everything shown before is stale
  bool side = false;    // the side chosen changed (a side button, an undo on the other side)
  // The refresh the lists now show; with it the review fields empty out and choices are gone.
  std::optional<RosterDisplay> rosters;
  std::optional<UnitReview> review;  // a unit chosen for review
  bool campaignEntries = false;      // the type or a limit text reads otherwise
  bool history = false;  // steps were made, undone or redone, or a write marked them written
  std::optional<WrittenFiles> written;
  std::string status;  // what the operation did, for a status line; empty: nothing to say

  bool Empty() const {
    return !opened && !side && !rosters && !review && !campaignEntries && !history && !written &&
           status.empty();
  }
};

}  // namespace zarkel
