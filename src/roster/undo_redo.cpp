#include "roster/undo_redo.h"

namespace zarkel {

namespace {

std::string StepName(const EditorState& state, const EditStep& step) {
  if (const auto* transfer = std::get_if<TransferStep>(&step.change)) {
    const std::size_t count = transfer->positions.size();
    return "Transfer of " + std::to_string(count) + (count == 1 ? " unit" : " units") +
           (transfer->auxFlag == 1 ? " to auxiliary" : " to core");
  }
  const auto& change = std::get<UnitChangeStep>(step.change);
  return "Change of " + state.scenario.units.at(change.unitIndex).ShownName();
}

// Puts back the values the step found (`redo` false) or left (`redo` true).
void Apply(EditorState& state, const EditStep& step, bool redo) {
  if (const auto* transfer = std::get_if<TransferStep>(&step.change)) {
    // A transfer moves only units that held the other flag, and flags are 0 or 1.
    const std::uint8_t flag = redo ? transfer->auxFlag : (transfer->auxFlag == 1 ? 0 : 1);
    SideRoster& roster = state.scenario.rosters.at(step.side);
    for (const std::int32_t position : transfer->positions)
      roster.pairs.at(position).auxFlag = flag;
    return;
  }
  const auto& change = std::get<UnitChangeStep>(step.change);
  UnitRecord& unit = state.scenario.units.at(change.unitIndex);
  for (const ByteChange& byte : change.bytes)
    unit.bytes[byte.offset] = redo ? byte.after : byte.before;
}

RosterDisplay ShowSide(EditorState& state, std::int32_t side) {
  state.view.currentSide = side;
  return RefreshRosters(state, SideButtons{side == 0, side == 1});
}

}  // namespace

std::optional<std::string> UndoName(const EditorState& state) {
  if (!state.history.CanUndo())
    return std::nullopt;
  return StepName(state, state.history.StepToUndo());
}

std::optional<std::string> RedoName(const EditorState& state) {
  if (!state.history.CanRedo())
    return std::nullopt;
  return StepName(state, state.history.StepToRedo());
}

std::optional<RosterDisplay> UndoEdit(EditorState& state) {
  if (!state.history.CanUndo())
    return std::nullopt;
  const EditStep& step = state.history.StepToUndo();
  Apply(state, step, false);
  state.history.StepBack();
  return ShowSide(state, step.side);
}

std::optional<RosterDisplay> RedoEdit(EditorState& state) {
  if (!state.history.CanRedo())
    return std::nullopt;
  const EditStep& step = state.history.StepToRedo();
  Apply(state, step, true);
  state.history.StepForward();
  return ShowSide(state, step.side);
}

}  // namespace zarkel
