#include "roster/unit_review.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "roster/campaign_values.h"
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

TEST_F(UnitReviewTest, AnyOtherUsedTextIsRejectedAndNothingIsStored) {
  const UnitRecord opened = state.scenario.units.at(2);  // column 5, row 7, experience 4
  const std::size_t steps = state.history.StepCount();
  const auto result = AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 1,
                                        UnitEditTexts{"44", "$FF", "no", "255"}, axis);
  EXPECT_EQ(fx.dialogs.messages, Lines{"\"0\" and \"NO\" are the only two valid entries"});
  EXPECT_FALSE(result.refreshed.has_value());
  ASSERT_TRUE(result.shownAfterRejection.has_value());
  // The edits show the unit as it still is.
  EXPECT_EQ(result.shownAfterRejection->column, "5");
  EXPECT_EQ(result.shownAfterRejection->row, "7");
  EXPECT_EQ(result.shownAfterRejection->used, "0");
  EXPECT_EQ(result.shownAfterRejection->experience, "4");
  EXPECT_EQ(state.scenario.units.at(2).bytes, opened.bytes);
  EXPECT_EQ(state.history.StepCount(), steps);
  for (const char* used : {" 0", "NO ", "No", ""}) {
    EXPECT_TRUE(AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 1,
                                  UnitEditTexts{"1", "1", used, "1"}, axis)
                    .shownAfterRejection.has_value())
        << "'" << used << "'";
  }
  EXPECT_EQ(state.scenario.units.at(2).bytes, opened.bytes);
}

TEST_F(UnitReviewTest, AConversionErrorNamesItsFieldAndStoresNothing) {
  const UnitRecord opened = state.scenario.units.at(3);
  try {
    AcceptUnitChanges(state, fx.dialogs, UnitPage::Aux, 0, UnitEditTexts{"33", "x7", "0", "5"},
                      axis);
    FAIL();
  } catch (const UnitFieldError& error) {
    EXPECT_STREQ(error.what(), "'x7' is not a valid integer value");
    EXPECT_EQ(error.field(), UnitField::Row);
  }
  EXPECT_EQ(state.scenario.units.at(3).bytes, opened.bytes);
  // Column 20, row 300, experience 5: the row is refused, the column not stored before it.
  try {
    AcceptUnitChanges(state, fx.dialogs, UnitPage::Aux, 0, UnitEditTexts{"20", "300", "0", "5"},
                      axis);
    FAIL();
  } catch (const UnitFieldError& error) {
    EXPECT_STREQ(error.what(), "300 does not fit \"Row\" (0 to 255)");
  }
  EXPECT_EQ(state.scenario.units.at(3).bytes, opened.bytes);
  EXPECT_EQ(state.history.StepCount(), 0u);
  EXPECT_THROW(AcceptUnitChanges(state, fx.dialogs, UnitPage::Aux, 0,
                                 UnitEditTexts{"", "1", "0", "1"}, axis),
               ConversionError);
}

// A unit's column, row and experience and the eight limits are one byte each in the file. A
// number outside 0 to 255 is refused where a text that is not a number is: at "Accept Changes"
// for a unit (nothing of the unit stored), at the write for a limit (the limits before it
// stored).
TEST_F(UnitReviewTest, ANumberThatDoesNotFitAByteIsRefusedLikeATextThatIsNotANumber) {
  constexpr int kTooLarge = -1;
  constexpr int kNotANumber = -2;
  struct Case {
    const char* text;
    int stored;              // or how it is refused
    const char* shown = "";  // the number the refusal shows
  };
  const Case cases[] = {
      {"0", 0},
      {"255", 255},
      {"$FF", 255},
      {"256", kTooLarge, "256"},
      {"$100", kTooLarge, "256"},
      {"300", kTooLarge, "300"},
      {"-1", kTooLarge, "-1"},
      {"2147483647", kTooLarge, "2147483647"},
      {"abc", kNotANumber},
      {"", kNotANumber},
  };
  const UnitRecord opened = state.scenario.units.at(2);  // line 1: column 5, row 7, experience 4
  const char* const captions[] = {"Column", "Row", "Experience"};
  for (const Case& c : cases) {
    for (int field = 0; field < 3; ++field) {
      state.scenario.units.at(2) = opened;
      UnitEditTexts texts{"9", "9", "0", "9"};
      (field == 0 ? texts.column : field == 1 ? texts.row : texts.experience) = c.text;
      const std::size_t steps = state.history.StepCount();
      std::string refusal;
      try {
        AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 1, texts, axis);
      } catch (const ConversionError& error) {
        refusal = error.what();
      }
      const UnitRecord& unit = state.scenario.units.at(2);
      const int values[] = {unit.columnLow(), unit.rowLow(), unit.experience()};
      const int before[] = {5, 7, 4};
      const std::string at = std::string(c.text) + " in " + captions[field];
      if (c.stored >= 0) {
        EXPECT_EQ(refusal, "") << at;
        EXPECT_EQ(values[field], c.stored) << at;
        continue;
      }
      EXPECT_EQ(refusal,
                c.stored == kTooLarge
                    ? std::string(c.shown) + " does not fit \"" + captions[field] + "\" (0 to 255)"
                    : "'" + std::string(c.text) + "' is not a valid integer value")
          << at;
      for (int other = 0; other < 3; ++other)
        EXPECT_EQ(values[other], before[other]) << at << ", field " << other;
      EXPECT_EQ(state.history.StepCount(), steps) << at;
    }

    // The same text as "max axis core", the sixth limit in edit order.
    ScenarioData scenario;
    scenario.limits.fill(99);
    LimitTexts limits{"9", "9", "9", "9", "9", c.text, "9", "9"};
    try {
      CommitCampaignValues(scenario, 0, limits);
      EXPECT_GE(c.stored, 0) << c.text << " as a limit";
      EXPECT_EQ(scenario.limits[5], c.stored) << c.text << " as a limit";
    } catch (const ConversionError& error) {
      EXPECT_EQ(
          std::string(error.what()),
          c.stored == kTooLarge
              ? std::string(c.shown) + " does not fit \"max axis core\" (0 to 255)"
              : "'" + std::string(c.text) + "' is not a valid integer value: \"max axis core\"");
      EXPECT_EQ(scenario.limits, (CampaignLimits{9, 9, 9, 9, 9, 99, 99, 99})) << c.text;
    }
  }
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
