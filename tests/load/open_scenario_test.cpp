#include "load/open_scenario.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "base/utf8_path.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

using testing::Layout;
using testing::ScenarioPlan;
using testing::UnitPlan;

UnitPlan Unit(const std::string& name, int side, int order, int experience = 2) {
  UnitPlan u = testing::NamedUnit(name, side, order);
  u.experience = static_cast<std::uint8_t>(experience);
  return u;
}

// The worked example: 12 place names, a 20 x 30 map, a 500-byte description, a 20-byte title.
ScenarioPlan WorkedExample() {
  ScenarioPlan plan;
  plan.layout = Layout::Homemade;
  plan.mapSizeA = 20;
  plan.mapSizeB = 30;
  for (int i = 0; i < 12; ++i)
    plan.placeNames.push_back("Town " + std::to_string(i));
  plan.description = std::string(500, 'D');
  plan.title = std::string(20, 'T');
  plan.battleType = 2;
  plan.carriedValues = {0x12, 0x34};
  plan.limits = {0, 255, 7, 8, 9, 10, 11, 12};
  plan.Place(Unit("Axis core", 0, 0));
  plan.Place(Unit("Axis aux", 0, 80));
  plan.Place(Unit("Allied core", 1, 0));
  plan.Place(Unit("Third", 2, 3));
  return plan;
}

class OpenScenarioTest : public ::testing::Test {
 protected:
  testing::ScenarioFixture fx;
  EditorState state;
};

TEST_F(OpenScenarioTest, HomemadeWorkedExample) {
  const auto built = fx.WriteScenario(WorkedExample(), "big.scn");
  ASSERT_EQ(built.typeOffset, 22668);
  ASSERT_EQ(built.unitAreaOffset, 33715);
  ASSERT_EQ(built.tailOffset, 295315);
  const OpenResult result = fx.Open(state, "big.scn", ScenarioLayout::Homemade);
  ASSERT_TRUE(result.opened);
  const ScenarioData& s = state.scenario;
  EXPECT_EQ(s.layout, ScenarioLayout::Homemade);
  EXPECT_EQ(s.geometry.mapSizeA, 20);
  EXPECT_EQ(s.geometry.mapSizeB, 30);
  EXPECT_EQ(s.geometry.placeNameCount, 12);
  EXPECT_EQ(s.geometry.descriptionLength, 500);
  EXPECT_EQ(s.geometry.titleLength, 20);
  EXPECT_EQ(s.geometry.carriedValues, (std::array<std::uint8_t, 2>{0x12, 0x34}));
  EXPECT_EQ(s.geometry.sourcePath, (fx.dir / "big.scn").string());
  EXPECT_EQ(s.battleType, 2);
  EXPECT_EQ(s.units.size(), 4);
  EXPECT_EQ(s.rosters[0].rosterCount(), 2);
  EXPECT_EQ(s.rosters[2].rosterCount(), 1);
  // The limits in edit order, shown as read.
  EXPECT_EQ(result.campaignValues.battleType, 2);
  EXPECT_EQ(result.campaignValues.limitTexts,
            (LimitTexts{"0", "7", "255", "8", "9", "10", "11", "12"}));
  EXPECT_FALSE(result.roster.has_value()) << "no side button is checked";
}

TEST_F(OpenScenarioTest, OriginalWithDefaultCompanionNames) {
  ScenarioPlan plan;
  plan.Place(Unit("A", 0, 0));
  fx.WriteScenario(plan, "midway.scn");
  fx.Open(state, "midway.scn", ScenarioLayout::Original);
  const auto& c = state.scenario.companions;
  EXPECT_EQ(c.placeNamePath, (fx.dir / "smidway.tst").string());
  EXPECT_EQ(c.titlePath, (fx.dir / "midway.tit").string());
  EXPECT_EQ(c.descriptionPath, (fx.dir / "midway.des").string());
  EXPECT_EQ(fx.dialogs.shown.size(), 2u) << "only the two equipment dialogs";
  EXPECT_EQ(state.fileDialogs[2].initialDirectory, fx.dir.path().string());
}

