// zarkel-cli check: one scenario holding each kind of finding, and a clean one.
#include <gtest/gtest.h>

#include "cli_process.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

using Args = std::vector<std::string>;

const std::string kNoEquipmentNote =
    "Units sharing a hex were not checked: no equipment file is loaded, so air units cannot be "
    "told from the others.\n"
    "The land and navy core limits were not checked: no unit's class is known without the "
    "equipment file (.eqp).\n";

testing::UnitPlan Unit(const std::string& name, int side, int order, int equipment, int column,
                       int row) {
  testing::UnitPlan u = testing::NamedUnit(name, side, order);
  u.equipmentId = static_cast<std::uint16_t>(equipment);
  u.column = static_cast<std::uint16_t>(column);
  u.row = static_cast<std::uint16_t>(row);
  return u;
}

class CheckTest : public ::testing::Test {
 protected:
  testing::CliRun Check(const std::string& scenario, Args more = {}) {
    Args args = {"check",       "--layout",       "homemade", scenario,
                 "--equipment", fx.equipmentPath, "--names",  fx.namesPath};
    args.insert(args.end(), more.begin(), more.end());
    return testing::RunCli(args, fx.dir.path(), io.path());
  }

  testing::ScenarioFixture fx;
  testing::TempDir io;
};

TEST_F(CheckTest, EachMistakeIsOneLine) {
  // A 4 x 3 map; equipment ids 0..29, id i of class i % 20 (15 fighter, 16 tactical bomber).
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  plan.mapSizeA = 4;
  plan.mapSizeB = 3;
  plan.limits = {200, 200, 200, 200, 200, 200, 0, 200};  // alliedAux 0
  plan.Place(Unit("Stray", 0, 0, 0, 4, 1));              // column 4: beyond the map
  plan.Place(Unit("Rifles", 0, 1, 0, 2, 2));
  plan.Place(Unit("Fighters", 0, 2, 15, 2, 2));  // air: shares the hex with the Rifles freely
  plan.Place(Unit("Bombers", 1, 0, 16, 2, 2));
  plan.Place(Unit("Tanks", 1, 80, 1, 2, 2));
  plan.Place(Unit("Ghost", 1, 81, 40, 0, 0));         // an id past the 30 entries
  plan.Place(Unit("Far", 0, 80, 0, 0x0109, 0x0109));  // not placed: never outside the map
  // 81 core units of the third side, none placed: beyond the 80 a side holds.
  for (int i = 0; i < 81; ++i)
    plan.slots[{i % 80, i < 80 ? 2 : 5}] = testing::MakeUnit(Unit("T", 2, i % 80, 0, 256, 0));
  fx.WriteScenario(plan, "mistakes.scn");

  const testing::CliRun run = Check(
      "mistakes.scn",
      {"--limit", "axisCoreMax=2", "--limit", "axisAuxMax=abc", "--limit", "alliedCoreMax=258"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "outside-map: \"Stray\" (Axis, core line 0) is placed at column 4, row 1, outside "
            "the 4 x 3 map.\n"
            "shared-hex: \"Rifles\" (Axis, core line 1) and \"Tanks\" (Allies, auxiliary line 0) "
            "share column 2, row 2, and neither is an air unit.\n"
            "shared-hex: \"Fighters\" (Axis, core line 2) and \"Bombers\" (Allies, core line 0) "
            "share column 2, row 2, and both are air units.\n"
            "too-many-units: The third side has 81 core units; a side holds at most 80.\n"
            "limit-below-count: The limit \"max axis core\" (--limit axisCoreMax) is 2, but Axis "
            "has 3 core units.\n"
            "limit-below-count: The limit \"max # of allied Aux\" (--limit alliedAuxMax) is 0, but "
            "Allies has 2 "
            "auxiliary units.\n"
            "limit-not-writable: The limit \"max # of axis Aux\" (--limit axisAuxMax) is 'abc', "
            "which is not a number "
            "from 0 to 255; writing will refuse it.\n"
            "limit-not-writable: The limit \"max allied core\" (--limit alliedCoreMax) is '258', "
            "which is not a number "
            "from 0 to 255; writing will refuse it.\n"
            "unknown-equipment: \"Ghost\" (Allies, auxiliary line 1) has equipment id 40, "
            "outside the equipment table (ids 0 to 29).\n");

  // Without the equipment file no unit is known to be an air unit or not: the hex the four
  // share is not judged, and a note (not a finding) says so.
  const testing::CliRun blind =
      testing::RunCli({"check", "--layout", "homemade", "mistakes.scn", "--limit", "axisCoreMax=2"},
                      fx.dir.path(), io.path());
  EXPECT_EQ(blind.exitCode, 1);
  EXPECT_EQ(blind.out.find("shared-hex"), std::string::npos) << blind.out;
  EXPECT_EQ(blind.err, kNoEquipmentNote);
}

TEST_F(CheckTest, EachCheckAtItsEdge) {
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  plan.mapSizeA = 4;
  plan.mapSizeB = 3;
  plan.Place(Unit("Rifles", 0, 0, 0, 1, 1));
  plan.Place(Unit("Carriers", 0, 1, 18, 1, 1));  // the last air class, over a ground unit
  plan.Place(Unit("Gliders", 0, 2, 18, 3, 2));
  plan.Place(Unit("Lifters", 1, 0, 18, 3, 2));
  plan.Place(Unit("Stranger", 1, 80, 30, 0, 0));  // the first id past the 30 entries
  fx.WriteScenario(plan, "edges.scn");

  // 3 Axis core units: a limit of 3 holds them.
  const testing::CliRun run = Check("edges.scn", {"--limit", "axisCoreMax=3"});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "shared-hex: \"Gliders\" (Axis, core line 2) and \"Lifters\" (Allies, core line 0) "
            "share column 3, row 2, and both are air units.\n"
            "unknown-equipment: \"Stranger\" (Allies, auxiliary line 0) has equipment id 30, "
            "outside the equipment table (ids 0 to 29).\n");
}

