// The demo set of examples/: the committed files are what the generator writes, they keep what
// the set promises, and every writer takes them.
#include "demo_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "load/open_scenario.h"
#include "output/campaign_writer.h"
#include "output/homemade_writer.h"
#include "output/order_of_battle.h"
#include "roster/plausible_content.h"
#include "scenario_builder.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

using testing::ReadFileBytes;

const std::filesystem::path kExamples = ZARKEL_EXAMPLES_DIR;

TEST(DemoSetTest, TheCommittedFilesAreWhatTheGeneratorWrites) {
  testing::TempDir dir;
  demo::WriteDemoSet(dir.path());
  const auto committed = testing::Snapshot(kExamples);
  const auto written = testing::Snapshot(dir.path());
  for (const auto& [name, bytes] : written) {
    ASSERT_EQ(committed.count(name), 1u) << name << " is missing; write the set again: cmake "
                                         << "--build build --target examples";
    EXPECT_TRUE(committed.at(name) == bytes) << name << " differs from what the generator writes";
  }
  EXPECT_EQ(committed.size(), written.size()) << "examples/ holds files the set does not";
}

struct DemoScenario {
  const char* file;
  ScenarioLayout layout;
};

class DemoScenarioTest : public ::testing::TestWithParam<DemoScenario> {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir / "out");
    Open(state, kExamples, GetParam().file, GetParam().layout);
  }
  void Open(EditorState& into, const std::filesystem::path& directory, const std::string& file,
            ScenarioLayout layout) {
    dialogs.Answer(FileDialogKind::Equipment, (kExamples / "equipment.eqp").string());
    dialogs.Answer(FileDialogKind::EquipmentNames, (kExamples / "equipment.txt").string());
    OpenRequest request;
    request.layout = layout;
    request.directory = directory.string();
    request.fileName = file;
    ASSERT_TRUE(OpenScenario(into, dialogs, request).opened);
  }
  LimitTexts AsRead() const {
    LimitTexts texts;
    for (std::int32_t field = 0; field < kLimitFieldCount; ++field)
      texts[field] = std::to_string(state.scenario.limits[field]);
    return texts;
  }
  // The units of a scenario opened afresh from `file` in the output folder.
  std::vector<std::array<std::uint8_t, 218>> UnitsOf(const std::string& file,
                                                     ScenarioLayout layout) {
    EditorState again;
    Open(again, dir / "out", file, layout);
    return Units(again);
  }
  static std::vector<std::array<std::uint8_t, 218>> Units(const EditorState& s) {
    std::vector<std::array<std::uint8_t, 218>> units;
    for (const UnitRecord& unit : s.scenario.units)
      units.push_back(unit.bytes);
    return units;
  }
  std::int64_t Size(const std::string& name) { return SizeOf(dir / "out" / name); }
  static std::int64_t SizeOf(const std::filesystem::path& path) {
    return static_cast<std::int64_t>(std::filesystem::file_size(path));
  }

  testing::TempDir dir;
  testing::ScriptedDialogs dialogs;
  EditorState state;
};

bool IsAir(std::uint8_t unitClass) {
  return unitClass >= 15 && unitClass <= 18;
}

