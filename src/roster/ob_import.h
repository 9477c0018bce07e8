// Reading an order of battle back into a plan of unit edits: the spreadsheet form (units found
// by Side and Position) and the form of "Write OB" (the n-th line of a side is the side's n-th
// unit), as written and as spreadsheets save them again.
//
// What it takes: a comma or a semicolon between fields; CR LF, LF or CR line ends; UTF-8 with or
// without a byte-order mark, or Latin-1 (text that is not well-formed UTF-8); fields with
// trailing spaces or fill bytes trimmed or not; empty columns after the last; blank lines (the
// separators of "Write OB") anywhere, or none. Units the file does not list stay as they are.
//
// What it changes: Class ("Core" or "Aux", either letter case), Column, Row, Used ("0" or "NO")
// and Exp, of Axis and Allied units, with the checks and the messages of "Accept Changes" and
// the limits of a transfer (80 core, 120 auxiliary units per side). Only a cell that differs
// from the unit makes an edit: an unchanged line, a "NO" one too, changes nothing. A line that
// sets Used to "NO" zeroes the unit's column and row, as "Accept Changes" does.
//
// What it refuses, each problem with its line and column: a header that is neither form's; a
// changed cell of a column the editor does not edit (Side, Name, Country, Unit Type, Equipment
// Name, Land Trans, Naval Trans, Str, Ent; the four equipment columns compared only when the
// equipment file and its names are read, since the texts come from them); a line that matches no
// unit; a unit listed twice; a value "Accept Changes" would refuse; a side beyond a limit.
//
// Names a spreadsheet reads as numbers or dates: a name made only of digits, spaces and the
// signs + - / . : , and the letter E (such as "3-7" or "1E5") comes back as a date or a number
// once a spreadsheet has opened the file ("2026-03-07", "100000"). The Name cell of such a unit
// is not compared: the unit is found by Side and Position (or list order) all the same, its
// other read-only columns still have to match, and the import never changes a name. The same
// holds for equipment and transport names of that shape.
//
// The third side ("Aux 1"): the window has no list for its units and no operation of the editor
// changes them, so the import does not either: its lines are read and checked like the others,
// and one that differs from its unit is refused.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/editor_state.h"
#include "roster/import_plan.h"

namespace zarkel {

// One reason the import was refused.
struct ImportProblem {
  std::int32_t line = 0;  // as a spreadsheet numbers its rows: the header is line 1
  std::string column;     // the column's caption; empty when the whole line is concerned
  std::string reason;
};

struct ObImport {
  ImportPlan plan;                      // empty whenever there is a problem
  std::vector<ImportProblem> problems;  // in the order of the lines
};

// Reads `bytes`, the content of the file `fileName` (its name as the user sees it, for the plan
// and the messages), against the scenario open in `state`.
ObImport ReadObImport(const EditorState& state, const std::string& fileName,
                      std::string_view bytes);

// Reads the file at `path` (never writing it) and plans as above. Throws IoError when the file
// cannot be read.
ObImport ReadObImportFile(const EditorState& state, const std::filesystem::path& path);

// The message of a refused import: the file, then up to the first ten problems one per line
// (`line 4, Column: 300 does not fit "Column" (0 to 255)`), then how many more there are.
std::string ImportRefusalText(const std::string& fileName,
                              const std::vector<ImportProblem>& problems);

}  // namespace zarkel
