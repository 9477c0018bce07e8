#include "session/session.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Bytes;
using testing::Layout;

// A Homemade source (the writers' case) opened in a session, the equipment files given up front.
class SessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wc = testing::MakeWriterCase(Layout::Homemade);
    fx.WriteScenario(wc.source, "source.scn");
    std::filesystem::create_directory(fx.dir / "out");
    session.Subscribe([this](const SessionChange& change) { told.push_back(change); });
    DialogAnswers answers;
    answers.files = {{FileDialogKind::Equipment, fx.equipmentPath},
                     {FileDialogKind::EquipmentNames, fx.namesPath}};
    ASSERT_TRUE(session.Open(fx.Request("source.scn", ScenarioLayout::Homemade), answers).opened);
  }

  std::int32_t UnitNamed(const std::string& name) const {
    const UnitTable& units = session.state().scenario.units;
    for (std::int32_t k = 1; k <= units.size(); ++k) {
      if (units.at(k).ShownName() == name)
        return k;
    }
    throw std::logic_error("no unit " + name);
  }
  Bytes WrittenCampaign(const std::string& name) {
    session.Write({WriteKind::Campaign, (fx.dir / "out").string(), name, CampaignPage::Axis});
    return testing::ReadFileBytes(fx.dir / "out" / (name + ".scn"));
  }
  // The limits of the source in edit order, with `field` set to `value`.
  std::array<std::uint8_t, 8> SourceLimits(std::int32_t field = -1, std::uint8_t value = 0) const {
    std::array<std::uint8_t, 8> limits{11, 13, 12, 14, 15, 16, 17, 18};
    if (field >= 0)
      limits[static_cast<std::size_t>(field)] = value;
    return limits;
  }

  testing::ScenarioFixture fx;
  testing::WriterCase wc;
  Session session{fx.dialogs};
  std::vector<SessionChange> told;
};

TEST_F(SessionTest, OpenTransferMoveTypeLimitUndoRedoAndWriteGiveTheBytesOfTheFormat) {
  EXPECT_TRUE(fx.dialogs.shown.empty()) << "the equipment files were given up front";
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(told[0].opened && told[0].campaignEntries && !told[0].rosters);
  EXPECT_EQ(session.limitTexts()[kAxisCoreMax], "16");

  session.ChooseSide(0);
  EXPECT_EQ(session.side(), 0);
  const auto transferred = session.TransferToAux({1});  // "Axis B"
  ASSERT_TRUE(transferred);
  EXPECT_EQ(transferred->auxNames, (std::vector<std::string>{"Axis B", "Axis aux"}));
  session.MoveUnit(UnitNamed("Axis A"), 5, 6);
  EXPECT_EQ(session.UndoName(), "Change of Axis A");
  session.SetType(7);  // brought to 2, as the spin control does
  EXPECT_EQ(told.back().status, "Changed \"Type of Scenario\" to 2");
  session.SetLimit(kAxisCoreMax, "50");
  session.SetLimit(kAxisCoreMax, "60");  // typed again: the same step
  EXPECT_EQ(session.UndoName(), "Change of max axis core");
  EXPECT_EQ(told.back().status, "Changed \"max axis core\" to '60'");
  EXPECT_TRUE(session.HasUnwrittenEdits());

  // Every edit made, as the format lays it out.
  auto units = wc.expectedUnits;  // Axis A, Axis B, Axis aux, Allied, Third
  units[0].column = 5;
  units[0].row = 6;
  units[1].orderNumber = 80;
  units[2].orderNumber = 81;
  const Bytes edited = testing::ExpectedScenario(
      wc.source, Layout::Original, units, 2, testing::FileOrder(SourceLimits(kAxisCoreMax, 60)));

  // Undone one by one: the limit as it was, the type, the move; the transfer stays.
  told.clear();
  ASSERT_TRUE(session.Undo());
  EXPECT_EQ(session.limitTexts()[kAxisCoreMax], "16");
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(told[0].campaignEntries && told[0].history && !told[0].rosters);
  EXPECT_EQ(told[0].status, "Undid: Change of max axis core");
  EXPECT_EQ(session.UndoName(), "Change of Type of Scenario");
  session.Undo();
  EXPECT_EQ(session.battleType(), 1);
  session.ChooseSide(1);
  const auto moveUndone = session.Undo();  // made on the Axis side: shown again
  ASSERT_TRUE(moveUndone && moveUndone->rosters);
  EXPECT_EQ(session.side(), 0);
  EXPECT_TRUE(told.back().side && told.back().rosters);
  auto transferOnly = wc.expectedUnits;
  transferOnly[1].orderNumber = 80;
  transferOnly[2].orderNumber = 81;
  EXPECT_EQ(WrittenCampaign("undone"),
            testing::ExpectedScenario(wc.source, Layout::Original, transferOnly, 1,
                                      testing::FileOrder(SourceLimits())));
  EXPECT_FALSE(session.HasUnwrittenEdits());
  EXPECT_TRUE(told.back().written && told.back().history);

  while (session.Redo()) {
  }
  EXPECT_TRUE(session.HasUnwrittenEdits());
  EXPECT_EQ(WrittenCampaign("redone"), edited);
}

