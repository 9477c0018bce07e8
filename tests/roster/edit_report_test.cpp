#include "roster/edit_report.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "roster/campaign_edits.h"
#include "roster/transfer.h"
#include "roster/undo_redo.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

class EditReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ScenarioPlan plan;
    plan.mapSizeA = 20;                                                   // columns 0 to 19
    plan.mapSizeB = 30;                                                   // rows 0 to 29
    testing::UnitPlan placed = testing::NamedUnit("J\xE4ger\x01", 0, 0);  // Latin-1, a control
    placed.column = 5;
    placed.row = 7;
    placed.experience = 2;
    plan.Place(placed);
    testing::UnitPlan unused = testing::NamedUnit("Reserve", 0, 1);
    unused.column = 0x0100;
    unused.row = 0x0100;
    plan.Place(unused);
    plan.Place(testing::NamedUnit("Aux", 0, 80));
    fx.WriteScenario(plan, "s.scn");
    fx.Open(state, "s.scn", ScenarioLayout::Original, axis);
  }

  // "Accept Changes" on the core page, and what the status line says of it.
  std::optional<std::string> Accept(std::int32_t line, const UnitEditTexts& texts) {
    const std::uint64_t before = state.history.StepsRecorded();
    try {
      AcceptUnitChanges(state, fx.dialogs, UnitPage::Core, line, texts, axis);
    } catch (const ConversionError&) {
      // Nothing is stored: the line says there was no change.
    }
    return AcceptText(state, UnitPage::Core, line, before);
  }

  testing::ScenarioFixture fx;
  EditorState state;
  SideButtons axis{true, false};
  const std::string jaeger = "\"J\xC3\xA4ger?\"";  // as UTF-8, the control byte shown as "?"
};

TEST_F(EditReportTest, EachEditSaysWhatItDid) {
  EXPECT_EQ(Accept(0, {"12", "9", "0", "2"}), "Moved " + jaeger + " to column 12, row 9");
  EXPECT_EQ(Accept(0, {"12", "9", "0", "2"}), "No change to " + jaeger);
  EXPECT_EQ(Accept(0, {"3", "9", "0", "6"}),
            "Changed " + jaeger + ": column 3, row 9, experience 6");
  EXPECT_EQ(Accept(0, {"3", "9", "NO", "6"}), "Changed " + jaeger + ": not placed");
  EXPECT_EQ(Accept(1, {"4", "8", "0", "2"}), "Changed \"Reserve\": placed at column 4, row 8");
  // Refused at the experience: the column before it is not stored either.
  EXPECT_EQ(Accept(1, {"6", "8", "0", "x"}), "No change to \"Reserve\"");
  // Off the map: stored, since the byte is the user's, and said so.
  EXPECT_EQ(Accept(1, {"4", "40", "0", "2"}),
            "Moved \"Reserve\" to column 4, row 40; it now stands off the 20 x 30 map");
  EXPECT_EQ(Accept(1, {"20", "29", "0", "3"}),
            "Changed \"Reserve\": column 20, row 29, experience 3; it now stands off the 20 x 30 "
            "map");
  EXPECT_EQ(Accept(1, {"19", "29", "0", "3"}), "Moved \"Reserve\" to column 19, row 29");
  // A unit not placed stands nowhere: no note.
  EXPECT_EQ(Accept(1, {"40", "40", "NO", "3"}), "Changed \"Reserve\": not placed");

  std::uint64_t before = state.history.StepsRecorded();
  TransferToAux(state, {0, 1}, axis);
  EXPECT_EQ(RecordedStepText(state, before), "Transferred 2 units to auxiliary");
  before = state.history.StepsRecorded();
  TransferToCore(state, {0}, axis);
  EXPECT_EQ(RecordedStepText(state, before), "Transferred 1 unit to core");
  before = state.history.StepsRecorded();
  EXPECT_FALSE(TransferToCore(state, {}, axis));
  EXPECT_EQ(RecordedStepText(state, before), std::nullopt);

  // Named before they run, as the Edit menu names them.
  EXPECT_EQ(UndoText(state), "Undid: Transfer of 1 unit to core");
  UndoEdit(state);
  EXPECT_EQ(RedoText(state), "Redid: Transfer of 1 unit to core");
  while (state.history.CanUndo())
    UndoEdit(state);
  EXPECT_EQ(UndoText(state), std::nullopt);
  EXPECT_EQ(RedoText(state), "Redid: Change of J\xC3\xA4ger?");

  // The type the scenario has after the change (1 before it), brought into 0..2 as the spin
  // control brings it.
  before = state.history.StepsRecorded();
  ASSERT_TRUE(SetScenarioType(state, 7));
  EXPECT_EQ(RecordedStepText(state, before), "Changed \"Type of Scenario\" to 2");
}

}  // namespace
}  // namespace zarkel
