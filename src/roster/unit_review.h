// Reviewing one unit of the current side and changing its column, row, placement and
// experience, on the "Core Units" and "Aux Units " pages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/dialogs.h"
#include "model/unit_edit.h"
#include "roster/side_rosters.h"

namespace zarkel {

// The unit behind a line of "All Core Units" (ListBox1) or "All Auxillary Units" (ListBox4);
// none when no line (or no valid line) is selected.
std::optional<ReviewFields> ReviewUnit(const EditorState& state, UnitPage page,
                                       std::optional<std::int32_t> selectedLine);

// Where a unit stands on the lists of the side shown; none when the unit is on neither list (of
// another side, or the lists not built).
std::optional<ListedLine> ListedLineOf(const EditorState& state, std::int32_t unitIndex);

// The checks of "Accept Changes", for other edits that take typed texts (the import of an order
// of battle): the byte stored for a column, row or experience text, or UnitFieldError
// (model/unit_edit.h);
// whether a used text is one of the two valid entries, and the message for one that is not.
std::uint8_t UnitFieldByte(const std::string& text, UnitField field);
bool IsValidUsedText(const std::string& text);
const char* UsedTextRejection();

// "Accept Changes", all or nothing. Column, row and experience are converted in that order; a
// text that is not an integer, or a number outside 0 to 255, throws UnitFieldError for the first
// such field, and the used text must be exactly "0" or "NO". Every field is checked before any
// is stored: an accept refused for any of them leaves the unit as it was. The bytes an accept
// changed make one step of the edit history.
AcceptResult AcceptUnitChanges(EditorState& state, Dialogs& dialogs, UnitPage page,
                               std::optional<std::int32_t> selectedLine, const UnitEditTexts& texts,
                               SideButtons side);

// A click on "Unused Core Units " or "Unused Auxillary Units": those lines only inform.
RosterDisplay UnusedListClick(EditorState& state, Dialogs& dialogs, SideButtons side);

}  // namespace zarkel