// Files copied from the game's CD are all upper case. The names made from the name typed find
// them in any case; nothing is renamed, and a name present in two cases is refused.
TEST_F(OpenScenarioTest, AnUpperCaseScenarioAndItsCompanionsOpenUnderALowerCaseName) {
  ScenarioPlan plan;
  plan.Place(Unit("A", 0, 0));
  fx.WriteScenario(plan, "KESSEL.SCN");
  testing::WriteFileText(fx.dir / "SKESSEL.TST", "Town\r\n");
  testing::WriteFileText(fx.dir / "KESSEL.TIT", "Title");
  testing::WriteFileText(fx.dir / "KESSEL.DES", "Description");
  const auto before = testing::Snapshot(fx.dir.path());
  ASSERT_TRUE(fx.Open(state, "kessel.scn", ScenarioLayout::Original).opened);
  const auto read = [](const std::string& path) {
    return testing::ReadFileBytes(PathFromUtf8(path));
  };
  EXPECT_EQ(read(state.scenario.geometry.sourcePath), before.at("KESSEL.SCN"));
  EXPECT_EQ(read(state.scenario.companions.placeNamePath), testing::ToBytes("Town\r\n"));
  EXPECT_EQ(read(state.scenario.companions.titlePath), testing::ToBytes("Title"));
  EXPECT_EQ(read(state.scenario.companions.descriptionPath), testing::ToBytes("Description"));
  EXPECT_EQ(testing::Snapshot(fx.dir.path()), before);

  testing::WriteFileText(fx.dir / "Kessel.tit", "Another title");
  if (testing::Snapshot(fx.dir.path()).count("Kessel.tit") == 0)
    return;  // a file system that ignores letter case: the two names are one file
  try {
    fx.Open(state, "kessel.scn", ScenarioLayout::Original);
    ADD_FAILURE() << "opened with two title files";
  } catch (const Refusal& refusal) {
    EXPECT_NE(std::string(refusal.what()).find("\"KESSEL.TIT\", \"Kessel.tit\""), std::string::npos)
        << refusal.what();
  }

  // Only a missing name is looked for in other cases: an exact one opens beside its twin.
  fx.WriteScenario(plan, "kardel.scn");
  testing::WriteFileText(fx.dir / "kardel.tit", "Exact title");
  testing::WriteFileText(fx.dir / "KARDEL.TIT", "Twin title");
  ASSERT_TRUE(fx.Open(state, "kardel.scn", ScenarioLayout::Original).opened);
  EXPECT_EQ(state.scenario.companions.titlePath, (fx.dir / "kardel.tit").string());
}

TEST_F(OpenScenarioTest, AFullPathInFilenameTakesTheCompanionsFromBesideThatFile) {
  ScenarioPlan plan;
  plan.Place(Unit("A", 0, 0));
  std::filesystem::create_directory(fx.dir / "elsewhere");
  const auto built = BuildScenario(plan);
  testing::WriteFileBytes(fx.dir / "elsewhere" / "vessin.scn", built.bytes);
  OpenRequest request =
      fx.Request((fx.dir / "elsewhere" / "vessin.scn").string(), ScenarioLayout::Original);
  request.directory = "/a/folder/never/used";
  fx.dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
  fx.dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
  OpenScenario(state, fx.dialogs, request);
  const auto& c = state.scenario.companions;
  EXPECT_EQ(c.placeNamePath, (fx.dir / "elsewhere" / "svessin.tst").string());
  EXPECT_EQ(c.titlePath, (fx.dir / "elsewhere" / "vessin.tit").string());
  EXPECT_EQ(c.descriptionPath, (fx.dir / "elsewhere" / "vessin.des").string());
  EXPECT_EQ(state.fileDialogs[2].initialDirectory, (fx.dir / "elsewhere").string());
}

TEST_F(OpenScenarioTest, ShortFileNameGivesAnEmptyBaseName) {
  fx.WriteScenario(ScenarioPlan{}, "a.sc");
  fx.Open(state, "a.sc", ScenarioLayout::Original);
  EXPECT_EQ(state.scenario.companions.placeNamePath, (fx.dir / "s.tst").string());
  EXPECT_EQ(state.scenario.companions.titlePath, (fx.dir / ".tit").string());
  EXPECT_EQ(state.scenario.companions.descriptionPath, (fx.dir / ".des").string());
}

TEST_F(OpenScenarioTest, CompanionDialogsWhenTheDefaultsAreCleared) {
  fx.WriteScenario(ScenarioPlan{}, "first.scn");
  fx.WriteScenario(ScenarioPlan{}, "second.scn");
  fx.Open(state, "first.scn", ScenarioLayout::Original);
  OpenRequest request = fx.Request("second.scn", ScenarioLayout::Original);
  request.placenameDefault = false;
  request.descriptionDefault = false;
  fx.dialogs.Answer(FileDialogKind::Placenames, "/elsewhere/names.tst");
  fx.dialogs.Answer(FileDialogKind::Description, std::nullopt);  // keeps the earlier path
  OpenScenario(state, fx.dialogs, request);
  EXPECT_TRUE(fx.dialogs.AllAnswered());
  EXPECT_EQ(state.scenario.companions.placeNamePath, "/elsewhere/names.tst");
  EXPECT_EQ(state.scenario.companions.titlePath, (fx.dir / "second.tit").string());
  EXPECT_EQ(state.scenario.companions.descriptionPath, (fx.dir / "first.des").string());
  EXPECT_EQ(fx.dialogs.memories.back().initialDirectory, fx.dir.path().string());
}

