#include "roster/ob_import.h"

#include <algorithm>
#include <array>

#include "base/csv_text.h"
#include "base/errors.h"
#include "base/integer_text.h"
#include "base/source_file.h"
#include "model/ob_columns.h"
#include "roster/unit_review.h"

namespace zarkel {

namespace {

enum class Form { Spreadsheet, Own };

constexpr std::size_t kShownProblems = 10;

std::size_t At(ObColumn column) {
  return static_cast<std::size_t>(column);
}

// A cell as the import compares it: up to a fill byte (the form of "Write OB" writes all 40
// bytes of a name), without the trailing spaces a spreadsheet may or may not have trimmed.
std::string Trimmed(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
    text.remove_suffix(1);
  return std::string(text);
}

// The same without leading spaces either, for a header's captions (the header of "Write OB" has
// " Naval Trans") and for the blank lines between the sides (" " as written).
std::string Stripped(std::string_view text) {
  std::string trimmed = Trimmed(text);
  const std::size_t first = trimmed.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : trimmed.substr(first);
}

// A cell as a message quotes it: in double quotes, a long one cut after 40 bytes (at the start of
// a UTF-8 character), so that a line pasted into one cell does not make the message a page long.
std::string Quoted(const std::string& text) {
  constexpr std::size_t kLongest = 40;
  if (text.size() <= kLongest)
    return "\"" + text + "\"";
  std::size_t cut = kLongest;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
    --cut;
  return "\"" + text.substr(0, cut) + "...\"";
}

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

// A name a spreadsheet may read as a number or a date ("3-7", "1E5", "12.5", "1/2").
bool MayBecomeNumber(std::string_view text) {
  return text.find_first_of("0123456789") != std::string_view::npos &&
         text.find_first_not_of("0123456789 +-/.:,eE") == std::string_view::npos;
}

std::vector<std::string> Captions(Form form) {
  std::vector<std::string> captions;
  for (std::int32_t c = 0; c < kObColumnCount; ++c) {
    captions.push_back(ObColumnCaption(static_cast<ObColumn>(c)));
    if (c == 0 && form == Form::Spreadsheet)
      captions.push_back(kObPositionCaption);
  }
  return captions;
}

// The record without the empty fields a spreadsheet adds after the last column it saw used, down
// to `keep` fields.
std::vector<std::string> WithoutEmptyTail(std::vector<std::string> fields, std::size_t keep) {
  while (fields.size() > keep && Stripped(fields.back()).empty())
    fields.pop_back();
  return fields;
}

bool IsBlank(const CsvRecord& record) {
  return std::all_of(record.fields.begin(), record.fields.end(),
                     [](const std::string& field) { return Stripped(field).empty(); });
}

class Reader {
 public:
  Reader(const EditorState& state, Form form) : state_(state), form_(form) {
    for (std::int32_t side = 0; side < kSideCount; ++side)
      listedOn_[static_cast<std::size_t>(side)].assign(
          static_cast<std::size_t>(Roster(side).rosterCount()) + 1, 0);
    classesKnown_ = !state.equipment.equipmentPath.empty();
    namesKnown_ = !state.equipment.namesPath.empty();
  }

  void ReadLine(const CsvRecord& record);
  void CheckLimits();

  std::vector<ImportProblem> problems;
  std::vector<UnitImportEdit> edits;

 private:
  const SideRoster& Roster(std::int32_t side) const {
    return state_.scenario.rosters[static_cast<std::size_t>(side)];
  }
  void Problem(std::int32_t line, const std::string& column, const std::string& reason) {
    problems.push_back(ImportProblem{line, column, reason});
  }
  // The fourteen cells of a unit's line, or none (with the problem noted).
  std::optional<ObFields> Cells(const CsvRecord& record, const std::vector<std::string>& fields,
                                const ObFields& expected);
  // Notes a problem for each column the editor does not edit that differs.
  void ReadOnlyColumnsMatch(std::int32_t line, const ObFields& cells, const ObFields& expected);