TEST_F(SessionTest, TheStatusNamesTheEquipmentReadAndAnOpeningReadsItAgainWhenAsked) {
  const std::string scenario = (fx.dir / "source.scn").string();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].status, "Opened \"" + scenario + "\"; read equipment from \"" +
                                fx.equipmentPath + "\" and \"" + fx.namesPath + "\"");

  // Another pair: every id of class 3, named "Other<id>".
  const std::string otherEquipment = (fx.dir / "other.eqp").string();
  const std::string otherNames = (fx.dir / "other.txt").string();
  testing::WriteFileBytes(otherEquipment,
                          testing::BuildEquipmentFile(std::vector<std::uint8_t>(30, 3)));
  std::vector<std::string> names;
  for (int id = 0; id < 30; ++id)
    names.push_back("Other" + std::to_string(id));
  testing::WriteFileText(otherNames, testing::JoinLines(names));
  DialogAnswers other;
  other.files = {{FileDialogKind::Equipment, otherEquipment},
                 {FileDialogKind::EquipmentNames, otherNames}};
  const EquipmentTables& equipment = session.state().equipment;

  // Opened again: the equipment read at the first opening stays.
  told.clear();
  ASSERT_TRUE(session.Open(fx.Request("source.scn", ScenarioLayout::Homemade), other).opened);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].status, "Opened \"" + scenario + "\"");
  EXPECT_EQ(equipment.names[1], "Eq1");

  // Asked to read it again, an opening reads it before the scenario, and says so also when the
  // scenario then fails to open.
  told.clear();
  EXPECT_THROW(session.Open(fx.Request("absent.scn", ScenarioLayout::Homemade), other, true),
               EditorError);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].status,
            "Read equipment from \"" + otherEquipment + "\" and \"" + otherNames + "\"");
  EXPECT_EQ(equipment.names[1], "Other1");
  EXPECT_EQ(equipment.classOf[1], 3);
  EXPECT_EQ(session.state().scenario.geometry.sourcePath, scenario) << "still open";

  // "Reload Equipment File" with one dialog cancelled, then both: only what was read is named.
  fx.dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
  fx.dialogs.Answer(FileDialogKind::EquipmentNames, fx.namesPath);
  session.ReloadEquipment();
  EXPECT_EQ(told.back().status, "Read equipment from \"" + fx.namesPath + "\"");
  EXPECT_EQ(equipment.names[1], "Eq1");
  EXPECT_EQ(equipment.classOf[1], 3) << "the equipment file's dialog was cancelled";
  fx.dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
  fx.dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
  session.ReloadEquipment();
  EXPECT_EQ(told.back().status, "No equipment file read");
}

