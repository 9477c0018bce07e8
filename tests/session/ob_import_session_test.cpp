// The session's import of an order of battle: one step of the history across both sides, the
// lists of the side shown built again, refusals that change nothing, and the spreadsheet form
// written behind the session.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "ob_scenario.h"
#include "output/ob_spreadsheet.h"
#include "roster/unit_review.h"
#include "scenario_fixture.h"
#include "session/session.h"

namespace zarkel {
namespace {

using testing::Bytes;
using testing::ImportableContent;

class ObImportSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fx.WriteScenario(testing::ObFixtureScenario(), "s.scn");
    std::filesystem::create_directory(fx.dir / "out");
    Open(session);
    session.Subscribe([this](const SessionChange& change) { told.push_back(change); });
    before = ImportableContent(session.state());
  }
  void Open(Session& opened, bool chooseAxis = true) {
    DialogAnswers answers;
    answers.files = {{FileDialogKind::Equipment, fx.equipmentPath},
                     {FileDialogKind::EquipmentNames, fx.namesPath}};
    ASSERT_TRUE(opened.Open(fx.Request("s.scn", ScenarioLayout::Homemade), answers).opened);
    if (chooseAxis)
      opened.ChooseSide(0);
  }
  std::filesystem::path Put(const std::string& name, const std::string& bytes) {
    testing::WriteFileText(fx.dir / name, bytes);
    return fx.dir / name;
  }
  Bytes Campaign(Session& written, const std::string& name) {
    DialogAnswers replacing;
    replacing.replace = true;
    written.Write({WriteKind::Campaign, (fx.dir / "out").string(), name, CampaignPage::Axis},
                  replacing);
    return testing::ReadFileBytes(fx.dir / "out" / (name + ".scn"));
  }
  // The line of the list that shows the unit at `position` of `side`, the side being shown.
  std::int32_t Line(const Session& shown, int side, int position) const {
    const EditorState& state = shown.state();
    return ListedLineOf(
               state,
               state.scenario.rosters[static_cast<std::size_t>(side)].pairs.at(position).unitIndex)
        ->line;
  }

  testing::ScenarioFixture fx;
  Session session{fx.dialogs};
  std::vector<SessionChange> told;
  std::string before;
};

TEST_F(ObImportSessionTest, TheSpreadsheetFormWrittenAndImportedUnchangedMakesNoStep) {
  ASSERT_TRUE(session.Write({WriteKind::ObSpreadsheet, (fx.dir / "out").string(), "OB"}));
  EXPECT_EQ(told.back().status.rfind("Wrote OB.csv in ", 0), 0u) << told.back().status;
  EXPECT_EQ(testing::ReadFileBytes(fx.dir / "out" / "OB.csv"),
            testing::ToBytes(testing::ObFixtureFile("source.csv")));
  const std::size_t heard = told.size();

  EXPECT_FALSE(session.ImportOrderOfBattle(fx.dir / "out" / "OB.csv"));
  EXPECT_EQ(ImportableContent(session.state()), before);
  EXPECT_FALSE(session.UndoName());
  EXPECT_FALSE(session.HasUnwrittenEdits());
  ASSERT_EQ(told.size(), heard + 1);
  EXPECT_EQ(told.back().status, "Importing \"OB.csv\" changes nothing");
  EXPECT_FALSE(told.back().rosters || told.back().history);

  // Written again, the file there is replaced only when the question is answered Yes.
  fx.dialogs.AnswerReplace(false);
  EXPECT_FALSE(session.Write({WriteKind::ObSpreadsheet, (fx.dir / "out").string(), "OB"}));
  EXPECT_EQ(told.back().status, kNotWritten);
  ASSERT_EQ(fx.dialogs.replaceQuestions.size(), 1u);
}

