#include "roster/campaign_edits.h"

#include "roster/campaign_values.h"

namespace zarkel {

namespace {

// Before the first opening there is no scenario to lose: the value is kept without a step, and
// the opening replaces it.
void Record(EditorState& state, EditStep step) {
  if (state.scenario.layout)
    state.history.RecordFolding(std::move(step));
}

}  // namespace

bool SetScenarioType(EditorState& state, std::int64_t value) {
  std::int32_t& type = state.scenario.entries.battleType;
  const std::int32_t clamped = ClampBattleType(value);
  if (clamped == type)
    return false;
  Record(state, EditStep{state.view.currentSide, TypeStep{type, clamped}});
  type = clamped;
  return true;
}

bool SetLimitText(EditorState& state, std::int32_t field, const std::string& text) {
  std::string& limit = state.scenario.entries.limitTexts.at(static_cast<std::size_t>(field));
  if (limit == text)
    return false;
  Record(state, EditStep{state.view.currentSide, LimitStep{field, limit, text}});
  limit = text;
  return true;
}

}  // namespace zarkel