TEST_F(SessionTest, ChangesOfOneFieldFoldIntoOneStepUntilAWriteOrAnUndo) {
  session.SetLimit(kAxisAuxMax, "20");
  session.SetLimit(kAxisAuxMax, "21");
  session.SetLimit(kAlliedAuxMax, "5");
  session.SetLimit(kAxisAuxMax, "22");  // not right after its own change: a step of its own
  EXPECT_EQ(session.state().history.StepCount(), 3u);
  EXPECT_EQ(session.SetLimit(kAxisAuxMax, "22"), false) << "the same text is no change";

  // A write ends the folding; a change back to what was written leaves nothing unwritten.
  WrittenCampaign("w");
  session.SetLimit(kAxisAuxMax, "30");
  EXPECT_EQ(session.state().history.StepCount(), 4u);
  EXPECT_TRUE(session.HasUnwrittenEdits());
  session.SetLimit(kAxisAuxMax, "22");
  EXPECT_EQ(session.state().history.StepCount(), 3u);
  EXPECT_FALSE(session.HasUnwrittenEdits());
  EXPECT_EQ(session.RedoName(), std::nullopt);

  // After an undo a change never folds into the step before the one undone.
  session.Undo();  // axisAuxMax back to 21
  session.SetLimit(kAlliedAuxMax, "6");
  EXPECT_EQ(session.state().history.StepCount(), 3u);
  session.Undo();
  EXPECT_EQ(session.limitTexts()[kAlliedAuxMax], "5");
  EXPECT_TRUE(session.HasUnwrittenEdits()) << "the write saw axisAuxMax 22";

  // Clicks on the spin control's arrows make one step, none when they end where they began.
  session.Redo();
  const std::size_t steps = session.state().history.StepCount();
  for (const int value : {0, 1})
    session.SetType(value);
  EXPECT_EQ(session.state().history.StepCount(), steps);
  for (const int value : {2, 0, 2})
    session.SetType(value);
  EXPECT_EQ(session.state().history.StepCount(), steps + 1);
  EXPECT_EQ(session.UndoName(), "Change of Type of Scenario");
  session.Undo();
  EXPECT_EQ(session.battleType(), 1);
}

TEST_F(SessionTest, AMoveHasTheChecksOfAcceptChangesAndViewsHearOfARefusal) {
  session.ChooseSide(1);
  EXPECT_THROW(session.MoveUnit(UnitNamed("Axis A"), 1, 1), Refusal);
  session.ChooseSide(0);
  told.clear();
  const std::size_t steps = session.state().history.StepCount();
  const UnitRecord before = session.state().scenario.units.at(UnitNamed("Axis A"));
  // A used text that is not "0" or "NO" refuses the whole accept: the column and row typed
  // with it are not stored.
  const AcceptResult stopped = session.Accept(UnitPage::Core, 0, {"7", "8", "maybe", "1"});
  ASSERT_TRUE(stopped.shownAfterRejection);
  EXPECT_EQ(fx.dialogs.messages.back(), "\"0\" and \"NO\" are the only two valid entries");
  EXPECT_THROW(session.Accept(UnitPage::Core, 0, {"9", "x", "0", "1"}), ConversionError);
  ASSERT_EQ(told.size(), 2u);
  EXPECT_TRUE(!told[0].history && !told[1].history && !told[1].rosters);
  EXPECT_EQ(told[1].status, "No change to \"Axis A\"");
  EXPECT_EQ(session.state().history.StepCount(), steps);
  EXPECT_EQ(session.state().scenario.units.at(UnitNamed("Axis A")).bytes, before.bytes);

  // A move off the map is stored, and the status says where the unit now stands.
  session.MoveUnit(UnitNamed("Axis A"), 1, 250);
  EXPECT_EQ(session.state().scenario.units.at(UnitNamed("Axis A")).rowLow(), 250);
  const ScenarioGeometry& map = session.state().scenario.geometry;
  EXPECT_EQ(told.back().status, "Moved \"Axis A\" to column 1, row 250; it now stands off the " +
                                    std::to_string(map.mapSizeA) + " x " +
                                    std::to_string(map.mapSizeB) + " map");
}

