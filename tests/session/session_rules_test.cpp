// The rules a face used to keep for itself and now asks the session for: the line check, a
// unit's fields patched and accepted, the layouts that accept a file, an opening from a path,
// which writes count the edits as written, a file a face makes written as the writers write, and
// the scenario type read from a typed text.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "session/session.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Layout;

class SessionRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wc = testing::MakeWriterCase(Layout::Homemade);
    fx.WriteScenario(wc.source, "source.scn");
    out = fx.dir / "out";
    std::filesystem::create_directory(out);
    DialogAnswers answers;
    answers.files = {{FileDialogKind::Equipment, fx.equipmentPath},
                     {FileDialogKind::EquipmentNames, fx.namesPath}};
    ASSERT_TRUE(session.Open(fx.Request("source.scn", ScenarioLayout::Homemade), answers).opened);
    session.Subscribe([this](const SessionChange& change) { told.push_back(change); });
  }

  testing::ScenarioFixture fx;
  testing::WriterCase wc;
  std::filesystem::path out;
  Session session{fx.dialogs};
  std::vector<SessionChange> told;
};

// The window's spin control and the page's number field both read the type through this: the
// page once read "12abc" as 2 and a number past int64 as 2, the window both as 0.
TEST(SessionTypeText, AWholeNumberIsBroughtIntoItsBoundsAndAnythingElseReadsAsZero) {
  EXPECT_EQ(Session::TypeOfText("1"), 1);
  EXPECT_EQ(Session::TypeOfText("7"), 2);
  EXPECT_EQ(Session::TypeOfText("-3"), 0);
  for (const char* text : {"", "-", "+", "abc", "12abc", "2.5", "99999999999999999999"})
    EXPECT_EQ(Session::TypeOfText(text), 0) << text;
}

TEST_F(SessionRulesTest, ALineOffItsListIsRefusedNamingTheListAndItsLines) {
  session.ChooseSide(1);  // the Allies: one core unit, no auxiliary one
  EXPECT_NO_THROW(session.RequireListedLine(UnitPage::Core, 0, "--to-aux"));
  try {
    session.RequireListedLine(UnitPage::Core, 1, "--to-aux");
    ADD_FAILURE() << "line 1 accepted";
  } catch (const Refusal& refusal) {
    EXPECT_STREQ(refusal.what(),
                 "--to-aux: line 1 is not on the Allies core list, which has lines 0 to 0.");
  }
  try {
    session.RequireListedLine(UnitPage::Aux, 0, "--to-core");
    ADD_FAILURE() << "a line of an empty list accepted";
  } catch (const Refusal& refusal) {
    EXPECT_STREQ(refusal.what(),
                 "--to-core: line 0 is not on the Allies auxiliary list, which is empty.");
  }
  EXPECT_THROW(session.RequireListedLine(UnitPage::Core, -1, "x"), Refusal);
}

TEST_F(SessionRulesTest, FieldsGivenArePatchedIntoTheReviewAndTheOthersKept) {
  session.ChooseSide(0);
  const ReviewFields before = *session.Review(UnitPage::Core, 0);
  ASSERT_NE(before.experience, "4");
  told.clear();
  const std::optional<AcceptResult> accepted =
      session.AcceptFields(UnitPage::Core, 0, {{UnitField::Experience, "4"}});
  ASSERT_TRUE(accepted && !accepted->shownAfterRejection);
  // The refresh reorders nothing here: the same unit stands on line 0.
  const ReviewFields after = *session.Review(UnitPage::Core, 0);
  EXPECT_EQ(after.name, before.name);
  EXPECT_EQ(after.experience, "4");
  EXPECT_EQ(after.column, before.column);
  EXPECT_EQ(after.row, before.row);
  EXPECT_EQ(after.used, before.used);
  EXPECT_EQ(session.UndoName(), "Change of " + before.name);
  ASSERT_FALSE(told.empty());
  EXPECT_FALSE(told[0].review) << "no review is announced: the face reviewed nothing";

  // A text that cannot be stored names its field; a line that shows no unit is none.
  try {
    session.AcceptFields(UnitPage::Core, 0, {{UnitField::Row, "x"}});
    ADD_FAILURE() << "a row of \"x\" accepted";
  } catch (const UnitFieldError& error) {
    EXPECT_EQ(error.field(), UnitField::Row);
  }
  EXPECT_FALSE(session.AcceptFields(UnitPage::Core, 99, {{UnitField::Row, "1"}}));
  // A used text other than "0" and "NO" is rejected as "Accept Changes" rejects it.
  const std::optional<AcceptResult> rejected =
      session.AcceptFields(UnitPage::Core, 0, {{UnitField::Used, "maybe"}});
  ASSERT_TRUE(rejected && rejected->shownAfterRejection);
}

