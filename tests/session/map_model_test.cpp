#include "session/map_model.h"

#include <gtest/gtest.h>

#include "roster/side_rosters.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

using Names = std::vector<std::string>;

// A 6 x 5 map. Column 3, row 3 holds an Axis and an Allied unit, column 2, row 1 one unit of
// each side; "Reserve" and "Depot" are not placed. Equipment i is of class i % 20, named "Eq<i>".
class MapModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ScenarioPlan plan;
    plan.layout = testing::Layout::Homemade;
    plan.mapSizeA = 6;
    plan.mapSizeB = 5;
    auto unit = [&plan](const char* name, int side, int order, int column, int row,
                        int equipment = 1) {
      testing::UnitPlan u = testing::NamedUnit(name, side, order);
      u.column = static_cast<std::uint16_t>(column);
      u.row = static_cast<std::uint16_t>(row);
      u.equipmentId = static_cast<std::uint16_t>(equipment);
      u.experience = static_cast<std::uint8_t>(order % 5);
      plan.Place(u);
    };
    unit("Grenadiers %1", 0, 4, 3, 3, 13);
    unit("Rifles", 1, 0, 3, 3, 18);
    unit("Panzer", 0, 1, 4, 0);
    unit("Reserve", 0, 2, 256, 0);
    unit("Flak", 1, 80, 0, 4);
    unit("Depot", 1, 81, 256, 0);
    unit("Pioneers", 0, 3, 2, 1);
    unit("Guards", 1, 1, 2, 1);
    unit("Militia", 2, 0, 2, 1);
    fx.WriteScenario(plan, "map.scn");
    fx.Open(state, "map.scn", ScenarioLayout::Homemade, axis);
    display = RefreshRosters(state, axis);
  }

  testing::ScenarioFixture fx;
  EditorState state;
  SideButtons axis{true, false};
  RosterDisplay display;
};

Names CounterNames(const MapContent& content) {
  Names names;
  for (const MapCounter& counter : content.counters)
    names.push_back(counter.name);
  return names;
}

TEST_F(MapModelTest, CountersStandHexByHexWithWhatTheyShow) {
  const MapContent content = BuildMapContent(state, 0);
  // Hex by hex, column first; on a hex in the order of the sides.
  EXPECT_EQ(CounterNames(content),
            (Names{"Flak", "Pioneers", "Guards", "Militia", "Grenadiers %1", "Rifles", "Panzer"}));
  for (const MapCounter& counter : content.counters) {
    SCOPED_TRACE(counter.name);
    const UnitRecord& unit = state.scenario.units.at(counter.unitIndex);
    EXPECT_EQ(unit.ShownName(), counter.name);
    EXPECT_EQ(counter.column, unit.columnLow());
    EXPECT_EQ(counter.row, unit.rowLow());
    EXPECT_EQ(counter.dimmed, counter.side != 0);
    // The chosen side's counters know their line, which names the same unit.
    if (counter.side == 0) {
      ASSERT_TRUE(counter.movable());
      EXPECT_EQ(display.coreNames.at(static_cast<std::size_t>(counter.line)), counter.name);
    } else {
      EXPECT_FALSE(counter.movable());
    }
  }
  EXPECT_EQ(content.unplaced[0], Names{"Reserve (core)"});
  EXPECT_EQ(content.unplaced[1], Names{"Depot (auxiliary)"});
  EXPECT_TRUE(content.unplaced[2].empty());

  // A name with a placeholder in it is shown as it is.
  EXPECT_EQ(CounterDescription(content.counters[4]),
            "Grenadiers %1\nEq13\nColumn 3, Row 3\nExperience 4\ncore");
  EXPECT_EQ(content.counters[4].label, "L. Crsr");
  EXPECT_EQ(content.counters[5].label, "ATr");
  EXPECT_EQ(CounterDescription(content.counters[0]),
            "Flak\nEq1\nColumn 0, Row 4\nExperience 0\nauxiliary");
  EXPECT_EQ(ClassAbbreviation(200), "?");

  // A side other than the one shown has no lines to give; with no side chosen nothing is dimmed.
  for (const MapCounter& counter : BuildMapContent(state, 1).counters)
    EXPECT_FALSE(counter.movable());
  for (const MapCounter& counter : BuildMapContent(state, std::nullopt).counters)
    EXPECT_FALSE(counter.dimmed || counter.movable());
}

TEST_F(MapModelTest, EveryCounterOfAStackShowsAndThePointerFindsTheOneOnTop) {
  const MapContent content = BuildMapContent(state, 0);
  const HexGeometry g(6, 5, false, 30.0, MapPoint{10, 10});
  const MapCounter& grenadiers = content.counters[4];
  const MapCounter& rifles = content.counters[5];
  ASSERT_EQ(grenadiers.stackSize, 2);
  EXPECT_EQ(grenadiers.stackIndex, 0);
  EXPECT_EQ(rifles.stackIndex, 1);
  // A pair stands side by side on its hex, the first on the left, apart from each other.
  const MapRect first = CounterRect(g, grenadiers);
  const MapRect second = CounterRect(g, rifles);
  EXPECT_LT(first.right(), second.left);
  EXPECT_EQ(g.HexAt(first.centre()), (Hex{3, 3}));
  EXPECT_EQ(g.HexAt(second.centre()), (Hex{3, 3}));
  EXPECT_EQ(CounterAt(content, g, first.centre()), &grenadiers);
  EXPECT_EQ(CounterAt(content, g, second.centre()), &rifles);

  // Three overlap: the last lies on top in the middle, the first shows at its top left.
  const MapCounter* stack = &content.counters[1];
  ASSERT_EQ(stack[0].stackSize, 3);
  EXPECT_EQ(stack[2].stackIndex, 2);
  EXPECT_EQ(CounterAt(content, g, g.Centre(Hex{2, 1})), &stack[2]);
  const MapRect bottom = CounterRect(g, stack[0]);
  EXPECT_EQ(CounterAt(content, g, MapPoint{bottom.left + 1, bottom.top + 1}), &stack[0]);
  EXPECT_EQ(CounterAt(content, g, g.Centre(Hex{5, 2})), nullptr);
}

}  // namespace
}  // namespace zarkel