  const EditorState& state_;
  Form form_;
  bool classesKnown_ = false;
  bool namesKnown_ = false;
  std::array<std::vector<std::int32_t>, kSideCount> listedOn_;  // position -> line, 0 for none
  std::array<std::int32_t, kSideCount> ownLines_{};             // lines read so far of each side
};

std::optional<ObFields> Reader::Cells(const CsvRecord& record,
                                      const std::vector<std::string>& fields,
                                      const ObFields& expected) {
  ObFields cells;
  if (form_ == Form::Spreadsheet) {
    cells[0] = fields[0];
    for (std::size_t c = 1; c < cells.size(); ++c)
      cells[c] = c + 1 < fields.size() ? fields[c + 1] : std::string();
  } else if (fields.size() <= cells.size()) {
    std::copy(fields.begin(), fields.end(), cells.begin());
  } else {
    // "Write OB" quotes nothing: a comma in a name splits it over several fields, which the
    // unit's own texts tell how to join again.
    std::size_t wanted = 0;
    for (const std::string& text : expected)
      wanted += 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), ','));
    if (wanted != fields.size()) {
      Problem(record.number, "",
              "the line has " + std::to_string(fields.size()) + " fields where this unit's line " +
                  "has " + std::to_string(wanted) + " (commas in its names count)");
      return std::nullopt;
    }
    std::size_t next = 0;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const auto pieces =
          1 + static_cast<std::size_t>(std::count(expected[c].begin(), expected[c].end(), ','));
      for (std::size_t k = 0; k < pieces; ++k, ++next)
        cells[c] += (k == 0 ? "" : ",") + fields[next];
    }
  }
  for (std::string& cell : cells)
    cell = Trimmed(cell);
  return cells;
}

void Reader::ReadOnlyColumnsMatch(std::int32_t line, const ObFields& cells,
                                  const ObFields& expected) {
  const auto differs = [&](ObColumn column) {
    Problem(line, ObColumnCaption(column),
            Quoted(cells[At(column)]) + " differs from the unit's " +
                Quoted(Trimmed(expected[At(column)])) + "; an import does not change " +
                ObColumnCaption(column));
  };
  const auto text = [&](ObColumn column, bool numberLike) {
    const std::string want = Trimmed(expected[At(column)]);
    if (cells[At(column)] != want && !(numberLike && MayBecomeNumber(want)))
      differs(column);
  };
  const auto number = [&](ObColumn column) {
    bool same = false;
    try {
      same = ParseInteger(cells[At(column)]) == ParseInteger(expected[At(column)]);
    } catch (const ConversionError&) {
    }
    if (!same)
      differs(column);
  };
  text(ObColumn::Name, true);
  text(ObColumn::Country, false);
  if (classesKnown_)
    text(ObColumn::UnitType, false);
  if (namesKnown_) {
    text(ObColumn::EquipmentName, true);
    text(ObColumn::LandTrans, true);
    text(ObColumn::NavalTrans, true);
  }
  number(ObColumn::Str);
  number(ObColumn::Ent);
}

