#include "model/history_steps.h"

#include "base/latin1_text.h"
#include "model/editor_state.h"

namespace zarkel {

namespace {

std::string UnitCount(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " unit" : " units");
}

std::string TransferTarget(std::uint8_t auxFlag) {
  return auxFlag == 1 ? " to auxiliary" : " to core";
}

std::string Quoted(const std::string& latin1Name) {
  return "\"" + PrintableLatin1(latin1Name) + "\"";
}

template <typename Value>
const Value& Chosen(StepValues values, const Value& before, const Value& after) {
  return values == StepValues::After ? after : before;
}

}  // namespace

void RecordChange::Put(ScenarioData& scenario, StepValues values) const {
  UnitRecord& unit = scenario.units.at(unitIndex);
  for (const ByteChange& byte : bytes)
    unit.bytes[byte.offset] = Chosen(values, byte.before, byte.after);
}

std::string TransferStep::Name(const ScenarioData&) const {
  return "Transfer of " + UnitCount(positions.size()) + TransferTarget(auxFlag);
}

std::string TransferStep::DoneText(const ScenarioData&) const {
  return "Transferred " + UnitCount(positions.size()) + TransferTarget(auxFlag);
}

void TransferStep::Put(ScenarioData& scenario, std::int32_t side, StepValues values) const {
  // A transfer moves only units that held the other flag, and flags are 0 or 1.
  const std::uint8_t otherFlag = auxFlag == 1 ? 0 : 1;
  const std::uint8_t flag = Chosen(values, otherFlag, auxFlag);
  SideRoster& roster = scenario.rosters.at(side);
  for (const std::int32_t position : positions)
    roster.pairs.at(position).auxFlag = flag;
}

std::string UnitChangeStep::Name(const ScenarioData& scenario) const {
  return "Change of " + scenario.units.at(unitIndex).ShownName();
}

namespace {

// What follows the report of a unit placed outside the map: the byte is the user's and is
// stored, but the game has no such hex.
std::string OffMapNote(const ScenarioData& scenario, const UnitRecord& unit) {
  const ScenarioGeometry& geometry = scenario.geometry;
  if (unit.IsUnused() ||
      (unit.columnLow() < geometry.mapSizeA && unit.rowLow() < geometry.mapSizeB))
    return std::string();
  return "; it now stands off the " + std::to_string(geometry.mapSizeA) + " x " +
         std::to_string(geometry.mapSizeB) + " map";
}

}  // namespace

std::string UnitChangeStep::DoneText(const ScenarioData& scenario) const {
  const UnitRecord& unit = scenario.units.at(unitIndex);
  bool hex = false;
  bool placement = false;
  bool experience = false;
  for (const ByteChange& byte : bytes) {
    hex = hex || byte.offset == unit::kColumnOffset || byte.offset == unit::kRowOffset;
    placement =
        placement || byte.offset == unit::kColumnOffset + 1 || byte.offset == unit::kRowOffset + 1;
    experience = experience || byte.offset == unit::kExperienceOffset;
  }
  const std::string name = Quoted(unit.ShownName());
  const std::string at =
      "column " + std::to_string(unit.columnLow()) + ", row " + std::to_string(unit.rowLow());
  const std::string offMap = hex || placement ? OffMapNote(scenario, unit) : std::string();
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

void UnitChangeStep::Put(ScenarioData& scenario, std::int32_t, StepValues values) const {
  RecordChange::Put(scenario, values);
}

std::string TypeStep::Name(const ScenarioData&) const {
  return std::string("Change of ") + kScenarioTypeCaption;
}

std::string TypeStep::DoneText(const ScenarioData&) const {
  return std::string("Changed \"") + kScenarioTypeCaption + "\" to " + std::to_string(after);
}

void TypeStep::Put(ScenarioData& scenario, std::int32_t, StepValues values) const {
  scenario.entries.battleType = Chosen(values, before, after);
}

std::string LimitStep::Name(const ScenarioData&) const {
  return "Change of " + LimitCaptionInMessages(field);
}

std::string LimitStep::DoneText(const ScenarioData&) const {
  return "Changed \"" + LimitCaptionInMessages(field) + "\" to '" + PrintableLatin1(after) + "'";
}

void LimitStep::Put(ScenarioData& scenario, std::int32_t, StepValues values) const {
  scenario.entries.limitTexts.at(static_cast<std::size_t>(field)) = Chosen(values, before, after);
}

std::string ImportStep::Name(const ScenarioData&) const {
  return "Import of " + fileName;
}

std::string ImportStep::DoneText(const ScenarioData&) const {
  return summary;
}

void RosterFlagChange::Put(ScenarioData& scenario, StepValues values) const {
  scenario.rosters.at(static_cast<std::size_t>(side)).pairs.at(position).auxFlag =
      Chosen(values, before, after);
}

void ImportStep::Put(ScenarioData& scenario, std::int32_t, StepValues values) const {
  for (const RosterFlagChange& flag : flags)
    flag.Put(scenario, values);
  for (const UnitChangeStep& unit : units)
    unit.RecordChange::Put(scenario, values);
}

UnitChangeStep DiffUnit(std::int32_t unitIndex, const UnitRecord& before, const UnitRecord& after) {
  UnitChangeStep step;
  step.unitIndex = unitIndex;
  for (std::size_t i = 0; i < before.bytes.size(); ++i) {
    if (before.bytes[i] != after.bytes[i])
      step.bytes.push_back({static_cast<std::uint8_t>(i), before.bytes[i], after.bytes[i]});
  }
  return step;
}

std::string NameOf(const ScenarioData& scenario, const EditStep& step) {
  return std::visit([&](const auto& kind) { return kind.Name(scenario); }, step.change);
}

std::string DoneTextOf(const ScenarioData& scenario, const EditStep& step) {
  return std::visit([&](const auto& kind) { return kind.DoneText(scenario); }, step.change);
}

void PutStep(ScenarioData& scenario, const EditStep& step, StepValues values) {
  std::visit([&](const auto& kind) { kind.Put(scenario, step.side, values); }, step.change);
}

StepReach ReachOf(const EditStep& step) {
  return std::visit([](const auto& kind) { return kind.kReach; }, step.change);
}

bool Folds(const EditStep& step) {
  return std::visit(
      [](const auto& kind) { return FoldingKind<std::decay_t<decltype(kind)>>::value; },
      step.change);
}

bool FoldsWith(const EditStep& earlier, const EditStep& later) {
  return std::visit(
      [](const auto& first, const auto& second) {
        using Kind = std::decay_t<decltype(first)>;
        if constexpr (FoldingKind<Kind>::value &&
                      std::is_same_v<Kind, std::decay_t<decltype(second)>>)
          return first.FoldsWith(second);
        else
          return false;
      },
      earlier.change, later.change);
}

void Fold(EditStep& earlier, const EditStep& later) {
  std::visit(
      [](auto& first, const auto& second) {
        using Kind = std::decay_t<decltype(first)>;
        if constexpr (FoldingKind<Kind>::value &&
                      std::is_same_v<Kind, std::decay_t<decltype(second)>>)
          first.Fold(second);
      },
      earlier.change, later.change);
}

bool ChangesNothing(const EditStep& step) {
  return std::visit(
      [](const auto& kind) {
        if constexpr (FoldingKind<std::decay_t<decltype(kind)>>::value)
          return kind.ChangesNothing();
        else
          return false;
      },
      step.change);
}

}  // namespace zarkel
