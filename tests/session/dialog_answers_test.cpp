// The one class of answers given in advance, as each face uses it: the page (answers for one
// operation), zarkel-cli and `zarkel --save-map` (every answer given, a No printed with the flag
// that answers Yes) and the window (the files of its command line answered once).
#include "session/dialog_answers.h"

#include <gtest/gtest.h>

#include <sstream>

#include "scripted_dialogs.h"
#include "session/printed_dialogs.h"

namespace zarkel {
namespace {

TEST(DialogAnswersTest, FileAnswersStandForTheDialogOnceOrEveryTime) {
  testing::ScriptedDialogs shown;
  DialogAnswers answers;
  answers.files = {{FileDialogKind::Equipment, "/a/e.eqp"}, {FileDialogKind::Title, std::nullopt}};
  AnsweredDialogs dialogs(shown, answers);
  dialogs.Answer({FileDialogKind::EquipmentNames, "/a/n.txt", true});
  const FileDialogMemory memory;
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(dialogs.ChooseFile(FileDialogKind::Equipment, memory), "/a/e.eqp");
    EXPECT_EQ(dialogs.ChooseFile(FileDialogKind::Title, memory), std::nullopt) << "Cancel";
  }
  EXPECT_EQ(dialogs.ChooseFile(FileDialogKind::EquipmentNames, memory), "/a/n.txt");
  // Answered once: the next one is the user's.
  shown.Answer(FileDialogKind::EquipmentNames, "/b/picked.txt");
  EXPECT_EQ(dialogs.ChooseFile(FileDialogKind::EquipmentNames, memory), "/b/picked.txt");
  EXPECT_EQ(shown.shown, std::vector<FileDialogKind>{FileDialogKind::EquipmentNames});
  // A new answer takes the place of the one given before.
  dialogs.Answer({FileDialogKind::Equipment, "/c/other.eqp"});
  EXPECT_EQ(dialogs.ChooseFile(FileDialogKind::Equipment, memory), "/c/other.eqp");
}

TEST(DialogAnswersTest, QuestionsAnsweredInAdvanceAreSilentUnlessTheFaceSaysANo) {
  testing::ScriptedDialogs shown;
  DialogAnswers yes;
  yes.yesNo = true;
  AnsweredDialogs page(shown, yes);
  EXPECT_TRUE(page.AskYesNo("Confirm", "Continue ?"));
  // The replace question is its own: a Yes to the others leaves it to the user.
  shown.AnswerReplace(false);
  EXPECT_FALSE(page.AskReplace("Replace it?"));
  EXPECT_EQ(shown.replaceQuestions.size(), 1u);

  DialogAnswers silentNo;
  silentNo.yesNo = false;
  silentNo.replace = false;
  AnsweredDialogs quiet(shown, silentNo);
  EXPECT_FALSE(quiet.AskYesNo("Confirm", "Continue ?"));
  EXPECT_FALSE(quiet.AskReplace("Replace it?"));
  EXPECT_TRUE(shown.messages.empty());
  EXPECT_TRUE(shown.questions.empty());

  // A face that answers No for the user says so: the text, then its note when it has one.
  DialogAnswers said = silentNo;
  said.yesNoDeclinedNote = "";
  said.replaceDeclinedNote = "Not written: --replace replaces the files that are there.";
  AnsweredDialogs flags(shown, said);
  EXPECT_FALSE(flags.AskYesNo("Confirm", "Continue ?"));
  EXPECT_FALSE(flags.AskReplace("Replace it?"));
  EXPECT_EQ(
      shown.messages,
      (std::vector<std::string>{
          "Continue ?", "Replace it?\nNot written: --replace replaces the files that are there."}));
  // A Yes needs no words.
  said.yesNo = true;
  said.replace = true;
  AnsweredDialogs yesFlags(shown, said);
  EXPECT_TRUE(yesFlags.AskYesNo("Confirm", "Continue ?"));
  EXPECT_TRUE(yesFlags.AskReplace("Replace it?"));
  EXPECT_EQ(shown.messages.size(), 2u);
}

TEST(DialogAnswersTest, PrintedDialogsPrintALineAMessageAndAnswerNoOrCancel) {
  std::ostringstream printed;
  PrintedDialogs shown(printed);
  DialogAnswers answers;
  answers.yesNo = false;
  answers.yesNoDeclinedNote = "Answered No: --yes answers Yes.";
  AnsweredDialogs dialogs(shown, answers);
  dialogs.ShowMessage("One");
  dialogs.ShowError("Two");
  EXPECT_FALSE(dialogs.AskYesNo("Confirm", "Continue ?"));
  EXPECT_FALSE(dialogs.AskReplace("Replace it?")) << "unanswered: the user's default, No";
  EXPECT_EQ(dialogs.ChooseFile(FileDialogKind::Equipment, FileDialogMemory{}), std::nullopt);
  EXPECT_EQ(printed.str(), "One\nTwo\nContinue ?\nAnswered No: --yes answers Yes.\n");
}

}  // namespace
}  // namespace zarkel
