// Opening a scenario from arbitrary bytes, in both layouts, with the equipment loaded: the open
// either refuses the file and keeps the scenario loaded before, or takes it whole. An opened
// scenario then goes through the roster refresh of both sides and every writer; each scenario
// written must open again in its layout with the same units, side by side, in the order the
// writer numbered them.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "base/errors.h"
#include "fuzz_support.h"
#include "load/equipment_load.h"
#include "load/open_scenario.h"
#include "output/campaign_writer.h"
#include "output/companion_files.h"
#include "output/homemade_writer.h"
#include "output/order_of_battle.h"
#include "roster/campaign_values.h"
#include "roster/side_rosters.h"
#include "scenario_fixture.h"

namespace {

using namespace zarkel;

constexpr const char* kScenarioName = "input.scn";

// The state after the first opening of a run loaded the equipment, and the companion files of
// an Original scenario at their default names.
const EditorState& Equipped() {
  static const EditorState state = [] {
    const auto equipment = testing::BuildEquipmentFile(testing::StandardClasses());
    const auto equipmentPath =
        fuzz::WriteScratch("equipment.eqp", equipment.data(), equipment.size());
    const auto namesPath =
        fuzz::WriteScratch("names.txt", testing::JoinLines(testing::StandardNames()));
    const std::string base = BaseName(kScenarioName);
    fuzz::WriteScratch(PlacenameFileName(base), testing::JoinLines({"Alpha", "", "Bravo"}));
    fuzz::WriteScratch(TitleFileName(base), "A title");
    fuzz::WriteScratch(DescriptionFileName(base), std::string(300, 'd'));

    EditorState equipped;
    testing::ScriptedDialogs dialogs;
    dialogs.Answer(FileDialogKind::Equipment, equipmentPath.string());
    dialogs.Answer(FileDialogKind::EquipmentNames, namesPath.string());
    LoadEquipment(equipped, dialogs);
    return equipped;
  }();
  return state;
}

void ExerciseRosters(EditorState& state) {
  for (const SideButtons side : {SideButtons{true, false}, SideButtons{false, true}}) {
    const RosterDisplay display = SelectSide(state, side);
    const SideRoster& roster = state.scenario.rosters.at(state.view.currentSide);
    fuzz::Require(display.coreNames.size() + display.auxNames.size() ==
                      static_cast<std::size_t>(roster.rosterCount()),
                  "the lists do not show every unit of the side");
  }
}

// The units of a side in the order a written scenario holds them: by the order number the
// writer gave them, core units before auxiliary ones.
std::vector<const UnitRecord*> WrittenOrder(const ScenarioData& scenario, std::int32_t side) {
  std::vector<const UnitRecord*> units;
  for (const RosterPair& pair : scenario.rosters.at(side).pairs)
    units.push_back(&scenario.units.at(pair.unitIndex));
  std::stable_sort(units.begin(), units.end(), [](const UnitRecord* a, const UnitRecord* b) {
    return a->orderNumber() < b->orderNumber();
  });
  return units;
}

// Opens a written scenario in `layout` and compares its units with those of `written`.
void CheckReopens(const ScenarioData& written, const std::string& directory,
                  const std::string& fileName, ScenarioLayout layout) {
  EditorState state = Equipped();
  testing::ScriptedDialogs dialogs;
  OpenRequest request;
  request.layout = layout;
  request.directory = directory;
  request.fileName = fileName;
  try {
    OpenScenario(state, dialogs, request);
  } catch (const EditorError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    fuzz::Require(false, "a written scenario does not open in its layout");
  }
  const ScenarioData& reopened = state.scenario;
  fuzz::Require(reopened.battleType == written.battleType, "the scenario type changed");
  fuzz::Require(reopened.limits == written.limits, "a campaign limit changed");
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    const std::vector<const UnitRecord*> expected = WrittenOrder(written, side);
    const SideRoster& roster = reopened.rosters.at(side);
    fuzz::Require(static_cast<std::size_t>(roster.rosterCount()) == expected.size(),
                  "a side has another number of units after writing");
    for (std::int32_t n = 1; n <= roster.rosterCount(); ++n) {
      const RosterPair& pair = roster.pairs.at(n);
      const UnitRecord& unit = reopened.units.at(pair.unitIndex);
      fuzz::Require(unit.bytes == expected[static_cast<std::size_t>(n - 1)]->bytes,
                    "a unit came back with other bytes");
      fuzz::Require(pair.auxFlag == (unit.orderNumber() >= 80 ? 1 : 0),
                    "a unit came back on the other force");
    }
  }
}

void ExerciseWriters(EditorState& state) {
  const std::string out = (fuzz::Scratch() / "out").string();
  std::filesystem::create_directories(out);
  const CampaignValuesDisplay values = ShowCampaignValues(state.scenario);

  WriteOrderOfBattle(state, testing::Replacing(), OrderOfBattleRequest{out, "OB"});

  try {
    CampaignWriteRequest request;
    request.slotName = "cchina";
    request.directory = out;
    request.battleType = values.battleType;
    request.limitTexts = values.limitTexts;
    WriteCampaignScenario(state, testing::Replacing(), request);
    CheckReopens(state.scenario, out, "cchina.scn", ScenarioLayout::Original);
  } catch (const Refusal&) {
    // A side with more units than a scenario can number, or a place name with a line break;
    // nothing was written.
  }

  try {
    HomemadeWriteRequest request;
    request.name = "home";
    request.directory = out;
    request.battleType = values.battleType;
    request.limitTexts = values.limitTexts;
    testing::ScriptedDialogs dialogs;
    dialogs.ReplaceAll();  // the same folder every run
    dialogs.AnswerYesNo(true);
    WriteHomemadeScenario(state, dialogs, request);
    CheckReopens(state.scenario, out, "home.scn", ScenarioLayout::Homemade);
  } catch (const Refusal&) {
    // As above; nothing was written.
  }
}

void OpenAs(ScenarioLayout layout, std::uint64_t fileSize) {
  EditorState state = Equipped();
  testing::ScriptedDialogs dialogs;  // the equipment is loaded and the companions default
  OpenRequest request;
  request.layout = layout;
  request.directory = fuzz::Scratch().string();
  request.fileName = kScenarioName;
  try {
    OpenScenario(state, dialogs, request);
  } catch (const EditorError&) {
    fuzz::Require(!state.scenario.layout.has_value(), "a refused open changed the state");
    return;
  }
  const ScenarioData& opened = state.scenario;
  fuzz::Require(opened.layout == layout, "the open did not keep its layout");
  fuzz::Require(fileSize >= static_cast<std::uint64_t>(ScenarioFileSize(opened.geometry, layout)),
                "a file shorter than its layout needs was opened");
  fuzz::Require(opened.units.size() <= 1200 && opened.units.size() == opened.names.size(),
                "the unit table does not match the unit area");
  ExerciseRosters(state);
  ExerciseWriters(state);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Equipped();
  fuzz::WriteScratch(kScenarioName, data, size);
  OpenAs(ScenarioLayout::Homemade, size);
  OpenAs(ScenarioLayout::Original, size);
  return 0;
}
