// Undo and redo of the steps in the edit history, for the window's Edit menu and for
// zarkel-cli's --undo and --redo. A transfer or a unit change is undone or redone on the side it
// was made on: that side becomes the one shown, so that the lists show the change. A change of
// the type or of a limit leaves the side and the lists as they are.
#pragma once

#include <optional>
#include <string>

#include "model/undone_step.h"
#include "roster/side_rosters.h"

namespace zarkel {

// What the step an undo (or a redo) would take is called: "Transfer of 3 units to auxiliary",
// "Transfer of 1 unit to core", "Change of Grenadiers" (the unit's name as shown), "Change of
// Type of Scenario", "Change of max axis core" (the limit's caption as messages give it). None
// when there is nothing to undo (or redo).
std::optional<std::string> UndoName(const EditorState& state);
std::optional<std::string> RedoName(const EditorState& state);

// Takes the last step back: the scenario as it was before it. Returns none, changing nothing,
// when there is no step to undo.
std::optional<UndoneStep> UndoStep(EditorState& state);
// Makes the step after the last one done again: the scenario as it was after it. None when there
// is no step to redo.
std::optional<UndoneStep> RedoStep(EditorState& state);

// The same, for callers that show only the lists.
std::optional<RosterDisplay> UndoEdit(EditorState& state);
std::optional<RosterDisplay> RedoEdit(EditorState& state);

}  // namespace zarkel