void Reader::ReadLine(const CsvRecord& record) {
  const std::int32_t line = record.number;
  const std::size_t width = form_ == Form::Spreadsheet ? kObColumnCount + 1 : kObColumnCount;
  const std::vector<std::string> fields = WithoutEmptyTail(record.fields, width);
  if (form_ == Form::Spreadsheet && fields.size() > width) {
    Problem(line, "",
            "the line has " + std::to_string(fields.size()) + " fields where a line of the " +
                "order of battle has " + std::to_string(width));
    return;
  }

  // The unit: by Side and Position, or by Side and the place of the line among the side's.
  const std::string label = Stripped(fields[0]);
  std::int32_t side = 0;
  while (side < kSideCount && label != ObSideLabel(side))
    ++side;
  if (side == kSideCount) {
    Problem(line, ObColumnCaption(ObColumn::Side),
            Quoted(label) + " matches no unit: the sides are \"Axis\", \"Allies\" and \"Aux 1\"");
    return;
  }
  const SideRoster& roster = Roster(side);
  std::int32_t position = 0;
  if (form_ == Form::Spreadsheet) {
    const std::string text = Trimmed(fields.size() > 1 ? fields[1] : std::string());
    try {
      position = ParseInteger(text);
    } catch (const ConversionError& error) {
      Problem(line, kObPositionCaption, error.what());
      return;
    }
    if (position < 1 || position > roster.rosterCount()) {
      Problem(line, kObPositionCaption,
              text + " matches no unit: " + ObSideLabel(side) + " has " +
                  std::to_string(roster.rosterCount()) + " units");
      return;
    }
  } else {
    position = ++ownLines_[static_cast<std::size_t>(side)];
    if (position > roster.rosterCount()) {
      Problem(line, "",
              "matches no unit: it is " + std::string(ObSideLabel(side)) + " line " +
                  std::to_string(position) + ", and " + ObSideLabel(side) + " has " +
                  std::to_string(roster.rosterCount()) + " units");
      return;
    }
  }
  std::int32_t& listed =
      listedOn_[static_cast<std::size_t>(side)][static_cast<std::size_t>(position)];
  if (listed != 0) {
    Problem(line, form_ == Form::Spreadsheet ? kObPositionCaption : "",
            std::string(ObSideLabel(side)) + " unit " + std::to_string(position) +
                " is listed twice, first on line " + std::to_string(listed));
    return;
  }
  listed = line;

  const RosterPair& pair = roster.pairs.at(position);
  const UnitRecord& unit = state_.scenario.units.at(pair.unitIndex);
  const ObFields expected = ObUnitFields(unit, state_.scenario.names.at(pair.unitIndex), side,
                                         pair.auxFlag, state_.equipment);
  const std::optional<ObFields> cells = Cells(record, fields, expected);
  if (!cells)
    return;
  // Every problem of the line is told, those of the columns the editor edits too.
  const std::size_t problemsBefore = problems.size();
  ReadOnlyColumnsMatch(line, *cells, expected);

  // The columns the editor edits, with the checks of "Accept Changes".
  std::uint8_t auxFlag = pair.auxFlag;
  const std::string& classText = (*cells)[At(ObColumn::Class)];
  if (SameLetters(classText, ObClassLabel(0)) || SameLetters(classText, ObClassLabel(1))) {
    auxFlag = SameLetters(classText, ObClassLabel(1)) ? 1 : 0;
  } else {
    Problem(line, ObColumnCaption(ObColumn::Class),
            Quoted(classText) + " is neither \"Core\" nor \"Aux\"");
  }
  const auto byte = [&](ObColumn column, UnitField field) -> std::uint8_t {
    try {
      return UnitFieldByte((*cells)[At(column)], field);
    } catch (const ConversionError& error) {
      Problem(line, ObColumnCaption(column), error.what());
      return 0;
    }
  };
  const std::uint8_t column = byte(ObColumn::Column, UnitField::Column);
  const std::uint8_t row = byte(ObColumn::Row, UnitField::Row);
  const std::uint8_t experience = byte(ObColumn::Exp, UnitField::Experience);
  const std::string& used = (*cells)[At(ObColumn::Used)];
  if (!IsValidUsedText(used))
    Problem(line, ObColumnCaption(ObColumn::Used), UsedTextRejection());
  if (problems.size() != problemsBefore)
    return;

  UnitImportEdit edit;
  edit.side = side;
  edit.position = position;
  edit.line = line;
  if (auxFlag != pair.auxFlag)
    edit.auxFlag = auxFlag;
  const bool wasPlaced = !unit.IsUnused();
  const bool placed = used == kUsedPlaced;
  if (placed != wasPlaced)
    edit.placed = placed;
  if (wasPlaced && !placed) {
    // As "Accept Changes" with "NO": the column and the row become 0.
    if (unit.columnLow() != 0)
      edit.column = 0;
    if (unit.rowLow() != 0)
      edit.row = 0;
  } else {
    if (column != unit.columnLow())
      edit.column = column;
    if (row != unit.rowLow())
      edit.row = row;
  }
  if (experience != unit.experience())
    edit.experience = experience;
  if (!edit.auxFlag && !edit.PlacementChanges() && !edit.experience)
    return;
  if (side == 2) {
    Problem(line, "",
            "the line changes a unit of the third side (Aux 1), which the editor does not edit");
    return;
  }
  edits.push_back(edit);
}

