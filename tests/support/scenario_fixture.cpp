#include "scenario_fixture.h"

namespace zarkel::testing {

std::vector<std::uint8_t> StandardClasses() {
  std::vector<std::uint8_t> classes;
  for (int i = 0; i < 30; ++i)
    classes.push_back(static_cast<std::uint8_t>(i % 20));
  return classes;
}

std::vector<std::string> StandardNames() {
  std::vector<std::string> names;
  for (int i = 0; i < 30; ++i)
    names.push_back("Eq" + std::to_string(i));
  return names;
}

ScenarioFixture::ScenarioFixture() {
  equipmentPath = (dir / "equip.eqp").string();
  namesPath = (dir / "equip.txt").string();
  WriteFileBytes(equipmentPath, BuildEquipmentFile(StandardClasses()));
  WriteFileText(namesPath, JoinLines(StandardNames()));
}

BuiltScenario ScenarioFixture::WriteScenario(const ScenarioPlan& plan,
                                             const std::string& fileName) {
  BuiltScenario built = BuildScenario(plan);
  WriteFileBytes(dir / fileName, built.bytes);
  return built;
}

OpenRequest ScenarioFixture::Request(const std::string& fileName, ScenarioLayout layout,
                                     SideButtons side) const {
  OpenRequest request;
  request.layout = layout;
  request.directory = dir.path().string();
  request.fileName = fileName;
  request.side = side;
  return request;
}

OpenResult ScenarioFixture::Open(EditorState& state, const std::string& fileName,
                                 ScenarioLayout layout, SideButtons side) {
  if (!state.equipment.equipmentLoaded) {
    dialogs.Answer(FileDialogKind::Equipment, equipmentPath);
    dialogs.Answer(FileDialogKind::EquipmentNames, namesPath);
  }
  return OpenScenario(state, dialogs, Request(fileName, layout, side));
}

}  // namespace zarkel::testing
