#include "roster/transfer.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

using testing::ScenarioPlan;
using testing::UnitPlan;
using Lines = std::vector<std::string>;

UnitPlan Unit(const std::string& name, int side, int order, int equipment = 1) {
  UnitPlan u = testing::NamedUnit(name, side, order);
  u.equipmentId = static_cast<std::uint16_t>(equipment);
  u.experience = static_cast<std::uint8_t>(order % 7);
  return u;
}

class TransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScenarioPlan plan;
    // Axis roster order (block order): c0, c1, c2, a80, a81.
    for (int i = 0; i < 3; ++i)
      plan.Place(Unit("c" + std::to_string(i), 0, i));
    plan.Place(Unit("a80", 0, 80));
    plan.Place(Unit("a81", 0, 81));
    plan.Place(Unit("allied", 1, 0));
    plan.Place(Unit("third", 2, 0));
    fx.WriteScenario(plan, "s.scn");
    fx.Open(state, "s.scn", ScenarioLayout::Original, axis);
  }
  testing::ScenarioFixture fx;
  EditorState state;
  SideButtons axis{true, false};
};

TEST_F(TransferTest, NothingSelectedDoesNothingAtAll) {
  EXPECT_FALSE(TransferToAux(state, {}, SideButtons{false, true}).has_value());
  EXPECT_FALSE(TransferToCore(state, {}, SideButtons{false, true}).has_value());
  EXPECT_EQ(state.view.currentSide, 0) << "not even the side changes";
}

TEST_F(TransferTest, MovedUnitsStandAtTheirRosterPlaceAndComeBackUnchanged) {
  const RosterDisplay before = RefreshRosters(state, axis);
  const auto moved = TransferToAux(state, {0, 2}, axis);
  ASSERT_TRUE(moved.has_value());
  EXPECT_EQ(moved->coreNames, Lines{"c1"});
  EXPECT_EQ(moved->auxNames, (Lines{"c0", "c2", "a80", "a81"}));
  EXPECT_EQ(moved->auxLines.front(), "       c0");
  EXPECT_EQ(moved->experience.axisAverage, before.experience.axisAverage);

  const auto back = TransferToCore(state, {0, 1}, axis);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->coreNames, before.coreNames);
  EXPECT_EQ(back->coreLines, before.coreLines);
  EXPECT_EQ(back->auxLines, before.auxLines);
  EXPECT_EQ(back->compositionCaptions, before.compositionCaptions);
  EXPECT_EQ(state.scenario.units.at(1).orderNumber(), 0) << "records are not touched";
}

TEST_F(TransferTest, EverythingToAuxEmptiesTheCoreListsAndComposition) {
  const auto d = TransferToAux(state, {0, 1, 2}, axis);
  ASSERT_TRUE(d.has_value());
  EXPECT_TRUE(d->coreNames.empty());
  EXPECT_EQ(d->auxNames.size(), 5u);
  for (const auto& caption : d->compositionCaptions)
    EXPECT_EQ(caption, "");
}

TEST_F(TransferTest, OnlyTheCurrentSideChanges) {
  TransferToAux(state, {0}, SideButtons{false, true});
  EXPECT_EQ(state.view.currentSide, 1);
  EXPECT_EQ(IsAux(state.scenario.rosters, 1, 1), 1);
  for (int p = 1; p <= 3; ++p)
    EXPECT_EQ(IsAux(state.scenario.rosters, 0, p), 0);
  EXPECT_EQ(IsAux(state.scenario.rosters, 2, 1), 0);
}

TEST_F(TransferTest, ASideFillsUpToEachLimitAndNoFurther) {
  ScenarioPlan plan;
  for (int i = 0; i < 79; ++i)
    plan.Place(Unit("core", 0, i));
  for (int i = 0; i < 120; ++i)
    plan.Place(Unit("aux", 0, 80 + i));
  fx.WriteScenario(plan, "full.scn");
  fx.Open(state, "full.scn", ScenarioLayout::Original, axis);

  // 79 core units take one more, then no further one.
  const auto core = TransferToCore(state, {0}, axis);
  ASSERT_TRUE(core.has_value());
  EXPECT_EQ(core->coreLines.size(), 80u);
  EXPECT_EQ(core->auxLines.size(), 119u);
  EXPECT_THROW(TransferToCore(state, {0}, axis), Refusal);
  EXPECT_EQ(RefreshRosters(state, axis).coreLines, core->coreLines) << "nothing was transferred";

  // 119 auxiliary units take one more, then no further one.
  const auto aux = TransferToAux(state, {0}, axis);
  ASSERT_TRUE(aux.has_value());
  EXPECT_EQ(aux->coreLines.size(), 79u);
  EXPECT_EQ(aux->auxLines.size(), 120u);
  try {
    TransferToAux(state, {5}, axis);
    FAIL();
  } catch (const Refusal& refusal) {
    EXPECT_NE(std::string(refusal.what()).find("121 auxiliary units"), std::string::npos)
        << refusal.what();
  }
  EXPECT_EQ(RefreshRosters(state, axis).auxLines, aux->auxLines) << "nothing was transferred";
}

}  // namespace
}  // namespace zarkel