TEST_F(SessionRulesTest, TheLayoutsThatAcceptAFileAndAnOpeningFromAPath) {
  testing::ScenarioPlan original = wc.source;
  original.layout = Layout::Original;
  fx.WriteScenario(original, "orig.scn");
  testing::WriteFileText(fx.dir / "short.scn", "too short");
  const auto accepts = [&](const std::filesystem::path& path, ScenarioLayout layout) {
    const std::vector<ScenarioLayout> layouts = session.LayoutsAccepting(path.string());
    return std::find(layouts.begin(), layouts.end(), layout) != layouts.end();
  };
  EXPECT_TRUE(accepts(fx.dir / "source.scn", ScenarioLayout::Homemade));
  EXPECT_TRUE(accepts(fx.dir / "orig.scn", ScenarioLayout::Original));
  EXPECT_TRUE(session.LayoutsAccepting((fx.dir / "short.scn").string()).empty());
  EXPECT_TRUE(session.LayoutsAccepting((fx.dir / "absent.scn").string()).empty());

  const OpenRequest request = session.OpenRequestFor(
      ScenarioLayout::Original, (fx.dir.path() / "sub" / ".." / "orig.scn").string());
  EXPECT_EQ(request.layout, ScenarioLayout::Original);
  EXPECT_EQ(request.directory, (fx.dir.path() / "sub" / "..").string());
  EXPECT_EQ(request.fileName, "orig.scn");
  EXPECT_TRUE(request.placenameDefault && request.titleDefault && request.descriptionDefault);
  const std::filesystem::path here = std::filesystem::current_path();
  const OpenRequest relative = session.OpenRequestFor(std::nullopt, "a/b.scn");
  EXPECT_EQ(relative.directory, (here / "a").string());
  EXPECT_EQ(relative.fileName, "b.scn");
  const OpenRequest none = session.OpenRequestFor(ScenarioLayout::Homemade, "");
  EXPECT_TRUE(none.directory.empty() && none.fileName.empty());
}

TEST_F(SessionRulesTest, AWriteOfTheScenarioCountsTheEditsAsWrittenAnOrderOfBattleDoesNot) {
  session.SetType(2);
  ASSERT_TRUE(session.HasUnwrittenEdits());
  ASSERT_TRUE(session.Write({WriteKind::OrderOfBattle, out.string(), "OB"}));
  EXPECT_TRUE(session.HasUnwrittenEdits());
  ASSERT_TRUE(session.Write({WriteKind::Homemade, out.string(), "copy"}));
  EXPECT_FALSE(session.HasUnwrittenEdits());
  EXPECT_TRUE(told.back().history);

  // A write answered No writes nothing and counts nothing as written.
  session.SetType(0);
  fx.dialogs.AnswerReplace(false);
  EXPECT_FALSE(session.Write({WriteKind::Homemade, out.string(), "copy"}));
  EXPECT_TRUE(session.HasUnwrittenEdits());
}

