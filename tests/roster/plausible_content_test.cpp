#include "roster/plausible_content.h"

#include <gtest/gtest.h>

#include <random>

#include "roster/scenario_check.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

class PlausibleContentTest : public ::testing::Test {
 protected:
  // A scenario of the Original layout whose bytes after the map size are `fill`'s, so that its
  // size still fits the layout.
  void OpenFilled(const std::function<std::uint8_t(std::size_t)>& fill) {
    testing::ScenarioPlan plan;
    plan.mapSizeA = 20;
    plan.mapSizeB = 10;
    testing::Bytes bytes = testing::BuildScenario(plan).bytes;
    for (std::size_t i = 4; i < bytes.size(); ++i)
      bytes[i] = fill(i);
    testing::WriteFileBytes(fx.dir / "odd.scn", bytes);
    ASSERT_TRUE(fx.Open(state, "odd.scn", ScenarioLayout::Original).opened);
  }

  testing::ScenarioFixture fx;
  EditorState state;
};

TEST_F(PlausibleContentTest, RandomBytesOpenButAreSaidNotToBeAScenario) {
  std::mt19937 random(7);
  OpenFilled([&](std::size_t) { return static_cast<std::uint8_t>(random()); });
  const std::int32_t units = state.scenario.units.size();
  ASSERT_GT(units, 1000) << "nearly every slot of random bytes reads as a unit";
  const std::vector<std::string> reasons = ImplausibleContent(state);
  ASSERT_EQ(reasons.size(), 3u) << "the first three reasons only";
  EXPECT_EQ(reasons[0].find(" of " + std::to_string(units) + " unit names are not text"),
            reasons[0].find(" of "));
  EXPECT_NE(reasons[1].find("units have an equipment id beyond the equipment file (ids 0 to 29)"),
            std::string::npos)
      << reasons[1];

  const ScenarioCheck check =
      CheckScenario(state, state.scenario.entries.limitTexts, LineNumbers::FromZero);
  ASSERT_FALSE(check.findings.empty());
  EXPECT_EQ(check.findings[0].kind, FindingKind::ImplausibleContent);
  EXPECT_EQ(
      check.findings[0].text.rfind("\"odd.scn\" does not look like a scenario of the game: ", 0),
      0u)
      << check.findings[0].text;
}

TEST_F(PlausibleContentTest, AFewOddUnitsOrAnEmptyMapAreJudgedByWhatTheyAre) {
  // Zero bytes everywhere: no unit at all, and a plain scenario otherwise.
  OpenFilled([](std::size_t) { return std::uint8_t{0}; });
  EXPECT_TRUE(ImplausibleContent(state).empty());

  // A minority of odd units is a scenario with odd units, not a file of another kind.
  testing::ScenarioPlan plan;
  for (int order = 0; order < 4; ++order)
    plan.Place(testing::NamedUnit("Unit " + std::to_string(order), 0, order));
  testing::UnitPlan odd = testing::NamedUnit(std::string("Odd\x01", 4), 7, 230);
  odd.country = 99;
  odd.equipmentId = 5000;
  plan.Place(odd);
  plan.mapSizeA = 0;
  fx.WriteScenario(plan, "few.scn");
  ASSERT_TRUE(fx.Open(state, "few.scn", ScenarioLayout::Original).opened);
  EXPECT_EQ(ImplausibleContent(state), std::vector<std::string>{"the map is 0 x 3 hexes"});
}

}  // namespace
}  // namespace zarkel
