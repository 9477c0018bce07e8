// Undo and redo of the steps in the edit history, for the window's Edit menu and for
// zarkel-cli's --undo and --redo. A step is undone or redone on the side it was made on: that
// side becomes the one shown, so that the lists show the change.
#pragma once

#include <optional>
#include <string>

#include "roster/side_rosters.h"

namespace zarkel {

// What the step an undo (or a redo) would take is called: "Transfer of 3 units to auxiliary",
// "Transfer of 1 unit to core", "Change of Grenadiers" (the unit's name as shown). None when
// there is nothing to undo (or redo).
std::optional<std::string> UndoName(const EditorState& state);
std::optional<std::string> RedoName(const EditorState& state);

// Takes the last step back: the scenario and its rosters as they were before it, its side the
// current side, and the refresh every edit ends with, as with that side's button checked.
// Returns none, changing nothing, when there is no step to undo.
std::optional<RosterDisplay> UndoEdit(EditorState& state);
// Makes the step after the last one done again: the scenario and its rosters as they were after
// it, then as UndoEdit. None when there is no step to redo.
std::optional<RosterDisplay> RedoEdit(EditorState& state);

}  // namespace zarkel