// Each of the four core limits held against its own count: the land and naval counts of a
// side differ, the other way round on each side, and each limit is just below its own count.
TEST_F(CheckTest, EachCoreLimitIsHeldAgainstItsOwnCount) {
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  // Id 0 is of a land class, ids 9 to 14 of the naval classes; none placed.
  int order = 0;
  for (const int equipment : {0, 9, 12, 14})
    plan.Place(Unit("Axis", 0, order++, equipment, 256, 0));
  order = 0;
  for (const int equipment : {0, 0, 0, 11})
    plan.Place(Unit("Allied", 1, order++, equipment, 256, 0));
  fx.WriteScenario(plan, "navies.scn");

  const testing::CliRun run =
      Check("navies.scn", {"--limit", "axisLandCoreMax=0", "--limit", "axisNavalCoreMax=2",
                           "--limit", "alliedLandCoreMax=2", "--limit", "alliedNavalCoreMax=0"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "limit-below-count: The limit \"max axis land core units\" (--limit axisLandCoreMax) "
            "is 0, but Axis has 1 "
            "non-naval core unit.\n"
            "limit-below-count: The limit \"max axis navy core units\" (--limit axisNavalCoreMax) "
            "is 2, but Axis has 3 "
            "naval core units.\n"
            "limit-below-count: The limit \"max allied land core units\" (--limit "
            "alliedLandCoreMax) is 2, but Allies has 3 "
            "non-naval core units.\n"
            "limit-below-count: The limit \"max allied navy core units\" (--limit "
            "alliedNavalCoreMax) is 0, but Allies "
            "has 1 naval core unit.\n");

  // At their counts, the four limits hold.
  const testing::CliRun held =
      Check("navies.scn", {"--limit", "axisLandCoreMax=1", "--limit", "axisNavalCoreMax=3",
                           "--limit", "alliedLandCoreMax=3", "--limit", "alliedNavalCoreMax=1"});
  EXPECT_EQ(held.exitCode, 0) << held.out;
  EXPECT_EQ(held.out, "");
}

TEST_F(CheckTest, ACleanScenarioPrintsNothingAndAUsageErrorExitsTwo) {
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  plan.Place(Unit("Alone", 0, 0, 0, 1, 2));
  fx.WriteScenario(plan, "clean.scn");
  const testing::CliRun clean = Check("clean.scn");
  EXPECT_EQ(clean.exitCode, 0);
  EXPECT_EQ(clean.out, "");
  // Without the equipment file no class is known: a land limit below the core count is not
  // taken for a finding (the unit might be a ship), and the note says what was left out.
  const testing::CliRun blind =
      testing::RunCli({"check", "--layout", "homemade", "clean.scn", "--limit", "axisLandCoreMax=0",
                       "--limit", "axisNavalCoreMax=0"},
                      fx.dir.path(), io.path());
  EXPECT_EQ(blind.exitCode, 0) << "a note is no finding: " << blind.out;
  EXPECT_EQ(blind.out, "");
  EXPECT_EQ(blind.err, kNoEquipmentNote);

  const testing::CliRun usage = testing::RunCli({"check", "clean.scn"}, fx.dir.path(), io.path());
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_NE(usage.err.find("--layout"), std::string::npos) << usage.err;
}

}  // namespace
}  // namespace zarkel
