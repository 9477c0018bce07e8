#include "cli/edits.h"

#include <charconv>
#include <optional>

#include "base/errors.h"
#include "base/utf8_path.h"
#include "model/campaign_settings.h"
#include "model/vocabulary.h"
#include "session/session.h"

namespace zarkel::cli {

namespace {

// The help text starts at this column and is wrapped before this width.
constexpr std::size_t kHelpColumn = 34;
constexpr std::size_t kHelpWidth = 91;

[[noreturn]] void Invalid(const EditFlag& flag, const std::string& message) {
  throw UsageError(std::string(flag.flag) + ": " + message);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (true) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos)
      return parts;
    start = end + 1;
  }
}

// A number too large for a line is no line number either: from_chars then reports
// result_out_of_range and leaves `value` as it was, which would name line 0.
std::int32_t LineNumber(const EditFlag& flag, const std::string& text) {
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  const auto parsed = std::from_chars(text.data(), end, value);
  if (!digits || parsed.ec != std::errc() || parsed.ptr != end)
    Invalid(flag, "\"" + text + "\" is not a line number (0, 1, 2, ...)");
  return value;
}

// "FIELD=TEXT": the field name and the text after the first "=".
std::pair<std::string, std::string> Assignment(const EditFlag& flag, const std::string& text) {
  const auto equals = text.find('=');
  if (equals == std::string::npos)
    Invalid(flag, "\"" + text + "\" is not FIELD=TEXT");
  return {text.substr(0, equals), text.substr(equals + 1)};
}

// The fields of a unit's review as the command line names them.
constexpr std::pair<const char*, UnitField> kUnitFields[] = {{"column", UnitField::Column},
                                                             {"row", UnitField::Row},
                                                             {"used", UnitField::Used},
                                                             {"experience", UnitField::Experience}};

const char* UnitFieldName(UnitField field) {
  for (const auto& [name, named] : kUnitFields) {
    if (named == field)
      return name;
  }
  return "";
}

UnitField UnitFieldNamed(const EditFlag& flag, const std::string& name) {
  for (const auto& [fieldName, field] : kUnitFields) {
    if (name == fieldName)
      return field;
  }
  Invalid(flag, "unknown field \"" + name + "\" (column, row, used or experience)");
}

// The limits' names as the help and an unknown name list them.
std::string LimitNames(const char* last) {
  std::string names;
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
    if (field > 0)
      names += field + 1 == kLimitFieldCount ? last : ", ";
    names += Limit(field).name;
  }
  return names;
}

// Reading each edit's value.

Edit ReadSide(const EditFlag& flag, const std::string& value, std::int32_t) {
  return Edit{&flag, SideEdit{SideByKey(value).value_or(0)}};
}

Edit ReadTransfer(const EditFlag& flag, const std::string& value, std::int32_t) {
  TransferEdit edit;
  edit.toAux = flag.flag == std::string("--to-aux");
  for (const std::string& part : Split(value, ','))
    edit.lines.push_back(LineNumber(flag, part));
  return Edit{&flag, std::move(edit)};
}

Edit ReadUnit(const EditFlag& flag, const std::string& value, std::int32_t) {
  UnitEdit edit;
  edit.page = flag.flag == std::string("--core-unit") ? UnitPage::Core : UnitPage::Aux;
  const auto colon = value.find(':');
  if (colon == std::string::npos)
    Invalid(flag, "\"" + value + "\" is not LINE:FIELD=TEXT[,FIELD=TEXT...]");
  edit.line = LineNumber(flag, value.substr(0, colon));
  for (const std::string& part : Split(value.substr(colon + 1), ',')) {
    const auto [name, text] = Assignment(flag, part);
    const UnitField field = UnitFieldNamed(flag, name);
    for (const auto& earlier : edit.texts) {
      if (earlier.first == field)
        Invalid(flag, "the field \"" + name + "\" is given twice");
    }
    edit.texts.emplace_back(field, text);
  }
  return Edit{&flag, std::move(edit)};
}