TEST(SessionWithNothingOpen, EditsAndWritesSaySoAndDoNothingButTheOrderOfBattle) {
  testing::ScenarioFixture fx;
  Session session{fx.dialogs};
  std::vector<std::string> statuses;
  session.Subscribe([&](const SessionChange& change) { statuses.push_back(change.status); });
  const std::string openFirst = "No scenario is open. Open one on the \"Open File\" page first.";

  // The window leaves its limit edits with their own texts ("Edit11").
  EXPECT_FALSE(session.SetLimit(kAlliedCoreMax, "Edit11"));
  EXPECT_FALSE(session.SetType(2));
  session.Accept(UnitPage::Core, 0, {"1", "1", "0", "1"});
  session.TransferToAux({0});
  EXPECT_EQ(statuses, std::vector<std::string>(4, openFirst));
  EXPECT_FALSE(session.HasUnwrittenEdits());
  EXPECT_FALSE(session.UndoName());
  EXPECT_EQ(session.limitTexts()[kAlliedCoreMax], "");

  // Writes say the same before they look at the name.
  const std::string out = fx.dir.path().string();
  for (const std::string name : {"", "camp"}) {
    try {
      session.Write({WriteKind::Campaign, out, name, CampaignPage::Axis});
      ADD_FAILURE() << "written";
    } catch (const Refusal& refusal) {
      EXPECT_EQ(refusal.what(), openFirst);
    }
    try {
      session.Write({WriteKind::Homemade, out, name});
      ADD_FAILURE() << "written";
    } catch (const Refusal& refusal) {
      EXPECT_EQ(refusal.what(), openFirst);
    }
  }
  EXPECT_THROW(session.HomemadeWriteAsks(out, "camp"), Refusal);
  EXPECT_FALSE(std::filesystem::exists(fx.dir / "camp.scn"));
  // "Write OB" writes its header and the three blank lines of the sides, and says so; the
  // spreadsheet form, which has no blank lines, its header alone.
  ASSERT_TRUE(session.Write({WriteKind::OrderOfBattle, out, "OB"}));
  EXPECT_TRUE(std::filesystem::exists(fx.dir / "OB.txt"));
  EXPECT_EQ(statuses.back(), "Wrote OB.txt in " + QuotedPath(fx.dir.path()) +
                                 ": its header line and the three sides' blank lines alone, "
                                 "since no scenario is open");
  ASSERT_TRUE(session.Write({WriteKind::ObSpreadsheet, out, "OB"}));
  EXPECT_EQ(statuses.back(), "Wrote OB.csv in " + QuotedPath(fx.dir.path()) +
                                 ": its header line alone, since no scenario is open");
}

TEST_F(SessionTest, TheHomemadeWritersQuestionCanBeAnsweredUpFront) {
  testing::WriteFileText(fx.dir / "sorig.tst", "Alpha\r\n");
  testing::WriteFileText(fx.dir / "orig.tit", "T");
  testing::WriteFileText(fx.dir / "orig.des", "D");
  testing::ScenarioPlan original = wc.source;
  original.layout = Layout::Original;
  fx.WriteScenario(original, "orig.scn");
  const std::string out = (fx.dir / "out").string();
  EXPECT_FALSE(session.HomemadeWriteAsks(out, "copy"));
  session.Open(fx.Request("orig.scn", ScenarioLayout::Original));
  EXPECT_TRUE(session.HomemadeWriteAsks(out, "copy"));
  // What would refuse the write refuses before the question, as the write does.
  EXPECT_THROW(session.HomemadeWriteAsks(out, ""), Refusal);
  EXPECT_THROW(session.HomemadeWriteAsks(fx.dir.path().string(), "orig"), Refusal);

  DialogAnswers no;
  no.yesNo = false;
  DialogAnswers yes;
  yes.yesNo = true;
  EXPECT_FALSE(session.Write({WriteKind::Homemade, out, "no"}, no));
  EXPECT_TRUE(session.Write({WriteKind::Homemade, out, "yes"}, yes));
  EXPECT_TRUE(fx.dialogs.questions.empty());
  fx.dialogs.AnswerYesNo(true);
  EXPECT_TRUE(session.Write({WriteKind::Homemade, out, "asked"}));
  EXPECT_EQ(fx.dialogs.questions.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(fx.dir / "out" / "no.scn"));
}

TEST_F(SessionTest, CompanionFilesMissingAtTheOpeningAreNamedAndFoundWhenTheWriteRuns) {
  testing::ScenarioPlan original = wc.source;
  original.layout = Layout::Original;
  fx.WriteScenario(original, "ORIG.SCN");
  testing::WriteFileText(fx.dir / "ORIG.DES", "D");
  told.clear();
  session.Open(fx.Request("ORIG.SCN", ScenarioLayout::Original));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].status, "Opened \"" + (fx.dir / "ORIG.SCN").string() +
                                "\"; not found: \"sORIG.tst\" and \"ORIG.tit\" (a campaign or "
                                "Homemade write needs them)");

  // An edit, then the two files given beside the scenario in a case of their own: the write
  // finds them without a new opening, and the edit is written.
  session.ChooseSide(0);
  ASSERT_TRUE(session.TransferToAux({0}));
  testing::WriteFileText(fx.dir / "SORIG.TST", "North\r\n");
  testing::WriteFileText(fx.dir / "Orig.Tit", "Title");
  const std::string out = (fx.dir / "out").string();
  ASSERT_TRUE(session.Write({WriteKind::Campaign, out, "cchina", CampaignPage::Axis}));
  EXPECT_EQ(testing::ReadFileBytes(fx.dir / "out" / "cchina.tit"), testing::ToBytes("Title"));
  EXPECT_EQ(testing::ReadFileBytes(fx.dir / "out" / "scchina.tst"), testing::ToBytes("North\r\n"));
  EXPECT_EQ(testing::ReadFileBytes(fx.dir / "out" / "cchina.des"), testing::ToBytes("D"));
  EXPECT_FALSE(session.HasUnwrittenEdits());
  // The files found are files in use from then on.
  bool titleInUse = false;
  for (const FileInUse& file : session.FilesInUse()) {
    std::error_code error;
    titleInUse = titleInUse || std::filesystem::equivalent(file.path, fx.dir / "Orig.Tit", error);
  }
  EXPECT_TRUE(titleInUse);
}

