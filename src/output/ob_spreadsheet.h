// The order of battle as a spreadsheet file: the columns of "Write OB" and each unit's position in
// its side's roster, as RFC 4180 text that a spreadsheet opens as it is and that the import reads
// back. "Write OB" keeps its own form.
#pragma once

#include <optional>
#include <string>

#include "model/dialogs.h"
#include "model/editor_state.h"
#include "model/ob_columns.h"
#include "output/write_report.h"

namespace zarkel {

// The file name of the spreadsheet form for the name typed: "OB" gives "OB.csv".
std::string ObSpreadsheetFileName(const std::string& name);

// The bytes of the spreadsheet form: UTF-8 after a byte-order mark, lines ended CR LF, a field in
// double quotes where it holds a separator, a quote, a line end or a space at either end. The
// header "Side,Position,Class,Name,Country,Unit Type,Equipment Name,Land Trans,Naval Trans,
// Column,Row,Used,Str,Ent,Exp", then one line per rostered unit, sides 0, 1, 2 in turn, each in
// roster order (Position counts from 1 in each side). Names are shown without their fill bytes
// and converted from Latin-1. No blank line separates the sides: a spreadsheet takes a blank row
// for the end of the table when it sorts or filters, and the Side column tells the sides apart.
std::string ObSpreadsheetBytes(const EditorState& state);

// Writes the spreadsheet form as `request.name` + ".csv" into `request.directory`, with the
// checks of "Write OB": an empty name refused first, the files in use guarded, a file that is
// there replaced only when the dialogs say so (none returned, nothing written, otherwise).
struct ObSpreadsheetRequest {
  std::string directory;
  std::string name;  // ".csv" is added
};
std::optional<WrittenFiles> WriteObSpreadsheet(const EditorState& state, Dialogs& dialogs,
                                               const ObSpreadsheetRequest& request);

}  // namespace zarkel
