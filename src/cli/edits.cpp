#include "cli/edits.h"

#include <string>

#include "base/errors.h"
#include "roster/transfer.h"
#include "roster/undo_redo.h"

namespace zarkel::cli {

namespace {

// The window lists only lines that exist; a line number past a list names no unit, and doing
// nothing with it would report success for an edit that was not made.
void RequireLine(const EditorState& state, const Edit& edit, std::int32_t line, bool coreList) {
  const auto& map = coreList ? state.view.coreListMap : state.view.auxListMap;
  const auto count = static_cast<std::int32_t>(map.size());
  if (line < count)
    return;
  const std::string list =
      std::string(SideName(state.view.currentSide)) + (coreList ? " core list" : " auxiliary list");
  throw Refusal(edit.flag + ": line " + std::to_string(line) + " is not on the " + list +
                (count == 0 ? ", which is empty."
                            : ", which has lines 0 to " + std::to_string(count - 1) + "."));
}

std::string& FieldText(UnitEditTexts& texts, UnitField field) {
  switch (field) {
    case UnitField::Column:
      return texts.column;
    case UnitField::Row:
      return texts.row;
    case UnitField::Used:
      return texts.used;
    case UnitField::Experience:
      break;
  }
  return texts.experience;
}

// A field as the command line names it.
const char* FieldName(UnitField field) {
  switch (field) {
    case UnitField::Column:
      return "column";
    case UnitField::Row:
      return "row";
    case UnitField::Used:
      return "used";
    case UnitField::Experience:
      break;
  }
  return "experience";
}

// Review the unit, put the texts given into its edits, press "Accept Changes". A text that
// cannot be stored is named by the flag, the line and the field that gave it:
// `'x' is not a valid integer value: "--core-unit 3: row"`.
bool EditUnit(EditorState& state, Dialogs& dialogs, const Controls& controls, const Edit& edit) {
  RequireLine(state, edit, edit.line, edit.page == UnitPage::Core);
  const std::optional<ReviewFields> shown = ReviewUnit(state, edit.page, edit.line);
  if (!shown)
    throw Refusal(edit.flag + ": line " + std::to_string(edit.line) + " shows no unit.");
  UnitEditTexts texts{shown->column, shown->row, shown->used, shown->experience};
  for (const auto& [field, text] : edit.texts)
    FieldText(texts, field) = text;
  try {
    const AcceptResult accepted =
        AcceptUnitChanges(state, dialogs, edit.page, edit.line, texts, controls.side);
    return !accepted.shownAfterRejection.has_value();
  } catch (const UnitFieldError& error) {
    throw error.Naming(edit.flag + " " + std::to_string(edit.line) + ": " +
                       FieldName(error.field()));
  }
}

// Undo or redo as the Edit menu does it: the side of the step becomes the side chosen, as its
// button is checked in the window.
void UndoOrRedo(EditorState& state, Controls& controls, const Edit& edit) {
  const bool undo = edit.kind == Edit::Kind::Undo;
  if (!(undo ? UndoEdit(state) : RedoEdit(state))) {
    throw UsageError(edit.flag + " (argument " + std::to_string(edit.argument) + "): " +
                     (undo ? "there is no edit left to undo" : "there is no undone edit to redo"));
  }
  controls.side = SideButtons{state.view.currentSide == 0, state.view.currentSide == 1};
}

}  // namespace

bool ApplyEdit(EditorState& state, Dialogs& dialogs, Controls& controls, const Edit& edit) {
  switch (edit.kind) {
    case Edit::Kind::Side:
      controls.side = edit.side;
      SelectSide(state, controls.side);
      return true;
    case Edit::Kind::ToAux:
    case Edit::Kind::ToCore: {
      const bool toAux = edit.kind == Edit::Kind::ToAux;
      for (const std::int32_t line : edit.lines)
        RequireLine(state, edit, line, toAux);
      if (toAux) {
        TransferToAux(state, edit.lines, controls.side);
      } else {
        TransferToCore(state, edit.lines, controls.side);
      }
      return true;
    }
    case Edit::Kind::Unit:
      return EditUnit(state, dialogs, controls, edit);
    case Edit::Kind::Type:
      controls.battleType = ClampBattleType(edit.type);
      return true;
    case Edit::Kind::Limit:
      controls.limitTexts[static_cast<std::size_t>(edit.limitField)] = edit.limitText;
      return true;
    case Edit::Kind::Undo:
    case Edit::Kind::Redo:
      UndoOrRedo(state, controls, edit);
      return true;
  }
  return true;
}

}  // namespace zarkel::cli