TEST_F(SessionTest, AFileThatIsNoScenarioOpensAndIsSaidSo) {
  testing::Bytes bytes = testing::BuildScenario(wc.source).bytes;
  // Every unit slot filled with control bytes and a strength: names that are not text.
  const std::int64_t unitArea = testing::BuildScenario(wc.source).unitAreaOffset;
  for (std::int64_t i = unitArea; i < unitArea + 1200 * 218; ++i)
    bytes[static_cast<std::size_t>(i)] = 0x05;
  testing::WriteFileBytes(fx.dir / "noise.scn", bytes);
  ASSERT_TRUE(session.Open(fx.Request("noise.scn", ScenarioLayout::Homemade)).opened);
  ASSERT_EQ(fx.dialogs.messages.size(), 1u);
  EXPECT_EQ(fx.dialogs.messages[0],
            "\"noise.scn\" does not look like a scenario of the game: 1200 of 1200 unit names are "
            "not text; 1200 of 1200 units have an equipment id beyond the equipment file (ids 0 "
            "to 29); 1200 of 1200 units belong to no side. It was opened all the same; check it "
            "before writing it.");
}

TEST_F(SessionTest, OnlyItsOwnAnswerReplacesAFileAndNoSaysNothingWasWritten) {
  const std::string out = (fx.dir / "out").string();
  testing::WriteFileText(fx.dir / "out" / "OB.txt", "earlier");
  // A Yes given for the other questions leaves this one to the dialogs, which say No.
  DialogAnswers yes;
  yes.yesNo = true;
  fx.dialogs.AnswerReplace(false);
  told.clear();
  EXPECT_FALSE(session.Write({WriteKind::OrderOfBattle, out, "OB"}, yes));
  EXPECT_EQ(fx.dialogs.replaceQuestions,
            std::vector<std::string>{"\"OB.txt\" already exists in \"" + out + "\". Replace it?"});
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].status, "Not written");
  EXPECT_FALSE(told[0].written);
  EXPECT_EQ(testing::ReadFileBytes(fx.dir / "out" / "OB.txt"), testing::ToBytes("earlier"));

  DialogAnswers replace;
  replace.replace = true;
  ASSERT_TRUE(session.Write({WriteKind::OrderOfBattle, out, "OB"}, replace));
  EXPECT_EQ(fx.dialogs.replaceQuestions.size(), 1u) << "answered up front, not shown";
  EXPECT_NE(testing::ReadFileBytes(fx.dir / "out" / "OB.txt"), testing::ToBytes("earlier"));
}

TEST_F(SessionTest, AnObserverMaySubscribeAndUnsubscribeWhileItIsTold) {
  // The observer subscribes enough others to move the list of observers, then uses what it
  // holds: it must still be there (the sanitizer build sees it if it is not).
  std::vector<std::int32_t> added;
  std::int32_t heard = 0;
  std::int32_t self = 0;
  self = session.Subscribe([this, &added, &heard, &self](const SessionChange&) {
    for (int i = 0; i < 64; ++i)
      added.push_back(session.Subscribe([&heard](const SessionChange&) { ++heard; }));
    session.Unsubscribe(self);
    told.clear();
  });
  session.ChooseSide(1);
  EXPECT_EQ(added.size(), 64u);
  EXPECT_TRUE(told.empty());
  EXPECT_EQ(heard, 0);  // those added hear from the next change on
  session.ChooseSide(0);
  EXPECT_EQ(added.size(), 64u);
  EXPECT_EQ(heard, 64);
  EXPECT_EQ(told.size(), 1u);
}

}  // namespace
}  // namespace zarkel
