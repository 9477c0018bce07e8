// The scenario check on its own: what each finding names (its kind, side, unit and list line),
// the edges of the map and of a side's units, the pairing of units on one hex, and the limits it
// judges and those it leaves unjudged for want of the units' classes. zarkel-cli's check is
// tested beside the other commands in tests/cli.
#include "roster/scenario_check.h"

#include <gtest/gtest.h>

#include "scenario_fixture.h"

namespace zarkel {
namespace {

// Equipment ids of the fixture's file (id i of class i % 20): a land class, a naval class, an
// air class, and the first id past its 30 entries.
constexpr int kLand = 0;
constexpr int kNaval = 9;
constexpr int kAir = 15;
constexpr int kBeyond = 30;
constexpr std::uint16_t kNotPlaced = 0x0100;

testing::UnitPlan Unit(const std::string& name, int side, int order, int equipment,
                       std::uint16_t column, std::uint16_t row) {
  testing::UnitPlan unit = testing::NamedUnit(name, side, order);
  unit.equipmentId = static_cast<std::uint16_t>(equipment);
  unit.column = column;
  unit.row = row;
  return unit;
}

LimitTexts AllLimits(const std::string& text) {
  LimitTexts texts;
  texts.fill(text);
  return texts;
}

class ScenarioCheckTest : public ::testing::Test {
 protected:
  // Opens `plan` with the fixture's equipment file, or with none read.
  void Open(const testing::ScenarioPlan& plan, bool withEquipment = true) {
    fx.WriteScenario(plan, "s.scn");
    state = EditorState();
    if (!withEquipment) {
      fx.dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
      fx.dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
    }
    fx.Open(state, "s.scn", ScenarioLayout::Homemade);
    ASSERT_EQ(state.equipment.equipmentCount, withEquipment ? 30 : 0);
  }

  ScenarioCheck Check(const LimitTexts& limits = AllLimits("255"),
                      LineNumbers lines = LineNumbers::FromZero) const {
    return CheckScenario(state, limits, lines);
  }

  // The UnitTable position of the unit named `name`.
  std::int32_t IndexOf(const std::string& name) const {
    for (std::int32_t i = 1; i <= state.scenario.units.size(); ++i) {
      if (state.scenario.units.at(i).ShownName() == name)
        return i;
    }
    ADD_FAILURE() << "no unit " << name;
    return 0;
  }

