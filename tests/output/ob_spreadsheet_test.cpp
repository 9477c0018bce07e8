#include "output/ob_spreadsheet.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "ob_scenario.h"
#include "output/order_of_battle.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

class ObSpreadsheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fx.WriteScenario(testing::ObFixtureScenario(), "s.scn");
    fx.Open(state, "s.scn", ScenarioLayout::Homemade, SideButtons{true, false});
  }
  std::string FileText(const std::string& name) {
    const auto bytes = testing::ReadFileBytes(fx.dir / name);
    return std::string(bytes.begin(), bytes.end());
  }
  testing::ScenarioFixture fx;
  EditorState state;
};

// tests/data/ob/source.csv is built from the format by make_sources.py: a byte-order mark, the
// header with Position, one CR LF line per unit, quotes where needed, UTF-8 names.
TEST_F(ObSpreadsheetTest, TheSpreadsheetFormIsTheFormatsByteForByte) {
  EXPECT_EQ(ObSpreadsheetBytes(state), testing::ObFixtureFile("source.csv"));

  EditorState none;
  EXPECT_EQ(ObSpreadsheetBytes(none),
            "\xEF\xBB\xBFSide,Position,Class,Name,Country,Unit Type,Equipment Name,Land Trans,"
            "Naval Trans,Column,Row,Used,Str,Ent,Exp\r\n");
}

TEST_F(ObSpreadsheetTest, WrittenAsCsvBesideTheOwnFormWhichStaysAsItWas) {
  EXPECT_EQ(ObSpreadsheetFileName("OB"), "OB.csv");
  const auto written =
      WriteObSpreadsheet(state, testing::Replacing(), {fx.dir.path().string(), "OB"});
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(written->names, std::vector<std::string>{"OB.csv"});
  EXPECT_EQ(FileText("OB.csv"), testing::ObFixtureFile("source.csv"));

  // "Write OB" of the same scenario: the hand-built file of its own form.
  WriteOrderOfBattle(state, testing::Replacing(), {fx.dir.path().string(), "OB"});
  EXPECT_EQ(FileText("OB.txt"), testing::ObFixtureFile("source.txt"));
}

TEST_F(ObSpreadsheetTest, GuardedAsEveryWrite) {
  EXPECT_THROW(WriteObSpreadsheet(state, testing::Replacing(), {fx.dir.path().string(), ""}),
               Refusal);
  // A name that is a path is refused before anything is asked or written.
  testing::WriteFileText(fx.dir / "s.csv", "x");
  EXPECT_THROW(WriteObSpreadsheet(state, fx.dialogs, {fx.dir.path().string(), "../s"}), Refusal);
  fx.dialogs.AnswerReplace(false);
  EXPECT_FALSE(WriteObSpreadsheet(state, fx.dialogs, {fx.dir.path().string(), "s"}).has_value());
  EXPECT_EQ(FileText("s.csv"), "x") << "No keeps the file that is there";
}

}  // namespace
}  // namespace zarkel