TEST_P(DemoScenarioTest, HoldsWhatTheSetPromises) {
  const ScenarioData& s = state.scenario;
  EXPECT_EQ(ImplausibleContent(state), std::vector<std::string>{});
  EXPECT_GE(s.units.size(), 50);
  EXPECT_LE(s.units.size(), 80);
  std::set<int> classes;
  std::map<std::pair<int, int>, std::vector<bool>> hexes;  // placed units: air or not
  bool latin1 = false;
  for (const UnitRecord& unit : s.units) {
    const std::uint8_t unitClass = state.equipment.classOf.at(unit.equipmentId());
    classes.insert(unitClass);
    const std::string name = unit.ShownName();
    latin1 = latin1 || std::any_of(name.begin(), name.end(), [](char c) { return c & 0x80; });
    if (unit.IsUnused())
      continue;
    EXPECT_LT(unit.column(), int{s.geometry.mapSizeA}) << name;
    EXPECT_LT(unit.row(), int{s.geometry.mapSizeB}) << name;
    hexes[{unit.column(), unit.row()}].push_back(IsAir(unitClass));
  }
  EXPECT_EQ(classes.size(), 20u);
  EXPECT_TRUE(latin1);
  for (const auto& [hex, air] : hexes) {
    const bool clean = air.size() == 1 || (air.size() == 2 && air[0] != air[1]);
    EXPECT_TRUE(clean) << "hex " << hex.first << "," << hex.second;
  }

  // Each side has auxiliary units, every unit off the map is a core unit, and both main sides
  // have some. Within 80 units in all, no side can pass 80 core or 120 auxiliary units.
  bool grenadiers = false;
  for (int side = 0; side < kSideCount; ++side) {
    int aux = 0, unplaced = 0;
    for (const RosterPair& pair : s.rosters[side].pairs) {
      const UnitRecord& unit = s.units.at(pair.unitIndex);
      aux += pair.auxFlag;
      unplaced += unit.IsUnused() ? 1 : 0;
      EXPECT_FALSE(pair.auxFlag && unit.IsUnused()) << unit.ShownName();
      grenadiers = grenadiers || (side == 0 && !pair.auxFlag && unit.ShownName() == "Grenadiers");
    }
    EXPECT_GT(aux, 0) << side;
    EXPECT_EQ(unplaced > 0, side < 2) << side;
  }
  EXPECT_EQ(grenadiers, GetParam().layout == ScenarioLayout::Homemade);
}

TEST_P(DemoScenarioTest, EveryWriterTakesIt) {
  const bool original = GetParam().layout == ScenarioLayout::Original;
  const std::string base = std::string(GetParam().file).substr(0, 6);
  const std::string out = (dir / "out").string();
  const auto units = Units(state);
  const ScenarioGeometry g = state.scenario.geometry;
  const std::int64_t map = 37LL * g.mapSizeA * g.mapSizeB;
  // Place names, description and title: inside a Homemade file, beside an Original one.
  const auto lines = [](const testing::Bytes& text) {
    return std::count(text.begin(), text.end(), '\n');
  };
  const testing::Bytes places = ReadFileBytes(kExamples / "svessin.tst");
  const std::int64_t n = original ? lines(places) : g.placeNameCount;
  const std::int64_t ld = original ? SizeOf(kExamples / "vessin.des") : g.descriptionLength;
  const std::int64_t lt = original ? SizeOf(kExamples / "vessin.tit") : g.titleLength;

  WriteCampaignScenario(state, testing::Replacing(),
                        {CampaignPage::Axis, base, out, state.scenario.battleType, AsRead()});
  EXPECT_EQ(Size(base + ".scn"), 272359 + map);
  EXPECT_EQ(lines(ReadFileBytes(dir / "out" / ("s" + base + ".tst"))), n);
  EXPECT_EQ(Size(base + ".des"), ld);
  EXPECT_EQ(Size(base + ".tit"), lt);
  EXPECT_EQ(UnitsOf(base + ".scn", ScenarioLayout::Original), units);

  if (original)
    dialogs.AnswerYesNo(true);  // "Continue ? ..."
  ASSERT_TRUE(
      WriteHomemadeScenario(state, dialogs, {out, "home", state.scenario.battleType, AsRead()}));
  EXPECT_EQ(Size("home.scn"), 272367 + 30 * n + map + ld + lt);
  EXPECT_EQ(UnitsOf("home.scn", ScenarioLayout::Homemade), units);

  // Written in its own layout with the values it was read with, the scenario comes back as it
  // is on disk.
  EXPECT_TRUE(ReadFileBytes(dir / "out" / (original ? base + ".scn" : "home.scn")) ==
              ReadFileBytes(kExamples / GetParam().file));

  WriteOrderOfBattle(state, testing::Replacing(), {out, "ob"});
  // A header, a line a unit, a single-space line after each side.
  EXPECT_EQ(lines(ReadFileBytes(dir / "out" / "ob.txt")),
            1 + static_cast<std::int64_t>(units.size()) + 3);
}

INSTANTIATE_TEST_SUITE_P(Examples, DemoScenarioTest,
                         ::testing::Values(DemoScenario{"kardel.scn", ScenarioLayout::Homemade},
                                           DemoScenario{"vessin.scn", ScenarioLayout::Original}));

}  // namespace
}  // namespace zarkel
