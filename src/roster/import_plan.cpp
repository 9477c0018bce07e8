#include "roster/import_plan.h"

#include "base/errors.h"

namespace zarkel {

namespace {

// "1 unit moved to core", "3 placements changed": `count` with the singular or the plural.
std::string Counted(std::size_t count, const char* singular, const char* plural,
                    const char* after) {
  return std::to_string(count) + " " + (count == 1 ? singular : plural) + after;
}

}  // namespace

std::string ImportSummary(const ImportPlan& plan) {
  if (plan.Empty())
    return "Importing \"" + plan.fileName + "\" changes nothing";
  std::size_t toAux = 0;
  std::size_t toCore = 0;
  std::size_t placements = 0;
  std::size_t experience = 0;
  for (const UnitImportEdit& edit : plan.edits) {
    toAux += edit.auxFlag == std::uint8_t{1} ? 1 : 0;
    toCore += edit.auxFlag == std::uint8_t{0} ? 1 : 0;
    placements += edit.PlacementChanges() ? 1 : 0;
    experience += edit.experience ? 1 : 0;
  }
  std::vector<std::string> parts;
  if (toAux > 0)
    parts.push_back(Counted(toAux, "unit", "units", " moved to auxiliary"));
  if (toCore > 0)
    parts.push_back(Counted(toCore, "unit", "units", " moved to core"));
  if (placements > 0)
    parts.push_back(Counted(placements, "placement", "placements", " changed"));
  if (experience > 0)
    parts.push_back(Counted(experience, "experience change", "experience changes", ""));
  std::string text = "Imported \"" + plan.fileName + "\": ";
  for (std::size_t i = 0; i < parts.size(); ++i)
    text += (i == 0 ? "" : ", ") + parts[i];
  return text;
}

AppliedImport ApplyImportPlan(EditorState& state, const ImportPlan& plan) {
  for (const UnitImportEdit& edit : plan.edits) {
    if (edit.side < 0 || edit.side > 1 || edit.position < 1 ||
        edit.position > state.scenario.rosters[static_cast<std::size_t>(edit.side)].rosterCount())
      throw Refusal("The import names a unit the open scenario does not have (" +
                    std::string(SideName(edit.side)) + ", position " +
                    std::to_string(edit.position) + "). Nothing was changed.");
  }
  AppliedImport applied;
  for (const UnitImportEdit& edit : plan.edits) {
    RosterPair& pair =
        state.scenario.rosters[static_cast<std::size_t>(edit.side)].pairs.at(edit.position);
    if (edit.auxFlag && *edit.auxFlag != pair.auxFlag) {
      applied.flags.push_back(
          RosterFlagChange{edit.side, edit.position, pair.auxFlag, *edit.auxFlag});
      pair.auxFlag = *edit.auxFlag;
    }
    UnitRecord& unit = state.scenario.units.at(pair.unitIndex);
    const UnitRecord before = unit;
    if (edit.column)
      unit.setColumnLow(*edit.column);
    if (edit.row)
      unit.setRowLow(*edit.row);
    if (edit.placed)
      unit.setPlacementMarks(*edit.placed ? 0 : 1);
    if (edit.experience)
      unit.setExperience(*edit.experience);
    UnitChangeStep change = DiffUnit(pair.unitIndex, before, unit);
    if (!change.bytes.empty())
      applied.units.push_back(std::move(change));
  }
  return applied;
}

namespace {

void PutImport(EditorState& state, const AppliedImport& applied, StepValues values) {
  for (const RosterFlagChange& flag : applied.flags)
    flag.Put(state.scenario, values);
  for (const UnitChangeStep& change : applied.units)
    change.RecordChange::Put(state.scenario, values);
}

}  // namespace

void RevertImport(EditorState& state, const AppliedImport& applied) {
  PutImport(state, applied, StepValues::Before);
}

void ReapplyImport(EditorState& state, const AppliedImport& applied) {
  PutImport(state, applied, StepValues::After);
}

}  // namespace zarkel
