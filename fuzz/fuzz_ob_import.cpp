// An order of battle from arbitrary bytes, read against the scenario of tests/data/ob (units of
// all three sides, names with a comma, a quote, Latin-1 letters and the shapes of numbers): a
// refused import plans nothing and names lines of the file; an accepted one, applied, leaves a
// scenario whose own spreadsheet form reads back as nothing to change, within the limits of a
// transfer, and taken back leaves the scenario as it was.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "load/equipment_load.h"
#include "load/open_scenario.h"
#include "ob_scenario.h"
#include "output/ob_spreadsheet.h"
#include "roster/ob_import.h"
#include "scenario_fixture.h"

namespace {

using namespace zarkel;

const EditorState& Opened() {
  static const EditorState state = [] {
    const auto equipment = testing::BuildEquipmentFile(testing::StandardClasses());
    const auto equipmentPath =
        fuzz::WriteScratch("equipment.eqp", equipment.data(), equipment.size());
    const auto namesPath =
        fuzz::WriteScratch("names.txt", testing::JoinLines(testing::StandardNames()));
    const auto scenario = testing::BuildScenario(testing::ObFixtureScenario()).bytes;
    const auto scenarioPath = fuzz::WriteScratch("ob.scn", scenario.data(), scenario.size());

    EditorState opened;
    testing::ScriptedDialogs dialogs;
    dialogs.Answer(FileDialogKind::Equipment, equipmentPath.string());
    dialogs.Answer(FileDialogKind::EquipmentNames, namesPath.string());
    OpenRequest request;
    request.layout = ScenarioLayout::Homemade;
    request.directory = scenarioPath.parent_path().string();
    request.fileName = scenarioPath.filename().string();
    request.side = SideButtons{true, false};
    OpenScenario(opened, dialogs, request);
    fuzz::Require(opened.scenario.units.size() == 8, "the scenario did not open");
    return opened;
  }();
  return state;
}

// The bytes and the roster flags an import may change.
std::string Changeable(const EditorState& state) {
  std::string bytes;
  for (const UnitRecord& unit : state.scenario.units)
    bytes.append(unit.bytes.begin(), unit.bytes.end());
  for (const SideRoster& roster : state.scenario.rosters) {
    for (const RosterPair& pair : roster.pairs)
      bytes += static_cast<char>(pair.auxFlag);
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EditorState state = Opened();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const ObImport import = ReadObImport(state, "OB.csv", bytes);
  fuzz::Require(import.problems.empty() || import.plan.Empty(), "a refused import plans edits");
  for (const ImportProblem& problem : import.problems)
    fuzz::Require(problem.line >= 1 && !problem.reason.empty(), "a problem names no line");
  if (!import.problems.empty())
    fuzz::Require(!ImportRefusalText("OB.csv", import.problems).empty(), "no message");
  if (import.plan.Empty())
    return 0;

  const std::string before = Changeable(state);
  const AppliedImport applied = ApplyImportPlan(state, import.plan);
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    std::int32_t aux = 0;
    for (const RosterPair& pair : state.scenario.rosters[side].pairs)
      aux += pair.auxFlag == 1 ? 1 : 0;
    fuzz::Require(
        aux <= kMaxAuxUnits && state.scenario.rosters[side].rosterCount() - aux <= kMaxCoreUnits,
        "an import went beyond a limit");
  }
  const ObImport again = ReadObImport(state, "OB.csv", ObSpreadsheetBytes(state));
  fuzz::Require(again.problems.empty() && again.plan.Empty(),
                "the scenario after an import does not read back as it stands");
  RevertImport(state, applied);
  fuzz::Require(Changeable(state) == before, "taking an import back does not restore it");
  return 0;
}