TEST_F(OpenScenarioTest, AHomemadeOpeningKeepsTheCompanionPathsOfAnEarlierOriginal) {
  fx.WriteScenario(ScenarioPlan{}, "midway.scn");
  fx.WriteScenario(WorkedExample(), "home.scn");
  fx.Open(state, "midway.scn", ScenarioLayout::Original);
  fx.Open(state, "home.scn", ScenarioLayout::Homemade);
  EXPECT_EQ(state.scenario.companions.titlePath, (fx.dir / "midway.tit").string());
  EXPECT_EQ(state.scenario.layout, ScenarioLayout::Homemade);
}

TEST_F(OpenScenarioTest, NoLayoutShowsTheMessageBeforeAnyDialog) {
  OpenRequest request = fx.Request("x.scn", ScenarioLayout::Original);
  request.layout.reset();
  const OpenResult result = OpenScenario(state, fx.dialogs, request);
  EXPECT_FALSE(result.opened);
  EXPECT_EQ(fx.dialogs.messages, std::vector<std::string>{kNoLayoutMessage});
  EXPECT_TRUE(fx.dialogs.shown.empty());
  EXPECT_FALSE(state.equipment.equipmentLoaded);
}

TEST_F(OpenScenarioTest, EquipmentIsAskedForOnlyOnTheFirstOpening) {
  fx.WriteScenario(ScenarioPlan{}, "a.scn");
  fx.dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
  fx.dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
  OpenScenario(state, fx.dialogs, fx.Request("a.scn", ScenarioLayout::Original));
  EXPECT_TRUE(state.equipment.equipmentLoaded);
  OpenScenario(state, fx.dialogs, fx.Request("a.scn", ScenarioLayout::Original));
  EXPECT_EQ(fx.dialogs.shown.size(), 2u);
}

TEST_F(OpenScenarioTest, SideButtonsDecideTheRefresh) {
  ScenarioPlan plan;
  plan.Place(Unit("Axis one", 0, 0));
  plan.Place(Unit("Allied one", 1, 0));
  fx.WriteScenario(plan, "s.scn");
  OpenResult result = fx.Open(state, "s.scn", ScenarioLayout::Original, SideButtons{false, true});
  ASSERT_TRUE(result.roster.has_value());
  EXPECT_EQ(state.view.currentSide, 1);
  EXPECT_EQ(result.roster->coreNames, std::vector<std::string>{"Allied one"});
  EXPECT_EQ(result.roster->sideCaption, "Allied");

  result = fx.Open(state, "s.scn", ScenarioLayout::Original, SideButtons{});
  EXPECT_FALSE(result.roster.has_value());
  EXPECT_TRUE(state.view.coreListMap.empty()) << "old lines no longer lead to a unit";
}

TEST_F(OpenScenarioTest, FailuresLeaveTheLoadedScenarioWhole) {
  fx.WriteScenario(WorkedExample(), "good.scn");
  fx.Open(state, "good.scn", ScenarioLayout::Homemade);
  const ScenarioData before = state.scenario;

  auto expectUnchanged = [&] {
    EXPECT_EQ(state.scenario.geometry.sourcePath, before.geometry.sourcePath);
    EXPECT_EQ(state.scenario.layout, before.layout);
    EXPECT_EQ(state.scenario.units.size(), before.units.size());
    EXPECT_EQ(state.scenario.limits, before.limits);
    EXPECT_EQ(state.scenario.geometry.descriptionLength, before.geometry.descriptionLength);
  };

  try {
    fx.Open(state, "missing.scn", ScenarioLayout::Original);
    FAIL();
  } catch (const IoError& error) {
    EXPECT_EQ(error.what(), "File not found: \"" + (fx.dir / "missing.scn").string() + "\"");
  }
  expectUnchanged();

  EXPECT_THROW(fx.Open(state, "*.*", ScenarioLayout::Original), IoError);
  expectUnchanged();
}

