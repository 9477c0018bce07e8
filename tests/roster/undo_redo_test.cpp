#include "roster/undo_redo.h"

#include <gtest/gtest.h>

#include <random>

#include "base/errors.h"
#include "output/campaign_writer.h"
#include "roster/campaign_edits.h"
#include "roster/transfer.h"
#include "roster/unit_review.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

using testing::Bytes;

class UndoRedoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ScenarioPlan plan;
    plan.layout = testing::Layout::Homemade;
    // Room both ways on both sides: 10 core and 10 auxiliary Axis units, 6 and 6 Allied.
    for (int side = 0; side < 2; ++side) {
      const int count = side == 0 ? 10 : 6;
      for (int i = 0; i < 2 * count; ++i) {
        const int order = i < count ? i : 80 + i - count;
        testing::UnitPlan unit =
            testing::NamedUnit((side == 0 ? "ax" : "al") + std::to_string(i), side, order);
        unit.experience = static_cast<std::uint8_t>(i % 5);
        unit.seed = static_cast<std::uint8_t>(side * 40 + i);
        plan.Place(unit);
      }
    }
    fx.WriteScenario(plan, "s.scn");
    fx.Open(state, "s.scn", ScenarioLayout::Homemade, axis);
  }

  // The campaign scenario written from the state as it stands.
  Bytes Written(const std::string& name) {
    CampaignWriteRequest request;
    request.slotName = name;
    request.directory = fx.dir.path().string();
    request.battleType = state.scenario.entries.battleType;
    request.limitTexts = state.scenario.entries.limitTexts;
    WriteCampaignScenario(state, testing::Replacing(), request);
    return testing::ReadFileBytes(fx.dir / (name + ".scn"));
  }

  // One edit drawn at random: a transfer of some lines either way, an accept on either page
  // with texts that may stop it half-way (a used text that is rejected, an experience that is
  // not a number), or a change of the type or of a limit. Refusals and stops are part of the
  // draw.
  void RandomEdit(std::mt19937& random) {
    const auto pick = [&](int n) { return static_cast<std::int32_t>(random() % n); };
    if (pick(4) == 0) {
      if (pick(3) == 0)
        SetScenarioType(state, pick(3));
      else
        SetLimitText(state, pick(kLimitFieldCount), std::to_string(pick(256)));
      return;
    }
    const bool axisShown = pick(2) == 0;
    const SideButtons shown{axisShown, !axisShown};
    SelectSide(state, shown);
    const bool core = pick(2) == 0;
    const std::int32_t lines =
        static_cast<std::int32_t>((core ? state.view.coreListMap : state.view.auxListMap).size());
    if (lines == 0)
      return;
    try {
      if (pick(2) == 0) {
        std::vector<std::int32_t> chosen;
        for (std::int32_t line = 0; line < lines; ++line) {
          if (pick(3) == 0)
            chosen.push_back(line);
        }
        if (core)
          TransferToAux(state, chosen, shown);
        else
          TransferToCore(state, chosen, shown);
      } else {
        const char* used[] = {"0", "NO", "no"};
        const UnitEditTexts texts{std::to_string(pick(300)), std::to_string(pick(300)),
                                  used[pick(3)], pick(6) == 0 ? "abc" : std::to_string(pick(8))};
        AcceptUnitChanges(state, fx.dialogs, core ? UnitPage::Core : UnitPage::Aux, pick(lines),
                          texts, shown);
      }
    } catch (const EditorError&) {
      // A full side refuses, a text that is not a number stops: both are edits users make.
    }
  }

  testing::ScenarioFixture fx;
  EditorState state;
  SideButtons axis{true, false};
};

TEST_F(UndoRedoTest, UndoingEveryRandomEditWritesTheScenarioAsOpenedAndRedoingThemAsEdited) {
  const Bytes opened = Written("opened");
  std::mt19937 random(20261208);
  for (int i = 0; i < 300; ++i) {
    RandomEdit(random);
    if (i % 100 == 50)
      Written("between");  // a write renumbers the units; undo must not mind
  }
  const std::size_t steps = state.history.StepCount();
  ASSERT_GT(steps, 150u);
  const Bytes edited = Written("edited");
  ASSERT_NE(edited, opened);

  for (std::size_t i = 0; i < steps; ++i)
    ASSERT_TRUE(UndoStep(state));
  EXPECT_FALSE(UndoStep(state));
  EXPECT_EQ(Written("undone"), opened);
  while (RedoStep(state)) {
  }
  EXPECT_EQ(Written("redone"), edited);
}

TEST_F(UndoRedoTest, StepsAreNamedShownOnTheirSideAndCountedAsWrittenOrNot) {
  EXPECT_FALSE(UndoName(state) || RedoName(state) || state.history.HasUnwrittenEdits());
  TransferToAux(state, {0, 2}, axis);
  EXPECT_EQ(UndoName(state), "Transfer of 2 units to auxiliary");
  const SideButtons allies{false, true};
  SelectSide(state, allies);
  AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 1, {"7", "8", "0", "1"}, allies);
  EXPECT_EQ(UndoName(state), "Change of al1");
  // An accept that changes no byte is no step.
  AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 1, {"7", "8", "0", "1"}, allies);
  EXPECT_EQ(state.history.StepCount(), 2u);

  Written("w");
  state.history.MarkWritten();  // as the session does after a write of the scenario
  EXPECT_FALSE(state.history.HasUnwrittenEdits());
  UndoStep(state);
  EXPECT_TRUE(state.history.HasUnwrittenEdits());
  EXPECT_EQ(RedoName(state), "Change of al1");
  const auto back = UndoStep(state);  // made on the Axis side, undone with the Allies shown
  ASSERT_TRUE(back && back->rosters);
  EXPECT_EQ(state.view.currentSide, 0);
  EXPECT_EQ(back->rosters->sideCaption, "  Axis");

  RedoStep(state);
  RedoStep(state);
  EXPECT_FALSE(state.history.HasUnwrittenEdits()) << "back at the state written";
  UndoStep(state);
  SelectSide(state, axis);
  TransferToCore(state, {0}, axis);  // drops the step that could be redone, and the written state
  EXPECT_FALSE(RedoName(state));
  EXPECT_EQ(UndoName(state), "Transfer of 1 unit to core");
  UndoStep(state);
  EXPECT_TRUE(state.history.HasUnwrittenEdits());

  fx.Open(state, "s.scn", ScenarioLayout::Homemade, axis);
  EXPECT_FALSE(UndoName(state) || RedoName(state) || state.history.HasUnwrittenEdits());
}

TEST_F(UndoRedoTest, ANewEditAfterUndosReplacesTheUndoneSteps) {
  const Bytes opened = Written("opened");
  TransferToAux(state, {0}, axis);
  AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 0, {"7", "8", "0", "1"}, axis);
  TransferToAux(state, {0, 1}, axis);
  UndoEdit(state);
  UndoEdit(state);
  AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, 0, {"3", "4", "0", "2"}, axis);

  // The new change, then the transfer before the undone steps, then nothing: steps that were
  // undone and replaced never come back, not even as undos of values that are not in place.
  ASSERT_TRUE(UndoEdit(state));
  EXPECT_EQ(UndoName(state), "Transfer of 1 unit to auxiliary");
  ASSERT_TRUE(UndoEdit(state));
  EXPECT_FALSE(UndoEdit(state));
  EXPECT_EQ(Written("undone"), opened);
}

}  // namespace
}  // namespace zarkel
