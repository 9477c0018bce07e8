#include "roster/side_rosters.h"

#include <gtest/gtest.h>

#include "scenario_fixture.h"

namespace zarkel {
namespace {

using testing::ScenarioPlan;
using testing::UnitPlan;
using Lines = std::vector<std::string>;

UnitPlan Unit(const std::string& name, int side, int order, int experience, int equipment = 0) {
  UnitPlan u = testing::NamedUnit(name, side, order);
  u.experience = static_cast<std::uint8_t>(experience);
  u.equipmentId = static_cast<std::uint16_t>(equipment);
  return u;
}

class SideRostersTest : public ::testing::Test {
 protected:
  void Open(const ScenarioPlan& plan) {
    fx.WriteScenario(plan, "s.scn");
    fx.Open(state, "s.scn", ScenarioLayout::Original);
  }
  testing::ScenarioFixture fx;
  EditorState state;
};

TEST_F(SideRostersTest, ListLinesInRosterOrderWithTheirExperiencePrefix) {
  ScenarioPlan plan;
  plan.Place(Unit("Zero", 0, 0, 0));
  plan.Place(Unit("Three", 0, 80, 3));
  plan.Place(Unit("Twelve", 0, 1, 12));
  UnitPlan unplacedCore = Unit("Off map", 0, 2, 1);
  unplacedCore.column = 256;
  plan.Place(unplacedCore);
  UnitPlan unplacedAux = Unit("Aux off", 0, 81, 1);
  unplacedAux.row = 300;
  plan.Place(unplacedAux);
  plan.Place(Unit("Allied", 1, 0, 4));
  Open(plan);
  const RosterDisplay d = SelectSide(state, SideButtons{true, false});
  EXPECT_EQ(d.coreNames, (Lines{"Zero", "Twelve", "Off map"}));
  EXPECT_EQ(d.coreLines, (Lines{"       Zero", "12      Twelve", "1      Off map"}));
  EXPECT_EQ(d.auxLines, (Lines{"3      Three", "1      Aux off"}));
  EXPECT_EQ(d.auxNames, (Lines{"Three", "Aux off"}));
  EXPECT_EQ(d.unusedCoreNames, Lines{"Off map"});
  EXPECT_EQ(d.unusedAuxNames, Lines{"Aux off"});
  EXPECT_EQ(d.sideCaption, "  Axis");
  // Block order is Zero (block 0), Twelve (1), Off map (2), Three (80), Aux off (81).
  EXPECT_EQ(state.view.coreListMap, (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_EQ(state.view.auxListMap, (std::vector<std::int32_t>{4, 5}));
  EXPECT_EQ(state.view.CoreListLast(), 2);
}

TEST_F(SideRostersTest, ASideWithoutUnits) {
  ScenarioPlan plan;
  plan.Place(Unit("Axis", 0, 0, 1));
  Open(plan);
  const RosterDisplay d = SelectSide(state, SideButtons{false, true});
  EXPECT_TRUE(d.coreNames.empty() && d.coreLines.empty() && d.auxLines.empty());
  EXPECT_TRUE(d.auxNames.empty() && d.unusedCoreNames.empty() && d.unusedAuxNames.empty());
  EXPECT_EQ(state.view.CoreListLast(), -1);
  EXPECT_EQ(state.view.AuxListLast(), -1);
  for (const auto& caption : d.compositionCaptions)
    EXPECT_EQ(caption, "");
  EXPECT_EQ(d.experience.alliedAverage, "");
  EXPECT_EQ(d.experience.pageAverage, "");
  EXPECT_EQ(d.experience.axisAverage, "1.00");
}

TEST_F(SideRostersTest, CompositionCountsCoreUnitsByClassWithRowsOnlyForShownClasses) {
  ScenarioPlan plan;
  // Equipment id i has class i % 20 in the fixture's equipment file.
  plan.Place(Unit("Inf a", 0, 0, 1, 0));
  plan.Place(Unit("Inf b", 0, 1, 1, 20));
  plan.Place(Unit("Destroyer", 0, 2, 1, 9));
  plan.Place(Unit("Land transport", 0, 3, 1, 8));
  plan.Place(Unit("Level bomber", 0, 4, 1, 17));
  plan.Place(Unit("Naval transport", 0, 5, 1, 19));
  plan.Place(Unit("Aux tank", 0, 80, 1, 1));
  plan.Place(Unit("Unknown id", 0, 6, 1, 2000));  // beyond the names and classes read
  Open(plan);
  state.equipment.classOf[2000] = 25;  // a class with no name has no counter
  const RosterDisplay d = SelectSide(state, SideButtons{true, false});
  std::array<std::string, kCompositionRows> expected{};
  expected[0] = "2";   // Inf:
  expected[8] = "1";   // Dest:
  expected[16] = "1";  // Lvl:
  EXPECT_EQ(d.compositionCaptions, expected);
  EXPECT_EQ(state.view.compositionCounts[8], 1) << "land transport counted, not shown";
  EXPECT_EQ(state.view.compositionCounts[19], 1);
  EXPECT_EQ(state.view.compositionCounts[1], 0) << "auxiliary units are not counted";
  EXPECT_STREQ(CompositionRows()[9].caption, "Btlshp:");
}

TEST_F(SideRostersTest, ExperienceAveragesCountAuxiliaryUnitsToo) {
  ScenarioPlan plan;
  plan.Place(Unit("a", 0, 0, 2));
  plan.Place(Unit("b", 0, 1, 3));
  plan.Place(Unit("c", 0, 80, 3));
  plan.Place(Unit("d", 1, 0, 6));
  Open(plan);
  const RosterDisplay d = SelectSide(state, SideButtons{false, true});
  EXPECT_EQ(d.experience.axisAverage, "2.67");
  EXPECT_EQ(d.experience.axisNewUnit, "3");
  EXPECT_EQ(d.experience.alliedAverage, "6.00");
  EXPECT_EQ(d.experience.alliedNewUnit, "5");
  EXPECT_EQ(d.experience.pageAverage, "6.00");
  EXPECT_EQ(d.experience.pageNewUnit, "5");
  EXPECT_FALSE(RefreshRosters(state, SideButtons{}).experience.pageAverage.has_value());
}

TEST(RoundExperience, HalfUpCappedAtFive) {
  EXPECT_EQ(RoundExperience(-3.0f), 0);
  EXPECT_EQ(RoundExperience(0.49f), 0);
  EXPECT_EQ(RoundExperience(0.5f), 1);
  EXPECT_EQ(RoundExperience(1.49f), 1);
  EXPECT_EQ(RoundExperience(2.5f), 3);
  EXPECT_EQ(RoundExperience(4.49f), 4);
  EXPECT_EQ(RoundExperience(4.5f), 5);
  EXPECT_EQ(RoundExperience(9.0f), 5);
  EXPECT_EQ(RoundExperience(8.0f / 3.0f), 3);
}

TEST(FormatAverage, TwoDecimalsWithExactHalvesRoundedUp) {
  EXPECT_EQ(FormatAverage(8.0f / 3.0f), "2.67");
  EXPECT_EQ(FormatAverage(2.5f), "2.50");
  EXPECT_EQ(FormatAverage(0.0f), "0.00");
  EXPECT_EQ(FormatAverage(0.125f), "0.13");
  EXPECT_EQ(FormatAverage(2.375f), "2.38");
  EXPECT_EQ(FormatAverage(255.0f), "255.00");
  EXPECT_EQ(FormatAverage(1.0f / 3.0f), "0.33");
}

}  // namespace
}  // namespace zarkel