TEST_F(OpenScenarioTest, AShortFileIsRefusedWithItsSizeAndTheSizeNeeded) {
  fx.WriteScenario(WorkedExample(), "good.scn");
  fx.Open(state, "good.scn", ScenarioLayout::Homemade);
  auto bytes = testing::BuildScenario(ScenarioPlan{}).bytes;  // Original, 2 x 3 map
  const std::size_t full = bytes.size();
  bytes.resize(full - 1);
  testing::WriteFileBytes(fx.dir / "short.scn", bytes);
  try {
    fx.Open(state, "short.scn", ScenarioLayout::Original);
    FAIL();
  } catch (const Refusal& refusal) {
    const std::string text = refusal.what();
    EXPECT_NE(text.find("too short"), std::string::npos) << text;
    EXPECT_NE(text.find("Orvane Original"), std::string::npos) << text;
    EXPECT_NE(text.find(std::to_string(full - 1)), std::string::npos) << text;
    EXPECT_NE(text.find(std::to_string(full)), std::string::npos) << text;
  }
  EXPECT_EQ(state.scenario.geometry.sourcePath, (fx.dir / "good.scn").string());
  EXPECT_EQ(state.scenario.layout, ScenarioLayout::Homemade);
}

TEST_F(OpenScenarioTest, AFileOfTheOtherLayoutIsNamedAsSuch) {
  ScenarioPlan homemade;
  homemade.layout = Layout::Homemade;
  fx.WriteScenario(homemade, "home.scn");
  ScenarioPlan original;
  original.mapSizeA = 9;  // header byte 4 is map data, read as a place-name count
  original.mapSizeB = 9;
  fx.WriteScenario(original, "orig.scn");
  fx.WriteScenario(WorkedExample(), "good.scn");
  fx.Open(state, "good.scn", ScenarioLayout::Homemade);

  for (const auto& [file, declared, named] :
       {std::tuple{"home.scn", ScenarioLayout::Original, "\"Homemade\" layout"},
        std::tuple{"orig.scn", ScenarioLayout::Homemade, "\"Orvane Original\" layout"}}) {
    try {
      fx.Open(state, file, declared);
      ADD_FAILURE() << file;
    } catch (const Refusal& refusal) {
      EXPECT_NE(
          std::string(refusal.what()).find(std::string("looks like a scenario of the ") + named),
          std::string::npos)
          << refusal.what();
    }
    EXPECT_EQ(state.scenario.geometry.sourcePath, (fx.dir / "good.scn").string());
  }
}

TEST_F(OpenScenarioTest, ALargerFileIsAccepted) {
  ScenarioPlan plan;
  plan.trailing = {1, 2, 3};
  plan.Place(Unit("A", 0, 0));
  fx.WriteScenario(plan, "long.scn");
  EXPECT_TRUE(fx.Open(state, "long.scn", ScenarioLayout::Original).opened);
  EXPECT_EQ(state.scenario.units.size(), 1);
}

TEST_F(OpenScenarioTest, EveryTruncationIsRefusedAndTheEarlierScenarioStays) {
  fx.WriteScenario(WorkedExample(), "good.scn");
  fx.Open(state, "good.scn", ScenarioLayout::Homemade);
  for (const Layout layout : {Layout::Homemade, Layout::Original}) {
    ScenarioPlan plan = WorkedExample();
    plan.layout = layout;
    const auto built = testing::BuildScenario(plan);
    const std::int64_t size = static_cast<std::int64_t>(built.bytes.size());
    const std::int64_t insideMap = built.typeOffset - 100 - 37 * 20 * 30 / 2;
    for (const std::int64_t length :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{4}, std::int64_t{8}, insideMap,
          built.typeOffset - 7, built.typeOffset + 10530, built.unitAreaOffset + 1000,
          built.tailOffset + 50, size - 1}) {
      testing::WriteFileBytes(fx.dir / "cut.scn", testing::Slice(built.bytes, 0, length));
      const ScenarioLayout declared =
          layout == Layout::Homemade ? ScenarioLayout::Homemade : ScenarioLayout::Original;
      try {
        fx.Open(state, "cut.scn", declared);
        ADD_FAILURE() << "length " << length << " was opened";
      } catch (const Refusal& refusal) {
        EXPECT_NE(std::string(refusal.what()).find("is too short for a scenario of the"),
                  std::string::npos)
            << "length " << length << ": " << refusal.what();
      }
      EXPECT_EQ(state.scenario.geometry.sourcePath, (fx.dir / "good.scn").string());
      EXPECT_EQ(state.scenario.units.size(), 4);
    }
  }
}

}  // namespace
}  // namespace zarkel
