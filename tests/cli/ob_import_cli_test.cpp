// zarkel-cli's order of battle in the spreadsheet form (ob --spreadsheet) and its import
// (--import-ob), an edit among the others that --undo takes back.
#include <gtest/gtest.h>

#include "cli_process.h"
#include "ob_scenario.h"
#include "scenario_fixture.h"

namespace zarkel {
namespace {

using testing::Bytes;
using Args = std::vector<std::string>;

class ObImportCliTest : public ::testing::Test {
 protected:
  ObImportCliTest() {
    fx.WriteScenario(testing::ObFixtureScenario(), "s.scn");
    std::filesystem::create_directory(fx.dir / "out");
    testing::WriteFileText(fx.dir / "edited.csv",
                           testing::ObFixtureFile("lo-edited-semicolon.csv"));
  }
  testing::CliRun Run(const std::string& command, const Args& more) {
    Args args = {command,          "--layout", "homemade",   "s.scn", "--equipment",
                 fx.equipmentPath, "--names",  fx.namesPath, "--dir", "out"};
    args.insert(args.end(), more.begin(), more.end());
    return testing::RunCli(args, fx.dir.path(), io.path());
  }
  // The campaign scenario written after `edits`.
  Bytes Campaign(const std::string& name, const Args& edits) {
    Args more = {"--name", name};
    more.insert(more.end(), edits.begin(), edits.end());
    const testing::CliRun run = Run("campaign", more);
    EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err;
    return testing::ReadFileBytes(fx.dir / "out" / (name + ".scn"));
  }

  testing::ScenarioFixture fx;
  testing::TempDir io;
};

TEST_F(ObImportCliTest, TheSpreadsheetFormIsNameDotCsvAndImportsBackAsNoChange) {
  const testing::CliRun sheet = Run("ob", {"--spreadsheet", "--name", "Roster"});
  ASSERT_EQ(sheet.exitCode, 0) << sheet.err;
  EXPECT_EQ(testing::ReadFileBytes(fx.dir / "out" / "Roster.csv"),
            testing::ToBytes(testing::ObFixtureFile("source.csv")));
  EXPECT_FALSE(std::filesystem::exists(fx.dir / "out" / "Roster.txt"));
  EXPECT_EQ(sheet.out.rfind("Wrote Roster.csv in ", 0), 0u) << sheet.out;

  // The default form is still the program's own.
  ASSERT_EQ(Run("ob", {}).exitCode, 0);
  EXPECT_EQ(testing::ReadFileBytes(fx.dir / "out" / "OB.txt"),
            testing::ToBytes(testing::ObFixtureFile("source.txt")));

  // Written, then imported unchanged: the scenario as it was, no step for --undo to take.
  const Bytes unedited = Campaign("unedited", {});
  EXPECT_EQ(Campaign("same", {"--import-ob", "out/Roster.csv"}), unedited);
  const testing::CliRun undo = Run("ob", {"--import-ob", "out/Roster.csv", "--undo"});
  EXPECT_EQ(undo.exitCode, 2);
  EXPECT_EQ(undo.err.rfind("--undo (argument 13): there is no edit left to undo", 0), 0u)
      << undo.err;
}

TEST_F(ObImportCliTest, AnImportWritesWhatTheSameEditsThroughTheOtherFlagsWrite) {
  const Bytes unedited = Campaign("unedited", {});
  const Bytes imported = Campaign("imported", {"--import-ob", "edited.csv"});
  EXPECT_NE(imported, unedited);
  // Axis 4 to core, Axis 3 to auxiliary, Axis 2 placed at 14,15, Axis 4 experience 5, Allies 1
  // not placed.
  EXPECT_EQ(Campaign("byhand", {"--side", "axis", "--to-core", "0", "--to-aux", "2", "--core-unit",
                                "1:column=14,row=15,used=0", "--core-unit", "2:experience=5",
                                "--side", "allies", "--core-unit", "0:used=NO"}),
            imported);

  // One step, taken back and made again whole, in order with the other edits.
  EXPECT_EQ(Campaign("undone", {"--import-ob", "edited.csv", "--undo"}), unedited);
  EXPECT_EQ(Campaign("redone", {"--import-ob", "edited.csv", "--undo", "--redo"}), imported);
  const Bytes transferred = Campaign("transferred", {"--side", "axis", "--to-aux", "0"});
  EXPECT_EQ(
      Campaign("after", {"--side", "axis", "--to-aux", "0", "--import-ob", "edited.csv", "--undo"}),
      transferred);
}

TEST_F(ObImportCliTest, ARefusedFileStopsTheRunAndWritesNothing) {
  std::string wrong = testing::ObFixtureFile("edited.csv");
  wrong.replace(wrong.find("Grenadier Rgt 1"), 15, "Grenadier Rgt 2");
  testing::WriteFileText(fx.dir / "wrong.csv", wrong);
  const auto before = testing::Snapshot(fx.dir / "out");
  for (const Args& edits : {Args{"--import-ob", "wrong.csv"}, Args{"--import-ob", "absent.csv"}}) {
    const testing::CliRun run = Run("ob", edits);
    EXPECT_EQ(run.exitCode, 1) << edits[1];
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(testing::Snapshot(fx.dir / "out"), before) << edits[1];
    if (edits[1] == "wrong.csv") {
      EXPECT_EQ(run.err,
                "Cannot import \"wrong.csv\"; nothing was changed:\nline 2, Name: "
                "\"Grenadier Rgt 2\" differs from the unit's \"Grenadier Rgt 1\"; an import does "
                "not change Name\n");
    } else {
      EXPECT_NE(run.err.find("absent.csv"), std::string::npos) << run.err;
    }
  }
  const testing::CliRun empty = Run("ob", {"--import-ob", ""});
  EXPECT_EQ(empty.exitCode, 2);
  EXPECT_EQ(empty.err.rfind("--import-ob: give the file to import", 0), 0u) << empty.err;
}

}  // namespace
}  // namespace zarkel
