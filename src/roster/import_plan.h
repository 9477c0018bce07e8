// A plan of unit edits read from an order of battle, and its application to the open scenario
// as one change: core or auxiliary, column, row, placement and experience of any units of the two
// sides the window lists. The plan holds only what differs from the scenario it was made against;
// applying it returns what a history step needs to take it back and make it again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/edit_history.h"
#include "model/editor_state.h"

namespace zarkel {

// What an import changes in one unit; a field that is none stays as it is.
struct UnitImportEdit {
  std::int32_t side = 0;      // 0 Axis, 1 Allies
  std::int32_t position = 0;  // in the side's roster, from 1
  std::int32_t line = 0;      // the line of the file it comes from, as a spreadsheet numbers it
  std::optional<std::uint8_t> auxFlag;  // 1 moves the unit to the auxiliary units, 0 to the core
  std::optional<std::uint8_t> column;   // low byte of the column
  std::optional<std::uint8_t> row;      // low byte of the row
  std::optional<bool> placed;           // true for Used "0", false for "NO"
  std::optional<std::uint8_t> experience;

  bool PlacementChanges() const { return column || row || placed; }
};

struct ImportPlan {
  std::string fileName;  // the file's name as the user sees it, without its folder: "OB.csv"
  std::vector<UnitImportEdit> edits;  // in the order of the file's lines

  bool Empty() const { return edits.empty(); }
};

// The status line of an import: `Imported "OB.csv": 3 units moved to auxiliary, 12 placements
// changed, 4 experience changes`, counting units (one unit may count in several parts);
// `Importing "OB.csv" changes nothing` for an empty plan.
std::string ImportSummary(const ImportPlan& plan);

// Everything an applied import changed, before and after: enough to take it back and to make it
// again without the plan.
struct AppliedImport {
  std::vector<RosterFlagChange> flags;
  std::vector<UnitChangeStep> units;  // the bytes of each unit record that changed

  bool Empty() const { return flags.empty() && units.empty(); }
};

// Applies every edit of `plan` at once; a "NO" placement sets the not-placed mark as "Accept
// Changes" does (the plan carries the zeroed column and row). Records no history step and
// refreshes no list: the caller does both. Throws Refusal, changing nothing, when an edit names
// a side or a roster position the scenario does not have (a plan made against another state).
AppliedImport ApplyImportPlan(EditorState& state, const ImportPlan& plan);

// The scenario as it was before the import, and as it was after it.
void RevertImport(EditorState& state, const AppliedImport& applied);
void ReapplyImport(EditorState& state, const AppliedImport& applied);

}  // namespace zarkel
