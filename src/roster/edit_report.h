// What an edit did, in one line for a status bar: the window shows these lines, and every other
// face that reports edits takes the same ones. UTF-8; unit names are taken as Latin-1, control
// bytes shown as "?".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/editor_state.h"
#include "roster/unit_review.h"

namespace zarkel {

// A step just made, with the scenario as it left it: "Transferred 2 units to auxiliary",
// `Moved "Grenadiers" to column 12, row 7` (a placed unit given another hex and nothing else),
// `Changed "Grenadiers": column 3, row 4, experience 5`, `Changed "Grenadiers": not placed`,
// `Changed "Type of Scenario" to 2`, `Changed "max axis core" to '50'` (the text as typed).
std::string StepDoneText(const EditorState& state, const EditStep& step);

// The line of the step an operation recorded, told by the history's count of recorded steps
// taken before it ran; none when it recorded none (nothing selected, a refusal, no change).
std::optional<std::string> RecordedStepText(const EditorState& state, std::uint64_t recordedBefore);

// "Accept Changes" on a page: the step it recorded, else `No change to "Grenadiers"` for the
// unit behind the line; none when no unit is behind it.
std::optional<std::string> AcceptText(const EditorState& state, UnitPage page,
                                      std::optional<std::int32_t> line,
                                      std::uint64_t recordedBefore);

// Taken before an undo (a redo) and shown after it: "Undid: Transfer of 2 units to auxiliary",
// "Redid: Change of Grenadiers", named as the Edit menu names the step. None when there is
// nothing to undo (redo).
std::optional<std::string> UndoText(const EditorState& state);
std::optional<std::string> RedoText(const EditorState& state);

}  // namespace zarkel
