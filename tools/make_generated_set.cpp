// Writes a set of generated scenarios into a folder, for comparing what two builds of zarkel-cli
// write from the same input (scripts/web.sh): make_generated_set DIRECTORY.
//
// Each scenario comes in both layouts, built byte by byte with the test builders: `tiny` (a
// one-hex map, one unit, no texts), `mixed` (three sides, units off the map and unplaced, names
// that fill their 40 bytes, bytes above 127) and `largest` (a 255 x 255 map, 255 place names,
// 600 units: every roster full, texts of 65535 bytes). An Original scenario has its three
// companion files beside it under their default names. `equip.eqp` and `equip.txt` go with all.
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "scenario_builder.h"
#include "scenario_fixture.h"

namespace {

using zarkel::testing::JoinLines;
using zarkel::testing::Layout;
using zarkel::testing::ScenarioPlan;
using zarkel::testing::UnitPlan;
using zarkel::testing::WriteFileText;

// Texts of `length` bytes that run through the letters from `first`.
std::string Text(std::size_t length, char first) {
  std::string text(length, ' ');
  for (std::size_t i = 0; i < length; ++i)
    text[i] = static_cast<char>(first + i % 26);
  return text;
}

UnitPlan Unit(int side, int order, std::uint16_t column, std::uint16_t row) {
  UnitPlan unit = zarkel::testing::NamedUnit(
      "Gen " + std::to_string(side) + "/" + std::to_string(order), side, order);
  unit.equipmentId = static_cast<std::uint16_t>((side * 11 + order) % 30);
  unit.landTransportId = order % 4 == 1 ? 8 : 0xFFFF;
  unit.navalTransportId = order % 7 == 3 ? 19 : 0xFFFF;
  unit.column = column;
  unit.row = row;
  unit.experience = static_cast<std::uint8_t>(order % 6);
  unit.strength = static_cast<std::uint8_t>(1 + order % 15);
  unit.seed = static_cast<std::uint8_t>(side * 97 + order);
  return unit;
}

ScenarioPlan Tiny() {
  ScenarioPlan plan;
  plan.mapSizeA = 1;
  plan.mapSizeB = 1;
  plan.battleType = 0;
  plan.limits = {0, 255, 1, 0, 254, 2, 0, 1};
  plan.patternSeed = 0x11;
  plan.Place(Unit(0, 0, 0, 0));
  return plan;
}

ScenarioPlan Mixed() {
  ScenarioPlan plan;
  plan.mapSizeA = 23;
  plan.mapSizeB = 17;
  plan.headerOpaque13 = {0x00, 0xFF};
  plan.homemadeCountOpaque = {0x7F, 0x80, 0xFE};
  for (int i = 0; i < 9; ++i)
    plan.placeNames.push_back("Ort \xe9" + std::to_string(i));  // a Latin-1 letter
  plan.placeNames.push_back(std::string(29, 'W'));
  plan.description = "A made-up battle.\r\nSecond line, \xfc and \xdf.";
  plan.title = "Generated \xabMixed\xbb";
  plan.battleType = 1;
  plan.carriedValues = {0x00, 0xFF};
  plan.limits = {5, 6, 7, 8, 9, 10, 11, 12};
  plan.patternSeed = 0x77;
  for (int side = 0; side < 3; ++side) {
    for (int order : {0, 1, 2, 5, 40, 79, 80, 81, 150, 199}) {
      // Some beyond the map's last column, some not placed (a high byte in the column), the
      // rest spread over the map.
      auto column = static_cast<std::uint16_t>(order % 5 == 0 ? 23 + order : order % 23);
      if (order % 5 == 1)
        column |= 0x100;
      const auto row = static_cast<std::uint16_t>((order * 3 + side) % 17);
      UnitPlan unit = Unit(side, order, column, row);
      if (order == 79)
        unit.name = std::string(40, static_cast<char>('K' + side));
      if (order == 150)
        unit.name =
            "\xc4rger \xe0 la \xe7"
            "ase";
      plan.Place(unit);
    }
  }
  return plan;
}

ScenarioPlan Largest() {
  ScenarioPlan plan;
  plan.mapSizeA = 255;
  plan.mapSizeB = 255;
  for (int i = 0; i < 255; ++i) {
    std::string name = "Hamlet " + std::to_string(i);
    name.resize(29, '-');
    plan.placeNames.push_back(name);
  }
  plan.description = Text(65535, 'a');
  plan.title = Text(65535, 'A');
  plan.battleType = 2;
  plan.patternSeed = 0xC3;
  for (int side = 0; side < 3; ++side) {
    for (int order = 0; order < 200; ++order) {
      plan.Place(Unit(side, order, static_cast<std::uint16_t>((order * 7 + side) % 255),
                      static_cast<std::uint16_t>((order * 13 + side * 5) % 255)));
    }
  }
  return plan;
}

void Write(const std::filesystem::path& directory, const std::string& name, ScenarioPlan plan) {
  for (const Layout layout : {Layout::Homemade, Layout::Original}) {
    const bool original = layout == Layout::Original;
    const std::string base = name + (original ? "-original" : "-homemade");
    plan.layout = layout;
    if (original) {
      WriteFileText(directory / ("s" + base + ".tst"), JoinLines(plan.placeNames));
      WriteFileText(directory / (base + ".tit"), plan.title);
      WriteFileText(directory / (base + ".des"), plan.description);
    }
    zarkel::testing::WriteFileBytes(directory / (base + ".scn"),
                                    zarkel::testing::BuildScenario(plan).bytes);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: make_generated_set DIRECTORY\n";
    return 2;
  }
  const std::filesystem::path directory = argv[1];
  try {
    std::filesystem::create_directories(directory);
    zarkel::testing::WriteFileBytes(
        directory / "equip.eqp",
        zarkel::testing::BuildEquipmentFile(zarkel::testing::StandardClasses()));
    WriteFileText(directory / "equip.txt", JoinLines(zarkel::testing::StandardNames()));
    Write(directory, "tiny", Tiny());
    Write(directory, "mixed", Mixed());
    Write(directory, "largest", Largest());
  } catch (const std::exception& error) {
    std::cerr << "make_generated_set: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
