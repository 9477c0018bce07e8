#include "model/unit_tables.h"

#include <cstring>

#include <gtest/gtest.h>

#include "base/errors.h"
#include "scenario_builder.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

using testing::MakeUnit;
using testing::ScenarioPlan;
using testing::UnitPlan;

struct ReadResult {
  UnitTable units;
  UnitNames names;
};

ReadResult ReadFromFile(const ScenarioPlan& plan) {
  testing::TempDir dir;
  const auto built = testing::BuildScenario(plan);
  testing::WriteFileBytes(dir / "s.scn", built.bytes);
  SourceFile file(DiskFileSystem(), dir / "s.scn");
  ReadResult result;
  ReadUnitArea(file, static_cast<std::int32_t>(built.unitAreaOffset), result.units, result.names);
  return result;
}

UnitPlan Unit(const std::string& name, int side, int order, int seed = 1) {
  UnitPlan u = testing::NamedUnit(name, side, order);
  u.seed = static_cast<std::uint8_t>(seed);
  return u;
}

TEST(ReadUnitArea, TakesOccupiedSlotsInFileOrderWithAllTheirBytes) {
  ScenarioPlan plan;
  plan.slots[{0, 1}] = MakeUnit(Unit("Allied A", 1, 0, 2));
  plan.slots[{0, 0}] = MakeUnit(Unit("Axis A", 0, 0, 3));
  plan.slots[{5, 4}] = MakeUnit(Unit("Odd slot", 0, 5, 4));
  plan.slots[{199, 5}] = MakeUnit(Unit("Last", 2, 199, 5));
  const ReadResult read = ReadFromFile(plan);
  ASSERT_EQ(read.units.size(), 4);
  EXPECT_EQ(read.units.at(1).bytes, MakeUnit(Unit("Axis A", 0, 0, 3)));
  EXPECT_EQ(read.units.at(2).bytes, MakeUnit(Unit("Allied A", 1, 0, 2)));
  EXPECT_EQ(read.units.at(3).bytes, MakeUnit(Unit("Odd slot", 0, 5, 4)));
  EXPECT_EQ(read.units.at(4).bytes, MakeUnit(Unit("Last", 2, 199, 5)));
}

TEST(ReadUnitArea, EmptySlotRules) {
  ScenarioPlan plan;
  // Equipment id 0xFFFF makes a slot empty whatever else it holds.
  auto noEquipment = MakeUnit(Unit("Ghost", 0, 0));
  noEquipment[41] = noEquipment[42] = 0xFF;
  plan.slots[{0, 0}] = noEquipment;
  // Strength 0 makes a slot empty, even with a valid equipment id.
  UnitPlan weak = Unit("Weak", 0, 1);
  weak.strength = 0;
  plan.slots[{1, 0}] = MakeUnit(weak);
  // Only one byte 0xFF of the equipment id is not the empty mark.
  UnitPlan half = Unit("Half", 0, 2);
  half.equipmentId = 0x00FF;
  plan.slots[{2, 0}] = MakeUnit(half);
  UnitPlan half2 = Unit("Half2", 0, 3);
  half2.equipmentId = 0xFF00;
  plan.slots[{3, 0}] = MakeUnit(half2);
  const ReadResult read = ReadFromFile(plan);
  ASSERT_EQ(read.units.size(), 2);
  EXPECT_EQ(read.units.at(1).ShownName(), "Half");
  EXPECT_EQ(read.units.at(2).ShownName(), "Half2");
}

TEST(ReadUnitArea, NamesKeepAllFortyBytes) {
  ScenarioPlan plan;
  plan.slots[{0, 0}] = MakeUnit(Unit("Abc", 0, 0));
  const ReadResult read = ReadFromFile(plan);
  ASSERT_EQ(read.names.size(), 1);
  EXPECT_EQ(read.names.at(1), std::string("Abc") + std::string(37, '\0'));
  EXPECT_EQ(read.names.at(1).size(), 40u);
  EXPECT_EQ(read.units.at(1).ShownName(), "Abc");
  EXPECT_EQ(ShownName(std::string(40, 'Z')), std::string(40, 'Z'));
}

TEST(ReadUnitArea, EveryOneOfTwelveHundredSlotsIsKept) {
  ScenarioPlan plan;
  for (int block = 0; block < 200; ++block) {
    for (int slot = 0; slot < 6; ++slot) {
      plan.slots[{block, slot}] = MakeUnit(Unit("U", slot % 3, block, block % 200));
    }
  }
  const ReadResult read = ReadFromFile(plan);
  EXPECT_EQ(read.units.size(), 1200);
  const Rosters rosters = BuildSideRosters(read.units);
  EXPECT_EQ(rosters[0].rosterCount(), 400);
  EXPECT_EQ(UnitAt(rosters, 2, 400), 1200);
}

TEST(BuildSideRosters, SplitsBySideAndOrderNumber) {
  UnitTable units;
  auto add = [&](int side, int order) {
    UnitRecord r;
    r.bytes = MakeUnit(Unit("x", side, order));
    units.push_back(r);
  };
  add(0, 79);   // 1: Axis core
  add(1, 80);   // 2: Allied aux
  add(3, 0);    // 3: no roster
  add(0, 80);   // 4: Axis aux
  add(2, 5);    // 5: third side core
  add(255, 0);  // 6: no roster
  const Rosters rosters = BuildSideRosters(units);
  ASSERT_EQ(rosters[0].rosterCount(), 2);
  EXPECT_EQ(UnitAt(rosters, 0, 1), 1);
  EXPECT_EQ(IsAux(rosters, 0, 1), 0);
  EXPECT_EQ(UnitAt(rosters, 0, 2), 4);
  EXPECT_EQ(IsAux(rosters, 0, 2), 1);
  ASSERT_EQ(rosters[1].rosterCount(), 1);
  EXPECT_EQ(IsAux(rosters, 1, 1), 1);
  ASSERT_EQ(rosters[2].rosterCount(), 1);
  EXPECT_EQ(UnitAt(rosters, 2, 1), 5);
}

