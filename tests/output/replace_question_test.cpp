#include "output/replace_question.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/errors.h"
#include "output/campaign_writer.h"
#include "output/homemade_writer.h"
#include "output/order_of_battle.h"
#include "roster/campaign_edits.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Layout;

const LimitTexts kLimits = {"44", "$FF", "5", "6", "7", "8", "9", "10"};

class ReplaceQuestionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wc = testing::MakeWriterCase(Layout::Homemade);
    fx.WriteScenario(wc.source, "source.scn");
    fx.Open(state, "source.scn", ScenarioLayout::Homemade);
    std::filesystem::create_directory(out);
  }
  CampaignWriteRequest Campaign(const std::string& name) {
    return CampaignWriteRequest{CampaignPage::Axis, name, out.string(), 2, kLimits};
  }
  HomemadeWriteRequest Homemade(const std::string& name) {
    return HomemadeWriteRequest{out.string(), name, 2, kLimits};
  }
  std::string Question(const std::string& files, bool one) {
    return files + (one ? " already exists in \"" : " already exist in \"") + out.string() +
           (one ? "\". Replace it?" : "\". Replace them?");
  }

  testing::ScenarioFixture fx;
  testing::WriterCase wc;
  EditorState state;
  std::filesystem::path out = fx.dir / "out";
};

TEST_F(ReplaceQuestionTest, NoToTheQuestionLeavesEveryFileAsItWasAndTheEditsUnwritten) {
  ASSERT_TRUE(SetScenarioType(state, 0));
  testing::WriteFileText(out / "cchina.tit", "an earlier title");
  testing::WriteFileText(out / "scchina.tst", "earlier places");
  testing::WriteFileText(out / "OB.txt", "an earlier order of battle");
  testing::WriteFileText(out / "home.scn", "an earlier scenario");
  const auto before = testing::Snapshot(out);

  fx.dialogs.AnswerReplace(false);
  EXPECT_FALSE(WriteCampaignScenario(state, fx.dialogs, Campaign("cchina")));
  fx.dialogs.AnswerReplace(false);
  EXPECT_FALSE(WriteOrderOfBattle(state, fx.dialogs, OrderOfBattleRequest{out.string(), "OB"}));
  fx.dialogs.AnswerReplace(false);
  EXPECT_FALSE(WriteHomemadeScenario(state, fx.dialogs, Homemade("home")));

  EXPECT_EQ(testing::Snapshot(out), before);
  EXPECT_TRUE(state.history.HasUnwrittenEdits());
  // Only the files that are there are named, in the order the write makes them.
  EXPECT_EQ(
      fx.dialogs.replaceQuestions,
      (std::vector<std::string>{Question("\"scchina.tst\" and \"cchina.tit\"", false),
                                Question("\"OB.txt\"", true), Question("\"home.scn\"", true)}));
  EXPECT_TRUE(fx.dialogs.questions.empty());
}

TEST_F(ReplaceQuestionTest, YesReplacesTheWholeSetAndNewTargetsAskNothing) {
  testing::WriteFileText(out / "cchina.scn", "an earlier scenario");
  fx.dialogs.AnswerReplace(true);
  ASSERT_TRUE(WriteCampaignScenario(state, fx.dialogs, Campaign("cchina")));
  EXPECT_EQ(testing::ReadFileBytes(out / "cchina.scn"),
            testing::ExpectedScenario(wc.source, Layout::Original, wc.expectedUnits, 2,
                                      testing::FileOrder({44, 255, 5, 6, 7, 8, 9, 10})));
  EXPECT_FALSE(state.history.HasUnwrittenEdits());

  // Targets that are not there: the dialogs fail the test if anything is asked.
  ASSERT_TRUE(WriteCampaignScenario(state, fx.dialogs, Campaign("sechina")));
  ASSERT_TRUE(WriteOrderOfBattle(state, fx.dialogs, OrderOfBattleRequest{out.string(), "OB"}));
  ASSERT_TRUE(WriteHomemadeScenario(state, fx.dialogs, Homemade("home")));
  EXPECT_EQ(fx.dialogs.replaceQuestions.size(), 1u);
}

TEST_F(ReplaceQuestionTest, AFileInUseIsRefusedBeforeAnythingIsAsked) {
  // The opened scenario as the target of a Homemade copy: refused, not asked about.
  EXPECT_THROW(
      WriteHomemadeScenario(state, fx.dialogs,
                            HomemadeWriteRequest{fx.dir.path().string(), "source", 2, kLimits}),
      Refusal);
  EXPECT_TRUE(fx.dialogs.replaceQuestions.empty());
}

TEST_F(ReplaceQuestionTest, ALinkCountsAsThereEvenWhenItLeadsNowhere) {
  std::error_code error;
  std::filesystem::create_symlink(fx.dir / "gone.txt", out / "OB.txt", error);
  if (error)
    GTEST_SKIP() << "no file links here: " << error.message();
  EXPECT_EQ(ExistingTargets(DiskFileSystem(), out, {"OB.txt", "other.txt"}),
            std::vector<std::string>{"OB.txt"});
  fx.dialogs.AnswerReplace(false);
  EXPECT_FALSE(WriteOrderOfBattle(state, fx.dialogs, OrderOfBattleRequest{out.string(), "OB"}));
  EXPECT_TRUE(std::filesystem::is_symlink(out / "OB.txt"));
}

}  // namespace
}  // namespace zarkel
