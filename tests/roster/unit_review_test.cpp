#include "roster/unit_review.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

using testing::ScenarioPlan;
using testing::UnitPlan;
using Lines = std::vector<std::string>;

class UnitReviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScenarioPlan plan;
    UnitPlan core;
    core.name = "Panzer";
    core.country = 9;
    core.equipmentId = 1;  // class 1 "Tank", name "Eq1"
    core.landTransportId = 65535;
    core.navalTransportId = 989;
    core.column = 256;
    core.row = 12;
    core.strength = 10;
    core.entrenchment = 3;
    core.experience = 4;
    plan.Place(core);
    UnitPlan placed = core;
    placed.name = "Placed";
    placed.orderNumber = 1;
    placed.column = 5;
    placed.row = 7;
    placed.landTransportId = 8;
    plan.Place(placed);
    UnitPlan aux = core;
    aux.name = "Aux";
    aux.orderNumber = 80;
    aux.country = 6;
    plan.Place(aux);
    fx.WriteScenario(plan, "s.scn");
    fx.Open(state, "s.scn", ScenarioLayout::Original, axis);
    state.equipment.names[989] = "Barge";
  }
  testing::ScenarioFixture fx;
  EditorState state;
  SideButtons axis{true, false};
};

TEST_F(UnitReviewTest, ShowsEveryFieldOfTheUnitBehindTheLine) {
  const auto core = ReviewUnit(state, UnitPage::Core, 0);
  ASSERT_TRUE(core.has_value());
  EXPECT_EQ(core->name, "Panzer");
  EXPECT_EQ(core->unitType, "Tank");
  EXPECT_EQ(core->country, "Ge");
  EXPECT_EQ(core->equipmentName, "Eq1");
  EXPECT_EQ(core->landTransport, "");
  EXPECT_EQ(core->navalTransport, "Barge");
  EXPECT_EQ(core->column, "0");
  EXPECT_EQ(core->row, "12");
  EXPECT_EQ(core->used, "NO");
  EXPECT_EQ(core->strength, "10");
  EXPECT_EQ(core->entrenchment, "3");
  EXPECT_EQ(core->experience, "4");
  EXPECT_EQ(ReviewUnit(state, UnitPage::Core, 1)->landTransport, "Eq8");
  EXPECT_EQ(ReviewUnit(state, UnitPage::Aux, 0)->country, "CB");
  EXPECT_FALSE(ReviewUnit(state, UnitPage::Core, std::nullopt).has_value());
  EXPECT_FALSE(ReviewUnit(state, UnitPage::Aux, 1).has_value());
}

TEST_F(UnitReviewTest, UsedZeroPlacesTheUnitAtTheColumnAndRowTyped) {
  const auto result = AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 0,
                                        UnitEditTexts{"5", "7", "0", "9"}, axis);
  ASSERT_TRUE(result.refreshed.has_value());
  const UnitRecord& unit = state.scenario.units.at(1);
  EXPECT_EQ(unit.column(), 5);
  EXPECT_EQ(unit.row(), 7);
  EXPECT_EQ(unit.experience(), 9);
  EXPECT_TRUE(result.refreshed->unusedCoreNames.empty());
  EXPECT_TRUE(fx.dialogs.messages.empty());
}

TEST_F(UnitReviewTest, UsedNoSetsColumnAndRowTo256AndSaysSo) {
  const auto result = AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 1,
                                        UnitEditTexts{"5", "7", "NO", "1"}, axis);
  const UnitRecord& unit = state.scenario.units.at(2);
  EXPECT_EQ(unit.column(), 256);
  EXPECT_EQ(unit.row(), 256);
  EXPECT_EQ(fx.dialogs.messages, Lines{"Because Status set to Unused Columns and Rows set to 0"});
  EXPECT_EQ(result.refreshed->unusedCoreNames, (Lines{"Panzer", "Placed"}));
}

TEST_F(UnitReviewTest, AnyOtherUsedTextIsRejectedButTheNumbersAreAlreadyStored) {
  const auto result = AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 1,
                                        UnitEditTexts{"300", "-1", "no", "$FF"}, axis);
  EXPECT_EQ(fx.dialogs.messages, Lines{"\"0\" and \"NO\" are the only two valid entries"});
  EXPECT_FALSE(result.refreshed.has_value());
  ASSERT_TRUE(result.shownAfterRejection.has_value());
  EXPECT_EQ(result.shownAfterRejection->column, "44");
  EXPECT_EQ(result.shownAfterRejection->row, "255");
  EXPECT_EQ(result.shownAfterRejection->used, "0");
  EXPECT_EQ(result.shownAfterRejection->experience, "255");
  EXPECT_EQ(state.scenario.units.at(2).column(), 44) << "the high byte stays as it was";
  for (const char* used : {" 0", "NO ", "No", ""}) {
    EXPECT_TRUE(AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 1,
                                  UnitEditTexts{"1", "1", used, "1"}, axis)
                    .shownAfterRejection.has_value())
        << "'" << used << "'";
  }
}

TEST_F(UnitReviewTest, AConversionErrorStopsAtItsField) {
  try {
    AcceptUnitChanges(state, fx.dialogs, UnitPage::Aux, 0, UnitEditTexts{"33", "x7", "0", "5"},
                      axis);
    FAIL();
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'x7' is not a valid integer value");
  }
  const UnitRecord& aux = state.scenario.units.at(3);
  EXPECT_EQ(aux.columnLow(), 33);
  EXPECT_EQ(aux.rowLow(), 12);
  EXPECT_EQ(aux.experience(), 4);
  EXPECT_EQ(UsedStatus(aux), "NO");
  EXPECT_THROW(AcceptUnitChanges(state, fx.dialogs, UnitPage::Aux, 0,
                                 UnitEditTexts{"", "1", "0", "1"}, axis),
               ConversionError);
}

TEST_F(UnitReviewTest, AcceptWithNothingSelectedDiffersByPage) {
  EXPECT_TRUE(AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, std::nullopt, {}, axis)
                  .refreshed.has_value());
  const auto aux = AcceptUnitChanges(state, fx.dialogs, UnitPage::Aux, std::nullopt, {}, axis);
  EXPECT_FALSE(aux.refreshed.has_value());
  EXPECT_FALSE(aux.shownAfterRejection.has_value());
}

TEST_F(UnitReviewTest, UnusedListsAreNotSelectable) {
  const RosterDisplay d = UnusedListClick(state, fx.dialogs, axis);
  EXPECT_EQ(fx.dialogs.messages, Lines{"Not Selectable"});
  EXPECT_EQ(d.unusedCoreNames, Lines{"Panzer"});
}

}  // namespace
}  // namespace zarkel