TEST_F(ObImportSessionTest, AnImportIsOneStepAcrossBothSidesThatUndoAndRedoTakeWhole) {
  Session byHand{fx.dialogs};
  Open(byHand);
  const Bytes original = Campaign(session, "original");

  const std::size_t heard = told.size();
  ASSERT_TRUE(session.ImportOrderOfBattle(
      Put("OB.csv", testing::ObFixtureFile("lo-edited-semicolon.csv"))));
  const std::string summary =
      "Imported \"OB.csv\": 1 unit moved to auxiliary, 1 unit moved to core, 2 placements "
      "changed, 1 experience change";
  ASSERT_EQ(told.size(), heard + 1);
  EXPECT_EQ(told.back().status, summary);
  ASSERT_TRUE(told.back().rosters);
  EXPECT_TRUE(told.back().history);
  EXPECT_EQ(session.UndoName(), "Import of OB.csv");
  EXPECT_EQ(session.state().history.StepCount(), 1u);
  // The lists of the side shown were built again: Axis 3 now auxiliary, Axis 4 core.
  EXPECT_EQ(told.back().rosters->auxNames.size(), 2u);
  EXPECT_EQ(told.back().rosters->auxNames.front(), "3-7");

  // The same edits through the operations zarkel-cli's edit flags run.
  byHand.TransferToCore({Line(byHand, 0, 4)});
  byHand.TransferToAux({Line(byHand, 0, 3)});
  byHand.Accept(UnitPage::Core, Line(byHand, 0, 2), {"14", "15", "0", "3"});
  byHand.Accept(UnitPage::Core, Line(byHand, 0, 4), {"5", "6", "0", "5"});
  byHand.ChooseSide(1);
  byHand.Accept(UnitPage::Core, Line(byHand, 1, 1), {"30", "31", "NO", "2"});
  const Bytes imported = Campaign(session, "imported");
  EXPECT_EQ(imported, Campaign(byHand, "byhand"));
  EXPECT_NE(imported, original);

  // Undone on the Allied side: both sides as they were, the Allied side still shown.
  session.ChooseSide(1);
  ASSERT_TRUE(session.Undo());
  EXPECT_EQ(session.side(), 1);
  EXPECT_FALSE(told.back().side);
  ASSERT_TRUE(told.back().rosters);
  EXPECT_EQ(told.back().rosters->coreNames.size(), 1u);
  EXPECT_EQ(told.back().status, "Undid: Import of OB.csv");
  EXPECT_EQ(Campaign(session, "undone"), original);
  EXPECT_EQ(session.RedoName(), "Import of OB.csv");

  ASSERT_TRUE(session.Redo());
  EXPECT_EQ(session.side(), 1);
  EXPECT_EQ(Campaign(session, "redone"), imported);
  EXPECT_FALSE(session.RedoName());
}

TEST_F(ObImportSessionTest, ARefusedImportChangesNeitherTheScenarioNorTheHistory) {
  session.TransferToAux({0});  // a step before, which an undo must still find
  const std::string edited = ImportableContent(session.state());
  const std::uint64_t revision = session.state().history.Revision();
  const std::string changed = testing::ObFixtureFile("edited.csv");
  // A read-only column changed, besides the cells that could be imported.
  std::string wrongStrength = changed;
  wrongStrength.replace(wrongStrength.find(",10,1,2\r\nAxis,2"), 7, ",11,1,2");
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"strength", wrongStrength},
      {"no unit", changed + "Allies,9,Core,Nobody,Ge,Infantry,Eq0,,,1,1,0,10,1,2\r\n"},
      {"not a number",
       "\xEF\xBB\xBFSide,Position,Class,Name,Country,Unit Type,Equipment Name,"
       "Land Trans,Naval Trans,Column,Row,Used,Str,Ent,Exp\r\n"
       "Axis,1,Core,Grenadier Rgt 1,Ge,Infantry,Eq0,Eq8,,300,7,0,10,1,2\r\n"},
  };
  for (const auto& [what, bytes] : refused) {
    const std::size_t heard = told.size();
    try {
      session.ImportOrderOfBattle(Put("bad.csv", bytes));
      ADD_FAILURE() << what << ": imported";
    } catch (const Refusal& refusal) {
      EXPECT_EQ(
          std::string(refusal.what()).rfind("Cannot import \"bad.csv\"; nothing was changed:", 0),
          0u)
          << what << ": " << refusal.what();
    }
    EXPECT_EQ(ImportableContent(session.state()), edited) << what;
    EXPECT_EQ(session.state().history.Revision(), revision) << what;
    EXPECT_EQ(told.size(), heard) << what << ": nothing to tell";
  }
  EXPECT_THROW(session.ImportOrderOfBattle(fx.dir / "missing.csv"), EditorError);
  EXPECT_EQ(session.UndoName(), "Transfer of 1 unit to auxiliary");

  // The page hands the bytes in: the same refusal, named by the file the user picked.
  EXPECT_THROW(session.ImportOrderOfBattleBytes("picked.csv", wrongStrength), Refusal);
  EXPECT_EQ(ImportableContent(session.state()), edited);

  Session closed{fx.dialogs};
  EXPECT_THROW(closed.ImportOrderOfBattleBytes("OB.csv", changed), Refusal);
}

TEST_F(ObImportSessionTest, BytesFromThePageImportAsTheFileDoes) {
  ASSERT_TRUE(session.ImportOrderOfBattleBytes("picked.csv", testing::ObFixtureFile("edited.csv")));
  EXPECT_EQ(session.UndoName(), "Import of picked.csv");
  EXPECT_EQ(told.back().status.rfind("Imported \"picked.csv\": ", 0), 0u);
  ASSERT_TRUE(session.Undo());
  EXPECT_EQ(ImportableContent(session.state()), before);

  // Before a side is chosen the lists show none, and an import does not build them.
  Session unchosen{fx.dialogs};
  Open(unchosen, false);
  std::vector<SessionChange> heard;
  unchosen.Subscribe([&heard](const SessionChange& change) { heard.push_back(change); });
  ASSERT_TRUE(unchosen.ImportOrderOfBattleBytes("OB.csv", testing::ObFixtureFile("edited.csv")));
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_FALSE(heard[0].rosters);
  EXPECT_TRUE(heard[0].history);
  EXPECT_FALSE(unchosen.side());
}

}  // namespace
}  // namespace zarkel