class RenumberTest : public ::testing::Test {
 protected:
  // Adds a unit of `side` to the table and to its roster with `aux`.
  void Add(int side, int aux, const std::string& name = "u") {
    UnitRecord r;
    r.bytes = MakeUnit(Unit(name, side, 200 - 1));  // an order number renumbering must replace
    units.push_back(r);
    rosters[side].pairs.push_back(RosterPair{units.size(), static_cast<std::uint8_t>(aux)});
  }
  UnitTable units;
  Rosters rosters;
  SlotTable slots{};
};

TEST_F(RenumberTest, CoreFromZeroAuxFromEightyInRosterOrder) {
  for (int aux : {0, 1, 0, 1, 0})
    Add(0, aux);
  RenumberUnits(rosters, units, slots);
  const int expected[] = {0, 80, 1, 81, 2};
  for (int k = 1; k <= 5; ++k)
    EXPECT_EQ(units.at(k).orderNumber(), expected[k - 1]);
  EXPECT_EQ(slots[0][0], 1);
  EXPECT_EQ(slots[0][1], 3);
  EXPECT_EQ(slots[0][2], 5);
  EXPECT_EQ(slots[0][80], 2);
  EXPECT_EQ(slots[0][81], 4);
  EXPECT_EQ(slots[0][3], 0);
  EXPECT_EQ(slots[0][82], 0);
}

TEST_F(RenumberTest, OnlyFlagOneCountsAsAuxiliary) {
  Add(1, 2);
  Add(1, 1);
  RenumberUnits(rosters, units, slots);
  EXPECT_EQ(units.at(1).orderNumber(), 0);
  EXPECT_EQ(units.at(2).orderNumber(), 80);
}

TEST_F(RenumberTest, SlotPlacementPutsEachSideAtItsPosition) {
  Add(0, 0, "axis0");
  Add(1, 0, "allied0");
  Add(2, 0, "third0");
  Add(1, 1, "allied80");
  slots[4][0] = 99;  // stale content is cleared
  RenumberUnits(rosters, units, slots);
  for (int slot = 0; slot < 3; ++slot) {
    EXPECT_EQ(
        std::memcmp(UnitSlotBytes(slots, units, 0, slot), units.at(slot + 1).bytes.data(), 218), 0);
  }
  const auto empty = testing::EmptySlotBytes();
  for (int slot = 3; slot < 6; ++slot) {
    EXPECT_EQ(std::memcmp(UnitSlotBytes(slots, units, 0, slot), empty.data(), 218), 0);
  }
  EXPECT_EQ(std::memcmp(UnitSlotBytes(slots, units, 80, 1), units.at(4).bytes.data(), 218), 0);
  EXPECT_EQ(UnitSlotBytes(slots, units, 80, 1)[197], 80);
  for (int slot = 0; slot < 6; ++slot) {
    EXPECT_EQ(std::memcmp(UnitSlotBytes(slots, units, 5, slot), empty.data(), 218), 0);
  }
}

TEST_F(RenumberTest, RefusesASideBeyondTheFileFormatAndChangesNothing) {
  for (int i = 0; i < 80; ++i)
    Add(0, 0);
  for (int i = 0; i < 120; ++i)
    Add(0, 1);
  RenumberUnits(rosters, units, slots);  // exactly full is fine
  EXPECT_EQ(units.at(200).orderNumber(), 199);

  Add(1, 0);
  for (int i = 0; i < 121; ++i)
    Add(1, 1);
  const SlotTable before = slots;
  const UnitRecord firstAxis = units.at(1);
  try {
    RenumberUnits(rosters, units, slots);
    FAIL() << "121 auxiliary units were numbered";
  } catch (const Refusal& refusal) {
    EXPECT_NE(std::string(refusal.what()).find("Allies has 121 auxiliary units"), std::string::npos)
        << refusal.what();
  }
  EXPECT_EQ(slots, before);
  EXPECT_EQ(units.at(1).bytes, firstAxis.bytes);
  EXPECT_EQ(units.at(201).orderNumber(), 199) << "no unit was renumbered";

  Rosters third;
  for (int i = 0; i < 81; ++i)
    third[2].pairs.push_back(RosterPair{1, 0});
  EXPECT_THROW(RenumberUnits(third, units, slots), Refusal);
}

TEST(UsedStatus, FromTheHighBytesOfColumnAndRow) {
  UnitRecord r;
  UnitPlan u;
  u.column = 5;
  u.row = 7;
  r.bytes = MakeUnit(u);
  EXPECT_EQ(UsedStatus(r), "0");
  u.column = 256 + 5;
  r.bytes = MakeUnit(u);
  EXPECT_EQ(UsedStatus(r), "NO");
  EXPECT_EQ(r.columnLow(), 5);
  u.column = 5;
  u.row = 300;
  r.bytes = MakeUnit(u);
  EXPECT_EQ(UsedStatus(r), "NO");
}

}  // namespace
}  // namespace zarkel
