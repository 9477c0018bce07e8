#include "roster/edit_report.h"

#include <vector>

#include "base/latin1_text.h"
#include "roster/campaign_edits.h"
#include "roster/undo_redo.h"

namespace zarkel {

namespace {

std::string Quoted(const std::string& latin1Name) {
  return "\"" + PrintableLatin1(latin1Name) + "\"";
}

// What follows the report of a unit placed outside the map: the byte is the user's and is
// stored, but the game has no such hex.
std::string OffMapNote(const EditorState& state, const UnitRecord& unit) {
  const ScenarioGeometry& geometry = state.scenario.geometry;
  if (unit.IsUnused() ||
      (unit.columnLow() < geometry.mapSizeA && unit.rowLow() < geometry.mapSizeB))
    return std::string();
  return "; it now stands off the " + std::to_string(geometry.mapSizeA) + " x " +
         std::to_string(geometry.mapSizeB) + " map";
}

std::string UnitStepText(const EditorState& state, const UnitChangeStep& change) {
  const UnitRecord& unit = state.scenario.units.at(change.unitIndex);
  bool hex = false;
  bool placement = false;
  bool experience = false;
  for (const ByteChange& byte : change.bytes) {
    hex = hex || byte.offset == unit::kColumnOffset || byte.offset == unit::kRowOffset;
    placement =
        placement || byte.offset == unit::kColumnOffset + 1 || byte.offset == unit::kRowOffset + 1;
    experience = experience || byte.offset == unit::kExperienceOffset;
  }
  const std::string name = Quoted(unit.ShownName());
  const std::string at =
      "column " + std::to_string(unit.columnLow()) + ", row " + std::to_string(unit.rowLow());
  const std::string offMap = hex || placement ? OffMapNote(state, unit) : std::string();
  if (hex && !placement && !experience && !unit.IsUnused())
    return "Moved " + name + " to " + at + offMap;

  // The column and row of a unit that is not placed are not a place on the map.
  std::vector<std::string> parts;
  if (placement)
    parts.push_back(unit.IsUnused() ? "not placed" : "placed at " + at);
  else if (hex && !unit.IsUnused())
    parts.push_back(at);
  if (experience)
    parts.push_back("experience " + std::to_string(unit.experience()));
  std::string text = "Changed " + name;
  for (std::size_t i = 0; i < parts.size(); ++i)
    text += (i == 0 ? ": " : ", ") + parts[i];
  return text + offMap;
}

}  // namespace

std::string StepDoneText(const EditorState& state, const EditStep& step) {
  if (const auto* transfer = std::get_if<TransferStep>(&step.change)) {
    const std::size_t count = transfer->positions.size();
    return "Transferred " + std::to_string(count) + (count == 1 ? " unit" : " units") +
           (transfer->auxFlag == 1 ? " to auxiliary" : " to core");
  }
  if (const auto* change = std::get_if<UnitChangeStep>(&step.change))
    return UnitStepText(state, *change);
  if (const auto* type = std::get_if<TypeStep>(&step.change))
    return std::string("Changed \"") + kScenarioTypeCaption + "\" to " +
           std::to_string(type->after);
  const auto& limit = std::get<LimitStep>(step.change);
  return "Changed \"" + LimitCaptionInMessages(limit.field) + "\" to '" +
         PrintableLatin1(limit.after) + "'";
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
