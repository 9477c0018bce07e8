#include "model/history_steps.h"

#include <gtest/gtest.h>

#include "model/editor_state.h"

namespace zarkel {
namespace {

// Two units, one on each side's roster, both core; a type and a limit text set.
ScenarioData TwoSides() {
  ScenarioData scenario;
  for (std::int32_t side = 0; side < 2; ++side) {
    UnitRecord unit;
    for (std::size_t i = 0; i < unit.bytes.size(); ++i)
      unit.bytes[i] = static_cast<std::uint8_t>(i * 7 + side * 3);
    scenario.units.push_back(unit);
    scenario.rosters.at(side).pairs.push_back(RosterPair{side + 1, 0});
  }
  scenario.entries.battleType = 1;
  scenario.entries.limitTexts.at(kAxisCoreMax) = "40";
  return scenario;
}

void ExpectSame(const ScenarioData& actual, const ScenarioData& expected) {
  ASSERT_EQ(actual.units.size(), expected.units.size());
  for (std::int32_t i = 1; i <= expected.units.size(); ++i)
    EXPECT_EQ(actual.units.at(i).bytes, expected.units.at(i).bytes) << "unit " << i;
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    const auto& pairs = expected.rosters.at(side).pairs;
    ASSERT_EQ(actual.rosters.at(side).pairs.size(), pairs.size());
    for (std::int32_t p = 1; p <= pairs.size(); ++p)
      EXPECT_EQ(actual.rosters.at(side).pairs.at(p).auxFlag, pairs.at(p).auxFlag)
          << "side " << side << ", position " << p;
  }
  EXPECT_EQ(actual.entries.battleType, expected.entries.battleType);
  EXPECT_EQ(actual.entries.limitTexts, expected.entries.limitTexts);
}

// Each kind, made on the Allied side: the values it leaves are exactly those it was made with
// (on the side it was made on, in the fields it names), and the values it found come back whole.
TEST(HistoryStepsTest, EveryKindPutsBackWhatItFoundAndWhatItLeft) {
  const ScenarioData opened = TwoSides();

  ScenarioData transferred = opened;
  transferred.rosters.at(1).pairs.at(1).auxFlag = 1;
  ScenarioData changed = opened;
  changed.units.at(2).bytes[unit::kExperienceOffset] = 0xEE;
  changed.units.at(2).bytes[unit::kColumnOffset] = 0x01;
  ScenarioData typed = opened;
  typed.entries.battleType = 2;
  ScenarioData limited = opened;
  limited.entries.limitTexts.at(kAxisCoreMax) = "x5";

  const std::vector<std::pair<EditStep, const ScenarioData*>> steps = {
      {EditStep{1, TransferStep{1, {1}}}, &transferred},
      {EditStep{1, DiffUnit(2, opened.units.at(2), changed.units.at(2))}, &changed},
      {EditStep{1, TypeStep{1, 2}}, &typed},
      {EditStep{1, LimitStep{kAxisCoreMax, "40", "x5"}}, &limited},
  };
  for (const auto& [step, after] : steps) {
    SCOPED_TRACE(NameOf(opened, step));
    ScenarioData scenario = opened;
    PutStep(scenario, step, StepValues::After);
    ExpectSame(scenario, *after);
    PutStep(scenario, step, StepValues::After);  // a redo of a redo changes nothing more
    ExpectSame(scenario, *after);
    PutStep(scenario, step, StepValues::Before);
    ExpectSame(scenario, opened);
  }
}

TEST(HistoryStepsTest, OnlyALaterChangeOfTheSameFieldFolds) {
  const EditStep type{0, TypeStep{0, 1}};
  const EditStep typeAgain{1, TypeStep{1, 2}};
  const EditStep limit{0, LimitStep{kAxisAuxMax, "1", "12"}};
  const EditStep sameLimit{0, LimitStep{kAxisAuxMax, "12", "123"}};
  const EditStep otherLimit{0, LimitStep{kAlliedAuxMax, "12", "123"}};
  const EditStep transfer{0, TransferStep{1, {}}};
  const EditStep unit{0, UnitChangeStep{}};

  EXPECT_TRUE(FoldsWith(type, typeAgain));
  EXPECT_TRUE(FoldsWith(limit, sameLimit));
  EXPECT_FALSE(FoldsWith(limit, otherLimit));
  EXPECT_FALSE(FoldsWith(type, limit));
  EXPECT_FALSE(FoldsWith(limit, type));
  EXPECT_FALSE(FoldsWith(transfer, transfer));
  EXPECT_FALSE(FoldsWith(unit, unit));
  EXPECT_TRUE(Folds(type) && Folds(limit));
  EXPECT_FALSE(Folds(transfer) || Folds(unit));

  // The earlier step keeps what it found and takes what the later one left.
  EditStep folded = limit;
  Fold(folded, sameLimit);
  const auto& fields = std::get<LimitStep>(folded.change);
  EXPECT_EQ(fields.before, "1");
  EXPECT_EQ(fields.after, "123");
  EXPECT_FALSE(ChangesNothing(folded));
  Fold(folded, EditStep{0, LimitStep{kAxisAuxMax, "123", "1"}});
  EXPECT_TRUE(ChangesNothing(folded));

  // A step that does not fold is never empty, however little it holds.
  EXPECT_FALSE(ChangesNothing(transfer));
  EXPECT_FALSE(ChangesNothing(unit));
}

}  // namespace
}  // namespace zarkel
