#include "bench_inputs.h"

#include <stdexcept>
#include <vector>

#include "load/equipment_load.h"
#include "load/open_scenario.h"
#include "model/vocabulary.h"
#include "output/companion_files.h"
#include "scenario_builder.h"
#include "scenario_fixture.h"
#include "scripted_dialogs.h"

namespace zarkel::bench {

namespace {

using testing::Layout;
using testing::ScenarioPlan;
using testing::UnitPlan;

constexpr const char* kEquipmentFile = "equip.eqp";
constexpr const char* kEquipmentNameFile = "equip.txt";

// A unit of `side` with order number `order`, its fields varied so that the rosters, the class
// counts and the export have something to do: some units carry transports, some are not placed.
UnitPlan BenchUnit(int side, int order) {
  UnitPlan unit;
  unit.name = "Unit " + std::to_string(side) + "-" + std::to_string(order);
  unit.country = static_cast<std::uint8_t>((side * 7 + order) % 31);
  unit.equipmentId = static_cast<std::uint16_t>((side * 200 + order) % 30);
  unit.landTransportId = order % 3 == 0 ? 8 : 0xFFFF;
  unit.navalTransportId = order % 5 == 0 ? 19 : 0xFFFF;
  unit.column = static_cast<std::uint16_t>(order % 20 + (order % 10 == 9 ? 0x100 : 0));
  unit.row = static_cast<std::uint16_t>(order % 30);
  unit.strength = static_cast<std::uint8_t>(5 + order % 11);
  unit.experience = static_cast<std::uint8_t>(order % 6);
  unit.side = static_cast<std::uint8_t>(side);
  unit.orderNumber = static_cast<std::uint8_t>(order);
  unit.seed = static_cast<std::uint8_t>(side * 200 + order);
  return unit;
}

std::vector<std::string> PlaceNames(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    std::string name = "Place " + std::to_string(i) + " on the river";
    name.resize(29, '.');  // the longest name a record can take
    names.push_back(name);
  }
  return names;
}

std::string Text(std::size_t length, char first) {
  std::string text(length, ' ');
  for (std::size_t i = 0; i < length; ++i)
    text[i] = static_cast<char>(first + i % 26);
  return text;
}

ScenarioPlan Plan(Size size) {
  ScenarioPlan plan;
  plan.layout = Layout::Homemade;
  if (size != Size::Typical) {
    plan.mapSizeA = 255;
    plan.mapSizeB = 255;
    plan.placeNames = PlaceNames(255);
    plan.description = Text(65535, 'a');
    plan.title = Text(65535, 'A');
    const bool full = size == Size::Largest;
    for (int side = 0; side < 3; ++side) {
      for (int order = 0; order < 200; ++order) {
        if (full || order % 80 < 70)
          plan.Place(BenchUnit(side, order));
      }
    }
  } else {
    plan.mapSizeA = 20;
    plan.mapSizeB = 30;
    plan.placeNames = PlaceNames(12);
    plan.description = Text(500, 'a');
    plan.title = Text(20, 'A');
    for (int side = 0; side < 2; ++side) {
      for (int order = 0; order < 14; ++order)
        plan.Place(BenchUnit(side, order));
      for (int order = 80; order < 86; ++order)
        plan.Place(BenchUnit(side, order));
    }
  }
  return plan;
}

void WriteScenario(const std::filesystem::path& directory, Size size, ScenarioLayout layout) {
  ScenarioPlan plan = Plan(size);
  const std::string fileName = ScenarioFileName(size, layout);
  if (layout == ScenarioLayout::Original) {
    // The texts go into the companion files beside the scenario.
    const std::string base = BaseName(fileName);
    testing::WriteFileText(directory / PlacenameFileName(base),
                           testing::JoinLines(plan.placeNames));
    testing::WriteFileText(directory / TitleFileName(base), plan.title);
    testing::WriteFileText(directory / DescriptionFileName(base), plan.description);
    plan.layout = Layout::Original;
  }
  testing::WriteFileBytes(directory / fileName, testing::BuildScenario(plan).bytes);
}

}  // namespace

const char* SizeName(Size size) {
  switch (size) {
    case Size::Largest:
      return "largest";
    case Size::Spacious:
      return "spacious";
    case Size::Typical:
      break;
  }
  return "typical";
}

const char* LayoutName(ScenarioLayout layout) {
  return WordsOf(layout).key;
}

std::string ScenarioFileName(Size size, ScenarioLayout layout) {
  return std::string(SizeName(size)) + "-" + LayoutName(layout) + ".scn";
}

void WriteInputs(const std::filesystem::path& directory) {
  std::filesystem::create_directories(directory);
  testing::WriteFileBytes(directory / kEquipmentFile,
                          testing::BuildEquipmentFile(testing::StandardClasses()));
  testing::WriteFileText(directory / kEquipmentNameFile,
                         testing::JoinLines(testing::StandardNames()));
  for (const Size size : {Size::Typical, Size::Largest}) {
    for (const ScenarioLayout layout : {ScenarioLayout::Homemade, ScenarioLayout::Original})
      WriteScenario(directory, size, layout);
  }
  WriteScenario(directory, Size::Spacious, ScenarioLayout::Homemade);
}

EditorState StateWithEquipment(const std::filesystem::path& directory) {
  EditorState state;
  testing::ScriptedDialogs dialogs;
  dialogs.Answer(FileDialogKind::Equipment, (directory / kEquipmentFile).string());
  dialogs.Answer(FileDialogKind::EquipmentNames, (directory / kEquipmentNameFile).string());
  LoadEquipment(state, dialogs);
  return state;
}

void OpenInput(EditorState& state, const std::filesystem::path& directory, Size size,
               ScenarioLayout layout, SideButtons side) {
  testing::ScriptedDialogs dialogs;  // no dialog may appear: the equipment is loaded
  OpenRequest request;
  request.layout = layout;
  request.directory = directory.string();
  request.fileName = ScenarioFileName(size, layout);
  request.side = side;
  if (!OpenScenario(state, dialogs, request).opened)
    throw std::runtime_error("cannot open " + request.fileName);
}

}  // namespace zarkel::bench
