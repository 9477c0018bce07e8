// Reviewing one unit of the current side and changing its column, row, placement and
// experience, on the "Core Units" and "Aux Units " pages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/errors.h"
#include "model/dialogs.h"
#include "roster/side_rosters.h"

namespace zarkel {

enum class UnitPage { Core, Aux };

// The twelve review fields, in the order of the page.
struct ReviewFields {
  std::string name;            // Label26 / Label47
  std::string unitType;        // Label27 / Label48
  std::string country;         // Label28 / Label49
  std::string equipmentName;   // Label29 / Label50
  std::string landTransport;   // Label30 / Label51
  std::string navalTransport;  // Label31 / Label52
  std::string column;          // Edit14 / Edit17
  std::string row;             // Edit15 / Edit18
  std::string used;            // Edit16 / Edit19
  std::string strength;        // Label32 / Label53
  std::string entrenchment;    // Label33 / Label54
  std::string experience;      // Edit21 / Edit20
};

// The unit behind a line of "All Core Units" (ListBox1) or "All Auxillary Units" (ListBox4);
// none when no line (or no valid line) is selected.
std::optional<ReviewFields> ReviewUnit(const EditorState& state, UnitPage page,
                                       std::optional<std::int32_t> selectedLine);

// Where a unit stands on the lists of the side shown: the page and the line of its list.
struct ListedLine {
  UnitPage page = UnitPage::Core;
  std::int32_t line = 0;
};
// None when the unit is on neither list (of another side, or the lists not built).
std::optional<ListedLine> ListedLineOf(const EditorState& state, std::int32_t unitIndex);

// The four editable fields of a page.
enum class UnitField { Column, Row, Used, Experience };

// The four editable texts of a page.
struct UnitEditTexts {
  std::string column;
  std::string row;
  std::string used;
  std::string experience;
};

struct AcceptResult {
  // The refresh that ends a successful accept (or the core page's accept with nothing chosen).
  std::optional<RosterDisplay> refreshed;
  // After a used text other than "0" and "NO": what the four edits show instead.
  std::optional<UnitEditTexts> shownAfterRejection;
};

// A column, row or experience that "Accept Changes" could not store, and which of them it was.
// A text that is not an integer keeps the conversion's own text
// ("'x7' is not a valid integer value"); a number outside 0 to 255 names the field by its caption
// (`300 does not fit "Column" (0 to 255)`).
class UnitFieldError : public ConversionError {
 public:
  UnitFieldError(const ConversionError& error, UnitField field)
      : ConversionError(error), field_(field) {}
  UnitField field() const { return field_; }

 private:
  UnitField field_;
};

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
