#include "roster/campaign_values.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

TEST(CampaignValues, CommitConvertsEachTextInEditOrder) {
  ScenarioData scenario;
  CommitCampaignValues(scenario, 2, LimitTexts{"30", "$FF", "1", " 12", "$10", "0", "255", "+7"});
  EXPECT_EQ(scenario.battleType, 2);
  EXPECT_EQ(scenario.limits, (CampaignLimits{30, 255, 1, 12, 16, 0, 255, 7}));
}

TEST(CampaignValues, ATextThatIsNotANumberStopsAtThatField) {
  ScenarioData scenario;
  scenario.limits.fill(99);
  try {
    CommitCampaignValues(scenario, 1, LimitTexts{"1", "2", "3", "abc", "5", "6", "7", "8"});
    FAIL();
  } catch (const ConversionError& error) {
    // The text, then the caption of the edit that holds it.
    EXPECT_STREQ(error.what(),
                 "'abc' is not a valid integer value: \"max allied navy core units ***\"");
  }
  EXPECT_EQ(scenario.battleType, 1);
  EXPECT_EQ(scenario.limits, (CampaignLimits{1, 2, 3, 99, 99, 99, 99, 99}));
  EXPECT_THROW(CommitCampaignValues(scenario, 0, LimitTexts{"Edit3"}), ConversionError);
}

TEST(CampaignValues, TheSpinControlStaysWithinZeroAndTwo) {
  EXPECT_EQ(ClampBattleType(5), 2);
  EXPECT_EQ(ClampBattleType(-4), 0);
  EXPECT_EQ(ClampBattleType(1), 1);
  ScenarioData scenario;
  scenario.battleType = 200;
  EXPECT_EQ(ShowCampaignValues(scenario).battleType, 2);
}

TEST(CampaignValues, CurrentUnitCountsSplitCoreIntoNavalAndNonNaval) {
  testing::ScenarioFixture fx;
  testing::ScenarioPlan plan;
  auto unit = [](int side, int order, int equipment) {
    testing::UnitPlan u;
    u.side = static_cast<std::uint8_t>(side);
    u.orderNumber = static_cast<std::uint8_t>(order);
    u.equipmentId = static_cast<std::uint16_t>(equipment);
    return u;
  };
  // Fixture classes: id i has class i % 20; 9 destroyer, 19 naval transport, 11 carrier.
  plan.Place(unit(1, 0, 9));
  plan.Place(unit(1, 1, 9));
  plan.Place(unit(1, 2, 19));
  plan.Place(unit(1, 80, 11));
  auto unplaced = unit(0, 0, 0);
  unplaced.column = 256;
  plan.Place(unplaced);
  plan.Place(unit(0, 1, 3000));  // an id beyond the tables: its class is unknown
  plan.Place(unit(2, 0, 9));
  fx.WriteScenario(plan, "s.scn");
  EditorState state;
  fx.Open(state, "s.scn", ScenarioLayout::Original);
  const UnitCountCaptions captions = CountCurrentUnits(state);
  EXPECT_EQ(captions.allied, (std::array<std::string, 4>{"3", "1", "1", "2"}));
  // One Axis core unit of unknown class: neither the naval nor the non-naval figure is known.
  EXPECT_EQ(captions.axis, (std::array<std::string, 4>{"2", "0", "?", "?"}));
  EXPECT_EQ(captions.note,
            "Non-naval and naval counts unknown: 1 unit has an equipment id beyond the "
            "equipment file, so its class is unknown.");
  EXPECT_EQ(state.unitCounts.navalCore[2], 1) << "the third side is counted, not shown";

  // Without an equipment file no class is known, not every unit infantry.
  EditorState bare;
  fx.dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
  fx.dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
  OpenScenario(bare, fx.dialogs, fx.Request("s.scn", ScenarioLayout::Original));
  const UnitCountCaptions unknown = CountCurrentUnits(bare);
  EXPECT_EQ(unknown.allied, (std::array<std::string, 4>{"3", "1", "?", "?"}));
  EXPECT_EQ(unknown.note,
            "Non-naval and naval counts unknown: no unit's class is known without the equipment "
            "file (.eqp).");
}

}  // namespace
}  // namespace zarkel
