#include "roster/undo_redo.h"

#include "roster/campaign_edits.h"

namespace zarkel {

namespace {

std::string StepName(const EditorState& state, const EditStep& step) {
  if (const auto* transfer = std::get_if<TransferStep>(&step.change)) {
    const std::size_t count = transfer->positions.size();
    return "Transfer of " + std::to_string(count) + (count == 1 ? " unit" : " units") +
           (transfer->auxFlag == 1 ? " to auxiliary" : " to core");
  }
  if (const auto* change = std::get_if<UnitChangeStep>(&step.change))
    return "Change of " + state.scenario.units.at(change->unitIndex).ShownName();
  if (std::holds_alternative<TypeStep>(step.change))
    return std::string("Change of ") + kScenarioTypeCaption;
  return "Change of " + LimitCaptionInMessages(std::get<LimitStep>(step.change).field);
}

// Puts back the values the step found (`redo` false) or left (`redo` true).
void Apply(EditorState& state, const EditStep& step, bool redo) {
  if (const auto* transfer = std::get_if<TransferStep>(&step.change)) {
    // A transfer moves only units that held the other flag, and flags are 0 or 1.
    const std::uint8_t flag = redo ? transfer->auxFlag : (transfer->auxFlag == 1 ? 0 : 1);
    SideRoster& roster = state.scenario.rosters.at(step.side);
    for (const std::int32_t position : transfer->positions)
      roster.pairs.at(position).auxFlag = flag;
  } else if (const auto* change = std::get_if<UnitChangeStep>(&step.change)) {
    UnitRecord& unit = state.scenario.units.at(change->unitIndex);
    for (const ByteChange& byte : change->bytes)
      unit.bytes[byte.offset] = redo ? byte.after : byte.before;
  } else if (const auto* type = std::get_if<TypeStep>(&step.change)) {
    state.scenario.entries.battleType = redo ? type->after : type->before;
  } else {
    const auto& limit = std::get<LimitStep>(step.change);
    state.scenario.entries.limitTexts.at(static_cast<std::size_t>(limit.field)) =
        redo ? limit.after : limit.before;
  }
}

bool ChangesRosters(const EditStep& step) {
  return std::holds_alternative<TransferStep>(step.change) ||
         std::holds_alternative<UnitChangeStep>(step.change);
}

UndoneStep Take(EditorState& state, bool redo) {
  const EditStep& step = redo ? state.history.StepToRedo() : state.history.StepToUndo();
  UndoneStep done;
  done.name = StepName(state, step);
  Apply(state, step, redo);
  if (ChangesRosters(step)) {
    state.view.currentSide = step.side;
    done.rosters = RefreshRosters(state, SideButtons{step.side == 0, step.side == 1});
  } else {
    done.campaignEntries = true;
  }
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
  return StepName(state, state.history.StepToUndo());
}

std::optional<std::string> RedoName(const EditorState& state) {
  if (!state.history.CanRedo())
    return std::nullopt;
  return StepName(state, state.history.StepToRedo());
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
