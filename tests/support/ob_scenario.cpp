#include "ob_scenario.h"

namespace zarkel::testing {

namespace {

UnitPlan ObUnit(const std::string& name, int side, int order, int equipment, int column, int row,
                int experience) {
  UnitPlan unit = NamedUnit(name, side, order);
  unit.equipmentId = static_cast<std::uint16_t>(equipment);
  unit.column = static_cast<std::uint16_t>(column);
  unit.row = static_cast<std::uint16_t>(row);
  unit.experience = static_cast<std::uint8_t>(experience);
  unit.seed = static_cast<std::uint8_t>(side * 100 + order);
  return unit;
}

}  // namespace

ScenarioPlan ObFixtureScenario() {
  ScenarioPlan plan;
  plan.layout = Layout::Homemade;
  UnitPlan grenadiers = ObUnit("Grenadier Rgt 1", 0, 0, 0, 12, 7, 2);
  grenadiers.landTransportId = 8;
  plan.Place(grenadiers);
  UnitPlan panzer = ObUnit("Panzer Abt. \"Nord\"", 0, 1, 1, 256 + 3, 256 + 4, 3);
  panzer.strength = 8;
  panzer.entrenchment = 0;
  plan.Place(panzer);
  plan.Place(ObUnit("3-7", 0, 2, 2, 20, 21, 0));
  UnitPlan number = ObUnit("1E5", 0, 80, 3, 5, 6, 1);
  number.entrenchment = 2;
  plan.Place(number);
  UnitPlan flak = ObUnit("Flak, schwere", 0, 81, 5, 9, 9, 4);
  flak.navalTransportId = 19;
  flak.strength = 7;
  plan.Place(flak);
  UnitPlan regiment = ObUnit("R\xE9giment 4", 1, 0, 4, 30, 31, 2);
  regiment.country = 8;
  plan.Place(regiment);
  UnitPlan rifles = ObUnit("Rifles", 1, 80, 0, 256, 256, 2);
  rifles.country = 29;
  plan.Place(rifles);
  UnitPlan coast = ObUnit("Garde c\xF4ti\xE8re", 2, 0, 9, 40, 2, 5);
  coast.country = 30;
  plan.Place(coast);
  return plan;
}

std::string ObFixtureFile(const std::string& name) {
  const Bytes bytes = ReadFileBytes(std::filesystem::path(ZARKEL_TEST_DATA_DIR) / "ob" / name);
  return std::string(bytes.begin(), bytes.end());
}

std::string ImportableContent(const EditorState& state) {
  std::string bytes;
  for (const UnitRecord& unit : state.scenario.units)
    bytes.append(unit.bytes.begin(), unit.bytes.end());
  for (const SideRoster& roster : state.scenario.rosters) {
    for (const RosterPair& pair : roster.pairs)
      bytes += std::to_string(pair.unitIndex) + ":" + std::to_string(pair.auxFlag) + ";";
  }
  return bytes;
}

}  // namespace zarkel::testing