// The page delivers a write's files after the write; a delivery that fails takes back that write
// alone, and nothing once another write or an opening came since.
TEST_F(SessionRulesTest, AWriteNotDeliveredLeavesTheEditsUnwrittenAsBefore) {
  DialogAnswers replacing;
  replacing.replace = true;
  session.SetType(2);
  ASSERT_TRUE(session.Write({WriteKind::Homemade, out.string(), "copy"}));
  session.SetType(1);
  ASSERT_TRUE(
      session.Write({WriteKind::Campaign, out.string(), "trip", CampaignPage::Axis}, replacing));
  ASSERT_FALSE(session.HasUnwrittenEdits());
  told.clear();
  session.WriteNotDelivered();
  EXPECT_TRUE(session.HasUnwrittenEdits());
  ASSERT_FALSE(told.empty());
  EXPECT_TRUE(told.back().history);
  // What the first write wrote counts as written still: undoing the change since gets back to it.
  ASSERT_TRUE(session.Undo());
  EXPECT_FALSE(session.HasUnwrittenEdits());

  // Taken back once only, and not for an order of battle, which counts nothing as written.
  session.WriteNotDelivered();
  EXPECT_FALSE(session.HasUnwrittenEdits());
  ASSERT_TRUE(session.Write({WriteKind::Homemade, out.string(), "copy"}, replacing));
  ASSERT_TRUE(session.Write({WriteKind::OrderOfBattle, out.string(), "OB"}));
  session.WriteNotDelivered();
  EXPECT_FALSE(session.HasUnwrittenEdits());
  session.SetType(0);
  ASSERT_TRUE(session.Write({WriteKind::Homemade, out.string(), "copy"}, replacing));
  ASSERT_TRUE(session.Open(fx.Request("source.scn", ScenarioLayout::Homemade)).opened);
  session.WriteNotDelivered();
  EXPECT_FALSE(session.HasUnwrittenEdits()) << "an opening since: nothing to take back";
}

TEST_F(SessionRulesTest, AFileAFaceMakesIsCheckedAskedAboutWrittenAndReported) {
  session.SetType(2);
  int made = 0;
  const auto bytes = [&made] {
    ++made;
    return std::string("\x89PNG\r\n\x1a\n\0picture", 16);
  };

  // A file the editor works from: refused before any question, and nothing made.
  EXPECT_THROW(session.WriteFileOfFace(fx.dir / "source.scn", bytes), Refusal);
  EXPECT_THROW(session.WriteFileOfFace(fx.dir / "nosuchdir" / "map.png", bytes), Refusal);
  EXPECT_EQ(made, 0);
  EXPECT_TRUE(fx.dialogs.replaceQuestions.empty());

  // Written, reported as the writers' files are, the edits still unwritten.
  told.clear();
  const std::optional<WrittenFiles> written = session.WriteFileOfFace(out / "map.png", bytes);
  ASSERT_TRUE(written);
  EXPECT_EQ(written->names, std::vector<std::string>{"map.png"});
  EXPECT_EQ(testing::ReadFileBytes(out / "map.png"),
            testing::Bytes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 'p', 'i', 'c', 't', 'u',
                            'r', 'e'}));
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].status, "Wrote map.png in \"" + out.string() + "\"");
  EXPECT_TRUE(session.HasUnwrittenEdits());

  // There already: the replace question, No keeps the file and tells nothing.
  fx.dialogs.AnswerReplace(false);
  told.clear();
  EXPECT_FALSE(session.WriteFileOfFace(out / "map.png", [] { return std::string("other"); }));
  EXPECT_EQ(fx.dialogs.replaceQuestions.size(), 1u);
  EXPECT_EQ(testing::ReadFileBytes(out / "map.png").size(), 16u);
  EXPECT_TRUE(told.empty());
  // Answered up front: replaced without a question.
  DialogAnswers replace;
  replace.replace = true;
  ASSERT_TRUE(session.WriteFileOfFace(
      out / "map.png", [] { return std::string("other"); }, replace));
  EXPECT_EQ(testing::ReadFileBytes(out / "map.png"), testing::ToBytes("other"));
  EXPECT_EQ(fx.dialogs.replaceQuestions.size(), 1u);

  // Bytes that cannot be made leave no file behind.
  EXPECT_THROW(session.WriteFileOfFace(out / "failed.png",
                                       []() -> std::string { throw IoError("Cannot make", "x"); }),
               IoError);
  EXPECT_FALSE(std::filesystem::exists(out / "failed.png"));
}

}  // namespace
}  // namespace zarkel
