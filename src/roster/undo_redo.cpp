#include "roster/undo_redo.h"

namespace zarkel {

namespace {

UndoneStep Take(EditorState& state, bool redo) {
  const EditStep& step = redo ? state.history.StepToRedo() : state.history.StepToUndo();
  UndoneStep done;
  done.name = NameOf(state.scenario, step);
  PutStep(state.scenario, step, redo ? StepValues::After : StepValues::Before);
  const StepReach reach = ReachOf(step);
  if (reach.units) {
    if (reach.unitsOnStepSide)
      state.view.currentSide = step.side;
    const std::int32_t side = state.view.currentSide;
    done.rosters = RefreshRosters(state, SideButtons{side == 0, side == 1});
  }
  done.campaignEntries = reach.campaignEntries;
  if (redo)
    state.history.StepForward();
  else
    state.history.StepBack();
  return done;
}

}  // namespace

std::optional<std::string> UndoName(const EditorState& state) {
  if (!state.history.CanUndo())
    return std::nullopt;
  return NameOf(state.scenario, state.history.StepToUndo());
}

std::optional<std::string> RedoName(const EditorState& state) {
  if (!state.history.CanRedo())
    return std::nullopt;
  return NameOf(state.scenario, state.history.StepToRedo());
}

std::optional<UndoneStep> UndoStep(EditorState& state) {
  if (!state.history.CanUndo())
    return std::nullopt;
  return Take(state, false);
}

std::optional<UndoneStep> RedoStep(EditorState& state) {
  if (!state.history.CanRedo())
    return std::nullopt;
  return Take(state, true);
}

std::optional<RosterDisplay> UndoEdit(EditorState& state) {
  if (auto done = UndoStep(state))
    return std::move(done->rosters);
  return std::nullopt;
}

std::optional<RosterDisplay> RedoEdit(EditorState& state) {
  if (auto done = RedoStep(state))
    return std::move(done->rosters);
  return std::nullopt;
}

}  // namespace zarkel