  testing::ScenarioFixture fx;
  EditorState state;
};

std::vector<Finding> Of(const ScenarioCheck& check, FindingKind kind) {
  std::vector<Finding> found;
  for (const Finding& finding : check.findings) {
    if (finding.kind == kind)
      found.push_back(finding);
  }
  return found;
}

std::vector<std::string> Texts(const std::vector<Finding>& findings) {
  std::vector<std::string> texts;
  for (const Finding& finding : findings)
    texts.push_back(finding.text);
  return texts;
}

TEST_F(ScenarioCheckTest, APlacementOffTheMapIsFoundAtTheFirstColumnOrRowPastIt) {
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  plan.mapSizeA = 4;
  plan.mapSizeB = 3;
  plan.Place(Unit("Corner", 0, 0, kLand, 3, 2));  // the last hex of the map
  plan.Place(Unit("East", 0, 1, kLand, 4, 0));
  plan.Place(Unit("South", 0, 2, kLand, 0, 3));
  plan.Place(Unit("Reserve", 1, 80, kLand, kNotPlaced, kNotPlaced));
  plan.Place(Unit("Lost", 2, 0, kLand, 200, 200));
  Open(plan);

  const std::vector<Finding> outside = Of(Check(), FindingKind::OutsideMap);
  ASSERT_EQ(outside.size(), 3u);
  EXPECT_EQ(outside[0].side, 0);
  EXPECT_EQ(outside[0].unit, IndexOf("East"));
  EXPECT_EQ(outside[1].unit, IndexOf("South"));
  EXPECT_EQ(outside[2].side, 2);
  EXPECT_EQ(outside[2].unit, IndexOf("Lost"));
  EXPECT_EQ(Texts(outside),
            (std::vector<std::string>{
                "\"East\" (Axis, core line 1) is placed at column 4, row 0, outside the 4 x 3 map.",
                "\"South\" (Axis, core line 2) is placed at column 0, row 3, outside the 4 x 3 "
                "map.",
                "\"Lost\" (the third side, core line 0) is placed at column 200, row 200, outside "
                "the 4 x 3 map."}));

  // The window counts the lines of its lists from 1.
  const std::vector<Finding> counted =
      Of(Check(AllLimits("255"), LineNumbers::FromOne), FindingKind::OutsideMap);
  ASSERT_EQ(counted.size(), 3u);
  EXPECT_EQ(counted[0].text,
            "\"East\" (Axis, core line 2) is placed at column 4, row 0, outside the 4 x 3 map.");
}

TEST_F(ScenarioCheckTest, UnitsOnOneHexArePairedWithTheFirstOfTheirKindOnly) {
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  plan.mapSizeA = 6;
  plan.mapSizeB = 6;
  plan.Place(Unit("First", 0, 0, kLand, 2, 2));
  plan.Place(Unit("Second", 0, 1, kNaval, 2, 2));
  plan.Place(Unit("Third", 1, 80, kLand, 2, 2));
  plan.Place(Unit("Flyer", 1, 0, kAir, 2, 2));        // alone among the air units there
  plan.Place(Unit("Stranger", 0, 2, kBeyond, 2, 2));  // class unknown: not paired
  plan.Place(Unit("Parked", 0, 3, kLand, kNotPlaced, kNotPlaced));
  plan.Place(Unit("Parked too", 1, 1, kLand, kNotPlaced, kNotPlaced));
  Open(plan);

  const ScenarioCheck check = Check();
  const std::vector<Finding> shared = Of(check, FindingKind::SharedHex);
  ASSERT_EQ(shared.size(), 2u) << ::testing::PrintToString(Texts(shared));
  EXPECT_EQ(shared[0].unit, IndexOf("Second"));
  EXPECT_EQ(shared[0].side, 0);
  EXPECT_EQ(shared[1].unit, IndexOf("Third"));
  EXPECT_EQ(shared[1].side, 1);
  EXPECT_EQ(shared[1].text,
            "\"First\" (Axis, core line 0) and \"Third\" (Allies, auxiliary line 0) share column "
            "2, row 2, and neither is an air unit.");
  const std::vector<Finding> unknown = Of(check, FindingKind::UnknownEquipment);
  ASSERT_EQ(unknown.size(), 1u);
  EXPECT_EQ(unknown[0].unit, IndexOf("Stranger"));
  for (const std::string& note : check.notes)
    EXPECT_EQ(note.find("Units sharing a hex"), std::string::npos) << note;

  // Without the equipment file no unit is known to be an air unit or not, and no id is beyond
  // a table: neither is judged, and a note says what was not.
  Open(plan, false);
  const ScenarioCheck blind = Check();
  EXPECT_TRUE(Of(blind, FindingKind::SharedHex).empty());
  EXPECT_TRUE(Of(blind, FindingKind::UnknownEquipment).empty());
  ASSERT_FALSE(blind.notes.empty());
  EXPECT_EQ(blind.notes.front(),
            "Units sharing a hex were not checked: no equipment file is loaded, so air units "
            "cannot be told from the others.");
}

TEST_F(ScenarioCheckTest, ASideHoldsEightyCoreAndOneHundredTwentyAuxiliaryUnits) {
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  const auto unplaced = [](int side, int order) {
    return testing::MakeUnit(Unit("U", side, order, kLand, kNotPlaced, kNotPlaced));
  };
  // Orders 0..79 are core units, 80..199 auxiliary; slot 3 + side holds more units of a side.
  for (int order = 0; order < 200; ++order) {
    plan.slots[{order, 0}] = unplaced(0, order);
    plan.slots[{order, 1}] = unplaced(1, order);
  }
  plan.slots[{80, 3}] = unplaced(0, 80);  // a 121st Axis auxiliary unit
  plan.slots[{0, 4}] = unplaced(1, 0);    // an 81st Allied core unit
  Open(plan);

  const std::vector<Finding> tooMany = Of(Check(), FindingKind::TooManyUnits);
  ASSERT_EQ(tooMany.size(), 2u) << ::testing::PrintToString(Texts(tooMany));
  EXPECT_EQ(tooMany[0].side, 0);
  EXPECT_EQ(tooMany[0].unit, 0) << "a finding about a whole side names no unit";
  EXPECT_EQ(tooMany[0].text, "Axis has 121 auxiliary units; a side holds at most 120.");
  EXPECT_EQ(tooMany[1].side, 1);
  EXPECT_EQ(tooMany[1].text, "Allies has 81 core units; a side holds at most 80.");
}

// The land and navy limits need every core unit's class: a side with a core unit of unknown
// class has them left unjudged (the other side's still are), and without an equipment file both
// sides have. The core and auxiliary limits count units of any class and are always judged.
TEST_F(ScenarioCheckTest, LimitsAreJudgedOnlyWhereTheirCountIsKnown) {
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  plan.Place(Unit("Rifles", 0, 0, kLand, kNotPlaced, kNotPlaced));
  plan.Place(Unit("Cruiser", 0, 1, kNaval, kNotPlaced, kNotPlaced));
  plan.Place(Unit("Mystery", 0, 2, kBeyond, kNotPlaced, kNotPlaced));
  plan.Place(Unit("Guards", 1, 0, kLand, kNotPlaced, kNotPlaced));
  plan.Place(Unit("Sappers", 1, 1, kLand, kNotPlaced, kNotPlaced));
  plan.Place(Unit("Militia", 1, 80, kBeyond, kNotPlaced, kNotPlaced));  // auxiliary: no matter
  Open(plan);

  LimitTexts limits = AllLimits("0");
  limits.at(kAxisAuxMax) = "256";   // not writable: judged as nothing else
  limits.at(kAlliedAuxMax) = "1";   // holds the one auxiliary unit
  limits.at(kAlliedCoreMax) = "2";  // holds the two core units
  const ScenarioCheck check = Check(limits);
  EXPECT_EQ(Texts(Of(check, FindingKind::LimitBelowCount)),
            (std::vector<std::string>{
                "The limit \"max axis core\" is 0, but Axis has 3 core units.",
                "The limit \"max allied land core units\" is 0, but Allies has 2 non-naval core "
                "units."}));
  EXPECT_EQ(Texts(Of(check, FindingKind::LimitNotWritable)),
            (std::vector<std::string>{
                "The limit \"max # of axis Aux\" is '256', which is not a number from 0 to 255; "
                "writing will refuse it."}));
  EXPECT_EQ(check.notes,
            (std::vector<std::string>{
                "The land and navy core limits of the Axis were not checked: 1 unit has an "
                "equipment id beyond the equipment file, so its class is unknown."}));
  // The findings of the limits come after those of the units, those a writer would refuse last.
  ASSERT_FALSE(check.findings.empty());
  EXPECT_EQ(check.findings.back().kind, FindingKind::UnknownEquipment);
  EXPECT_EQ(check.findings.at(check.findings.size() - 3).kind, FindingKind::LimitNotWritable);

  Open(plan, false);
  const ScenarioCheck blind = Check(limits);
  EXPECT_EQ(Texts(Of(blind, FindingKind::LimitBelowCount)),
            (std::vector<std::string>{"The limit \"max axis core\" is 0, but Axis has 3 core "
                                      "units."}));
  EXPECT_EQ(blind.notes.back(),
            "The land and navy core limits were not checked: no unit's class is known without the "
            "equipment file (.eqp).");
}

}  // namespace
}  // namespace zarkel