Edit ReadType(const EditFlag& flag, const std::string& value, std::int32_t) {
  TypeEdit edit;
  const char* end = value.data() + value.size();
  const auto parsed = std::from_chars(value.data(), end, edit.type);
  if (value.empty() || parsed.ec != std::errc() || parsed.ptr != end)
    Invalid(flag, "\"" + value + "\" is not a number");
  return Edit{&flag, edit};
}

Edit ReadLimit(const EditFlag& flag, const std::string& value, std::int32_t) {
  const auto [name, text] = Assignment(flag, value);
  const std::optional<std::int32_t> field = LimitFieldNamed(name);
  if (!field)
    Invalid(flag, "unknown limit \"" + name + "\" (" + LimitNames(", ") + ")");
  return Edit{&flag, LimitEdit{*field, text}};
}

Edit ReadHistory(const EditFlag& flag, const std::string&, std::int32_t argument) {
  return Edit{&flag, HistoryEdit{flag.flag == std::string("--undo"), argument}};
}

Edit ReadImport(const EditFlag& flag, const std::string& value, std::int32_t) {
  if (value.empty())
    Invalid(flag, "give the file to import");
  return Edit{&flag, ImportEdit{value}};
}

// The operation of each edit.

bool ChooseSide(Session& session, const Edit& edit) {
  session.ChooseSide(std::get<SideEdit>(edit.change).side);
  return true;
}

bool Transfer(Session& session, const Edit& edit) {
  const auto& transfer = std::get<TransferEdit>(edit.change);
  // Lines of the core list go to the auxiliary list, and back.
  const UnitPage list = transfer.toAux ? UnitPage::Core : UnitPage::Aux;
  for (const std::int32_t line : transfer.lines)
    session.RequireListedLine(list, line, edit.flag->flag);
  if (transfer.toAux) {
    session.TransferToAux(transfer.lines);
  } else {
    session.TransferToCore(transfer.lines);
  }
  return true;
}

// Review the unit, put the texts given into its edits, press "Accept Changes". A text that
// cannot be stored is named by the flag, the line and the field that gave it:
// `'x' is not a valid integer value: "--core-unit 3: row"`.
bool ChangeUnit(Session& session, const Edit& edit) {
  const auto& unit = std::get<UnitEdit>(edit.change);
  session.RequireListedLine(unit.page, unit.line, edit.flag->flag);
  const std::string named = edit.flag->flag + std::string(" ") + std::to_string(unit.line);
  try {
    const std::optional<AcceptResult> accepted =
        session.AcceptFields(unit.page, unit.line, unit.texts);
    if (!accepted) {
      throw Refusal(std::string(edit.flag->flag) + ": line " + std::to_string(unit.line) +
                    " shows no unit.");
    }
    return !accepted->shownAfterRejection.has_value();
  } catch (const UnitFieldError& error) {
    throw error.Naming(named + ": " + UnitFieldName(error.field()));
  }
}

bool SetType(Session& session, const Edit& edit) {
  session.SetType(std::get<TypeEdit>(edit.change).type);
  return true;
}

bool SetLimit(Session& session, const Edit& edit) {
  const auto& limit = std::get<LimitEdit>(edit.change);
  session.SetLimit(limit.field, limit.text);
  return true;
}

// Undo or redo as the Edit menu does it: the side of a transfer or a unit change becomes the
// side chosen, as its button is checked in the window.
bool UndoOrRedo(Session& session, const Edit& edit) {
  const auto& history = std::get<HistoryEdit>(edit.change);
  if (!(history.undo ? session.Undo() : session.Redo())) {
    throw UsageError(
        std::string(edit.flag->flag) + " (argument " + std::to_string(history.argument) + "): " +
        (history.undo ? "there is no edit left to undo" : "there is no undone edit to redo"));
  }
  return true;
}

