// Opening a scenario from arbitrary bytes, in both layouts, with the equipment loaded: the open
// either refuses the file and keeps the scenario loaded before, or takes it whole; an opened
// scenario then goes through the roster refresh of both sides.
#include <cstdint>
#include <string>

#include "base/errors.h"
#include "fuzz_support.h"
#include "load/equipment_load.h"
#include "load/open_scenario.h"
#include "output/companion_files.h"
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
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Equipped();
  fuzz::WriteScratch(kScenarioName, data, size);
  OpenAs(ScenarioLayout::Homemade, size);
  OpenAs(ScenarioLayout::Original, size);
  return 0;
}
