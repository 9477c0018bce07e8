// Writes the starting corpus of every fuzz target, built with the test builders from the file
// formats: small scenarios of both layouts, equipment files, name files and place-name files,
// including the odd cases (truncations, lone LF bytes, an end-of-text mark, lines too long).
//
//   zarkel_fuzz_seeds DIRECTORY   writes DIRECTORY/<target>/<seed>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ob_scenario.h"
#include "scenario_builder.h"
#include "scenario_fixture.h"

namespace {

using namespace zarkel::testing;
namespace fs = std::filesystem;

UnitPlan Unit(int side, int order, std::uint16_t equipment = 1) {
  UnitPlan unit;
  unit.name = "Unit " + std::to_string(side) + "-" + std::to_string(order);
  unit.side = static_cast<std::uint8_t>(side);
  unit.orderNumber = static_cast<std::uint8_t>(order);
  unit.equipmentId = equipment;
  unit.seed = static_cast<std::uint8_t>(side * 50 + order);
  return unit;
}

// A small scenario with units of every kind the reader tells apart: core and auxiliary units of
// the three sides, a unit of no side, an unplaced unit, transports, a strength-0 slot.
ScenarioPlan SmallScenario(Layout layout) {
  ScenarioPlan plan;
  plan.layout = layout;
  plan.mapSizeA = 2;
  plan.mapSizeB = 3;
  if (layout == Layout::Homemade) {
    plan.placeNames = {"Alpha", "", "A name of twenty-nine letters"};
    plan.description = std::string(300, 'd');
    plan.title = "A title";
  }
  plan.Place(Unit(0, 0, 0));
  plan.Place(Unit(0, 1, 29));
  plan.Place(Unit(0, 80, 2000));
  plan.Place(Unit(1, 0, 9));
  plan.Place(Unit(1, 81, 0xFFFE));
  plan.Place(Unit(2, 3, 19));
  plan.Place(Unit(3, 4, 5));
  UnitPlan unplaced = Unit(1, 2, 4);
  unplaced.column = 0x105;
  unplaced.landTransportId = 989;
  unplaced.navalTransportId = 990;
  plan.Place(unplaced);
  UnitPlan weak = Unit(0, 5, 1);
  weak.strength = 0;
  plan.Place(weak);
  return plan;
}

void Write(const fs::path& directory, const std::string& name, const Bytes& bytes) {
  fs::create_directories(directory);
  WriteFileBytes(directory / name, bytes);
}

void OpenSeeds(const fs::path& directory) {
  for (const Layout layout : {Layout::Homemade, Layout::Original}) {
    const std::string prefix = layout == Layout::Homemade ? "homemade" : "original";
    const Bytes small = BuildScenario(SmallScenario(layout)).bytes;
    Write(directory, prefix + "-small.scn", small);
    Write(directory, prefix + "-cut.scn",
          Slice(small, 0, static_cast<std::int64_t>(small.size()) - 1));

    ScenarioPlan empty;
    empty.layout = layout;
    empty.mapSizeA = 0;
    empty.mapSizeB = 0;
    Write(directory, prefix + "-no-map-no-units.scn", BuildScenario(empty).bytes);

    // A side over the 80 core units a scenario can number.
    ScenarioPlan crowded = SmallScenario(layout);
    for (int order = 0; order < 81; ++order) {
      UnitPlan unit = Unit(0, order % 80, 1);
      crowded.slots[{order % 80 + (order / 80) * 100, 3}] = MakeUnit(unit);
    }
    Write(directory, prefix + "-crowded.scn", BuildScenario(crowded).bytes);
  }
}

void EquipmentSeeds(const fs::path& directory) {
  const std::vector<std::uint8_t> classes = StandardClasses();
  for (const int count : {0, 1, 7, 8, 14, 30}) {
    Write(directory, "entries-" + std::to_string(count) + ".eqp",
          BuildEquipmentFile(std::vector<std::uint8_t>(classes.begin(), classes.begin() + count)));
  }
  Write(directory, "odd-classes.eqp", BuildEquipmentFile({20, 21, 255, 9}));
  Write(directory, "declares-more.eqp", BuildEquipmentFile({1, 2, 3}, 5));
  Write(directory, "one-byte.eqp", {7});
}

void NameSeeds(const fs::path& directory) {
  Write(directory, "standard.txt", ToBytes(JoinLines(StandardNames())));
  Write(directory, "lone-lf.txt", ToBytes(JoinLines({"Tiger I", "Panther", "Sherman"}, "\n")));
  Write(directory, "end-mark.txt",
        ToBytes("Tiger I\r\nPanther\x1a"
                "After the end\r\n"));
  Write(directory, "no-last-end.txt", ToBytes(JoinLines({"A", "", "  spaced  "}, "\r\n", false)));
  Write(directory, "cr-only.txt", ToBytes("One\rTwo\r\rFour"));
}

void PlacenameSeeds(const fs::path& directory) {
  auto lines = [](int count, std::size_t length) {
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i) {
      std::string name = "Place " + std::to_string(i);
      name.resize(length, '-');
      result.push_back(name);
    }
    return result;
  };
  Write(directory, "three.tst", ToBytes(JoinLines({"Alpha", "", "Charlie"})));
  Write(directory, "forty-three.tst", ToBytes(JoinLines(lines(43, 12))));
  Write(directory, "forty-five-longest.tst", ToBytes(JoinLines(lines(45, 29))));
  Write(directory, "too-long.tst", ToBytes(JoinLines(lines(2, 30))));
  Write(directory, "too-many.tst", ToBytes(JoinLines(lines(256, 3))));
  Write(directory, "zero-bytes.tst", ToBytes(std::string("AB\0CD\r\n\0\r\nEnd", 14)));
  Write(directory, "empty.tst", {});
}

// The order of battle of tests/data/ob in both forms, as written and as LibreOffice saved them.
void ObImportSeeds(const fs::path& directory) {
  for (const char* name : {"source.csv", "source.txt", "edited.csv", "lo-semicolon.csv",
                           "lo-comma-1252.csv", "lo-edited-semicolon.csv", "lo-own-semicolon.csv"})
    Write(directory, name, ToBytes(ObFixtureFile(name)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
    return 2;
  }
  const fs::path directory = argv[1];
  OpenSeeds(directory / "open_scenario");
  EquipmentSeeds(directory / "equipment_file");
  NameSeeds(directory / "equipment_names");
  PlacenameSeeds(directory / "placenames");
  ObImportSeeds(directory / "ob_import");
  return 0;
}