void Reader::CheckLimits() {
  for (std::int32_t side = 0; side < 2; ++side) {
    for (const std::uint8_t flag : {std::uint8_t{0}, std::uint8_t{1}}) {
      std::int32_t count = 0;
      for (const RosterPair& pair : Roster(side).pairs)
        count += pair.auxFlag == flag ? 1 : 0;
      std::int32_t lastArrival = 0;
      for (const UnitImportEdit& edit : edits) {
        if (edit.side != side || !edit.auxFlag)
          continue;
        count += *edit.auxFlag == flag ? 1 : -1;
        if (*edit.auxFlag == flag)
          lastArrival = edit.line;
      }
      const std::int32_t limit = flag == 1 ? kMaxAuxUnits : kMaxCoreUnits;
      if (lastArrival != 0 && count > limit) {
        const std::string kind = flag == 1 ? "auxiliary" : "core";
        Problem(lastArrival, ObColumnCaption(ObColumn::Class),
                "the import would give " + std::string(SideName(side)) + " " +
                    std::to_string(count) + " " + kind + " units, but a scenario holds at most " +
                    std::to_string(limit) + " " + kind + " units per side");
      }
    }
  }
}

}  // namespace

ObImport ReadObImport(const EditorState& state, const std::string& fileName,
                      std::string_view bytes) {
  ObImport result;
  result.plan.fileName = fileName;
  const std::string text = SpreadsheetTextAsUtf8(bytes);
  const std::vector<CsvRecord> records = ReadCsvRecords(text, DetectCsvSeparator(text));

  std::vector<std::string> header;
  if (!records.empty()) {
    for (const std::string& field : WithoutEmptyTail(records.front().fields, 0))
      header.push_back(Stripped(field));
  }
  const auto matches = [&header](Form form) {
    const std::vector<std::string> captions = Captions(form);
    return header.size() == captions.size() &&
           std::equal(header.begin(), header.end(), captions.begin(), SameLetters);
  };
  Form form = Form::Spreadsheet;
  if (matches(Form::Own)) {
    form = Form::Own;
  } else if (!matches(Form::Spreadsheet)) {
    result.problems.push_back(ImportProblem{
        1, "",
        "this is not the header of an order of battle (\"Side,Position,Class,Name,...\" or, as "
        "\"Write OB\" writes it, \"Side,Class,Name,...\")"});
    return result;
  }

  Reader reader(state, form);
  for (std::size_t i = 1; i < records.size(); ++i) {
    if (!IsBlank(records[i]))
      reader.ReadLine(records[i]);
  }
  reader.CheckLimits();
  result.problems = std::move(reader.problems);
  std::stable_sort(result.problems.begin(), result.problems.end(),
                   [](const ImportProblem& a, const ImportProblem& b) { return a.line < b.line; });
  if (result.problems.empty())
    result.plan.edits = std::move(reader.edits);
  return result;
}

ObImport ReadObImportFile(const EditorState& state, const std::filesystem::path& path) {
  SourceFile file(*state.files, path);
  std::string bytes(static_cast<std::size_t>(file.Size()), '\0');
  const std::size_t read =
      file.ReadAt(0, reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
  bytes.resize(read);
  return ReadObImport(state, Utf8FromPath(path.filename()), bytes);
}

std::string ImportRefusalText(const std::string& fileName,
                              const std::vector<ImportProblem>& problems) {
  std::string text = "Cannot import \"" + fileName + "\"; nothing was changed:";
  for (std::size_t i = 0; i < problems.size() && i < kShownProblems; ++i) {
    const ImportProblem& problem = problems[i];
    text += "\nline " + std::to_string(problem.line);
    if (!problem.column.empty())
      text += ", " + problem.column;
    text += ": " + problem.reason;
  }
  if (problems.size() > kShownProblems) {
    const std::size_t more = problems.size() - kShownProblems;
    text += "\nand " + std::to_string(more) + (more == 1 ? " more problem" : " more problems");
  }
  return text;
}

}  // namespace zarkel