// "Import OB…": the status says what changed, or that nothing did; a refused file is a Refusal.
bool ImportOrderOfBattle(Session& session, const Edit& edit) {
  session.ImportOrderOfBattle(PathFromUtf8(std::get<ImportEdit>(edit.change).path));
  return true;
}

// `text` from column kHelpColumn, its words wrapped before kHelpWidth.
std::string WrappedHelp(const std::string& text) {
  const std::string indent(kHelpColumn, ' ');
  std::string wrapped;
  std::size_t lineLength = kHelpColumn;
  bool lineEmpty = true;
  for (const std::string& word : Split(text, ' ')) {
    if (!lineEmpty && lineLength + 1 + word.size() > kHelpWidth) {
      wrapped += "\n" + indent;
      lineLength = kHelpColumn;
      lineEmpty = true;
    }
    if (!lineEmpty) {
      wrapped += ' ';
      ++lineLength;
    }
    wrapped += word;
    lineLength += word.size();
    lineEmpty = false;
  }
  return wrapped;
}

}  // namespace

std::vector<std::string> EditFlag::Choices() const {
  const std::string words = grammar;
  if (words.find('|') == std::string::npos)
    return {};
  return Split(words, '|');
}

const std::vector<EditFlag>& EditFlags() {
  static const std::vector<EditFlag> kFlags = {
      {"--side", "axis|allies", "the side buttons; needed before the four edits below", false,
       ReadSide, ChooseSide},
      {"--to-aux", "LINES",
       "select lines of the core list (0-based, comma-separated, as the list stands at that "
       "moment), press \"Transfer =>\"",
       true, ReadTransfer, Transfer},
      {"--to-core", "LINES", "the same on the auxiliary list, press \"<= Transfer\"", true,
       ReadTransfer, Transfer},
      {"--core-unit", "LINE:FIELD=TEXT[,FIELD=TEXT...]",
       "review that line (0-based) of \"Core Units\", replace the texts of the fields named "
       "(column, row, used, experience; numbers 0 to 255), press \"Accept Changes\"",
       true, ReadUnit, ChangeUnit},
      {"--aux-unit", "LINE:FIELD=TEXT[,FIELD=TEXT...]", "the same on \"Aux Units \"", true,
       ReadUnit, ChangeUnit},
      {"--type", "N", "the scenario type (brought into 0..2)", false, ReadType, SetType},
      {"--limit", "FIELD=TEXT", "a campaign limit: " + LimitNames(", "), false, ReadLimit,
       SetLimit},
      {"--import-ob", "FILE",
       "import an order of battle (the .csv of \"ob --spreadsheet\" or the .txt of \"ob\", as "
       "written or as a spreadsheet saved it): its changes of class, column, row, used and "
       "experience on both sides as one step; a file with any problem is refused whole",
       false, ReadImport, ImportOrderOfBattle},
      {"--undo", "",
       "take back the last step still done (a transfer, a unit change, the type or a limit, an "
       "import), "
       "as the Edit menu's \"Undo\"; the side of a transfer or unit change becomes the side "
       "chosen. With none left: a usage error",
       false, ReadHistory, UndoOrRedo},
      {"--redo", "", "make the last edit taken back again (\"Redo\"); likewise", false, ReadHistory,
       UndoOrRedo},
  };
  return kFlags;
}

std::string EditsHelp() {
  std::string text = "EDITS, applied after the open in the order given:\n";
  for (const EditFlag& flag : EditFlags()) {
    std::string head = std::string("  ") + flag.flag;
    if (flag.TakesValue())
      head += std::string(" ") + flag.grammar;
    // A head too long for the column puts the help on a line of its own.
    head += head.size() + 2 <= kHelpColumn ? std::string(kHelpColumn - head.size(), ' ')
                                           : "\n" + std::string(kHelpColumn, ' ');
    text += head + WrappedHelp(flag.help) + "\n";
  }
  return text +
         "\nMessages of the editor go to stderr. Exit status: 0 done, 1 stopped by an error or a\n"
         "message, 2 usage error.";
}

}  // namespace zarkel::cli
