#include "roster/edit_report.h"

#include "base/latin1_text.h"
#include "roster/undo_redo.h"

namespace zarkel {

namespace {

std::string Quoted(const std::string& latin1Name) {
  return "\"" + PrintableLatin1(latin1Name) + "\"";
}

}  // namespace

std::string StepDoneText(const EditorState& state, const EditStep& step) {
  return DoneTextOf(state.scenario, step);
}

std::optional<std::string> RecordedStepText(const EditorState& state,
                                            std::uint64_t recordedBefore) {
  if (state.history.StepsRecorded() == recordedBefore || !state.history.CanUndo())
    return std::nullopt;
  return StepDoneText(state, state.history.StepToUndo());
}

std::optional<std::string> AcceptText(const EditorState& state, UnitPage page,
                                      std::optional<std::int32_t> line,
                                      std::uint64_t recordedBefore) {
  if (auto recorded = RecordedStepText(state, recordedBefore))
    return recorded;
  if (const auto unit = ReviewUnit(state, page, line))
    return "No change to " + Quoted(unit->name);
  return std::nullopt;
}

std::optional<std::string> UndoText(const EditorState& state) {
  const std::optional<std::string> name = UndoName(state);
  if (!name)
    return std::nullopt;
  return "Undid: " + PrintableLatin1(*name);
}

std::optional<std::string> RedoText(const EditorState& state) {
  const std::optional<std::string> name = RedoName(state);
  if (!name)
    return std::nullopt;
  return "Redid: " + PrintableLatin1(*name);
}

}  // namespace zarkel
