// The equipment file (.eqp) from arbitrary bytes: loading it either fills the class table with
// one class per declared entry or refuses the file and leaves the tables as they were.
#include <cstdint>

#include "base/errors.h"
#include "fuzz_support.h"
#include "load/equipment_load.h"
#include "scenario_fixture.h"

namespace {

using namespace zarkel;

const std::string& NameFile() {
  static const std::string path =
      fuzz::WriteScratch("names.txt", testing::JoinLines(testing::StandardNames())).string();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string equipmentPath = fuzz::WriteScratch("equipment.eqp", data, size).string();

  EditorState state;
  state.equipment.classOf.assign(kMinEquipmentIds, 3);  // what an earlier load left
  testing::ScriptedDialogs dialogs;
  dialogs.Answer(FileDialogKind::Equipment, equipmentPath);
  dialogs.Answer(FileDialogKind::EquipmentNames, NameFile());
  try {
    LoadEquipment(state, dialogs);
  } catch (const EditorError&) {
    // A refused or unreadable file changes nothing and leaves the load to be asked for again.
    fuzz::Require(!state.equipment.equipmentLoaded, "a failed load counts as loaded");
    fuzz::Require(state.equipment.equipmentCount == 0, "a failed load changed the count");
    for (const std::uint8_t unitClass : state.equipment.classOf)
      fuzz::Require(unitClass == 3, "a failed load changed a class");
    return 0;
  }

  const EquipmentTables& equipment = state.equipment;
  fuzz::Require(equipment.equipmentLoaded, "a load did not count as loaded");
  const std::uint32_t count = equipment.equipmentCount;
  fuzz::Require(size >= 2 + 168ull * count, "a file shorter than its count was taken");
  fuzz::Require(count == (size >= 2 ? data[0] + 256u * data[1] : 0u),
                "the count is not the file's");
  fuzz::Require(equipment.classOf.size() >= count && equipment.names.size() >= count,
                "the tables have no room for every entry");
  for (std::uint32_t id = 0; id < count; ++id) {
    fuzz::Require(equipment.classOf[id] == data[2 + 168 * id],
                  "a class is not byte 0 of its entry");
  }
  // Every id a unit record can name looks up without reading past a table.
  for (std::uint32_t id = 0; id <= 0xFFFF; id += 97) {
    const auto equipmentId = static_cast<std::uint16_t>(id);
    (void)equipment.ClassName(equipmentId);
    (void)equipment.EquipmentName(equipmentId);
    (void)equipment.TransportName(equipmentId);
  }
  return 0;
}
