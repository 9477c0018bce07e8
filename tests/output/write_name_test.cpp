// The one rule for the names a write is given, and its place in each writer: before the files in
// use and before the replace question, so that a refused name writes, asks and replaces nothing.
#include "output/write_name.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "base/errors.h"
#include "output/campaign_writer.h"
#include "output/files_in_use.h"
#include "output/homemade_writer.h"
#include "output/order_of_battle.h"
#include "temp_dir.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Layout;

std::string Fault(const std::string& name) {
  return WriteNameFault(name, CampaignFileNames(name)).value_or("accepted");
}

TEST(WriteName, RefusesWhatWindowsCannotHoldAndSaysWhy) {
  EXPECT_EQ(Fault("../escaped"), "holds \"/\": type a file name without a folder");
  EXPECT_EQ(Fault("a\\b"), "holds \"\\\": type a file name without a folder");
  for (const char c : std::string("<>:\"|?*")) {
    EXPECT_EQ(Fault(std::string("a") + c + "b"),
              std::string("holds \"") + c + "\", which Windows does not allow in a file name");
  }
  EXPECT_EQ(Fault("two\nlines"),
            "holds the control character 0x0A, which Windows does not allow in a file name");
  EXPECT_EQ(Fault(std::string("nul\0byte", 8)),
            "holds the control character 0x00, which Windows does not allow in a file name");
  EXPECT_EQ(Fault("del\x7F"),
            "holds the control character 0x7F, which Windows does not allow in a file name");
  EXPECT_EQ(Fault("."), "stands for a folder, not a file");
  EXPECT_EQ(Fault(".."), "stands for a folder, not a file");
  EXPECT_EQ(Fault("name."), "ends in a dot, which Windows drops from a file name");
  EXPECT_EQ(Fault("name "), "ends in a space, which Windows drops from a file name");
  EXPECT_EQ(Fault("...."), "ends in a dot, which Windows drops from a file name");
}

TEST(WriteName, RefusesDeviceNamesBeforeTheFirstDotInAnyCase) {
  for (const char* device : {"CON", "con", "Prn", "aux", "NUL", "com1", "COM9", "lpt1", "LpT9",
                             "COM\xC2\xB9", "lpt\xC2\xB3"}) {
    EXPECT_NE(Fault(device).find("a name Windows keeps for a device"), std::string::npos) << device;
  }
  EXPECT_EQ(Fault("con"), "is a name Windows keeps for a device (CON)");
  EXPECT_EQ(Fault("nul .old"),
            "has \"nul \" before its first dot, a name Windows keeps for a device "
            "(NUL)");
  EXPECT_EQ(Fault("Aux.old"),
            "has \"Aux\" before its first dot, a name Windows keeps for a device "
            "(AUX)");
  // Only the whole part before the first dot counts.
  for (const char* name : {"console", "com0", "com10", "lpt", "xcon", "con_1", "my.con", ".con",
                           "k\xC3\xA4rdel", "a b", "c'est"})
    EXPECT_EQ(Fault(name), "accepted") << name;
}

TEST(WriteName, RefusesANameTooLongForTheLongestFileTheWriteMakes) {
  // The campaign write makes "s" + NAME + ".tst", five bytes more than the name.
  EXPECT_EQ(Fault(std::string(250, 'n')), "accepted");
  EXPECT_EQ(Fault(std::string(251, 'n')),
            "is too long: the longest file it makes would have a name of 256 bytes, and a file "
            "name may have 255");
  // Bytes of UTF-8 are counted, not characters.
  std::string umlauts;
  for (int i = 0; i < 126; ++i)
    umlauts += "\xC3\xA4";
  EXPECT_NE(Fault(umlauts), "accepted");
  umlauts.resize(250);
  EXPECT_EQ(Fault(umlauts), "accepted");
  // The order of battle makes NAME + ".txt".
  EXPECT_FALSE(
      WriteNameFault(std::string(251, 'n'), OrderOfBattleFileNames(std::string(251, 'n'))));
  EXPECT_TRUE(WriteNameFault(std::string(252, 'n'), HomemadeFileNames(std::string(252, 'n'))));
}

TEST(WriteName, TheRefusalNamesTheNameAndWhereItWasGiven) {
  try {
    RequireWriteName("a\tb", "given in --name", {"a\tb.txt"});
    FAIL();
  } catch (const Refusal& refusal) {
    EXPECT_STREQ(refusal.what(),
                 "The name \"a\\x09b\" given in --name holds the control character 0x09, which "
                 "Windows does not allow in a file name. Nothing was written.");
  }
}

class WriteNameWritersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wc = testing::MakeWriterCase(Layout::Homemade);
    fx.WriteScenario(wc.source, "source.scn");
    fx.Open(state, "source.scn", ScenarioLayout::Homemade);
    std::filesystem::create_directory(out);
  }
  std::string Refused(const std::function<void()>& write) {
    try {
      write();
    } catch (const Refusal& refusal) {
      return refusal.what();
    }
    return "written";
  }

  testing::ScenarioFixture fx;
  testing::WriterCase wc;
  EditorState state;
  std::filesystem::path out = fx.dir / "out";
};

TEST_F(WriteNameWritersTest, EachWriterRefusesTheNameBeforeItAsksOrWrites) {
  // Files of each name are there where the system can hold them (Windows holds none of these),
  // so that a write that went on would ask to replace them; the scripted dialogs fail the test if
  // anything is asked.
  const LimitTexts limits = state.scenario.entries.limitTexts;
  for (const std::string name : {"con", "a:b", "..", "x.", "a\nb"}) {
#ifndef _WIN32
    testing::WriteFileText(out / (name + ".scn"), "there");
    testing::WriteFileText(out / (name + ".txt"), "there");
#endif
    const auto before = testing::Snapshot(out);
    EXPECT_EQ(Refused([&] {
                WriteCampaignScenario(state, fx.dialogs,
                                      {CampaignPage::Axis, name, out.string(), 2, limits});
              }).rfind("The name ", 0),
              0u)
        << name;
    EXPECT_NE(Refused([&] {
                WriteOrderOfBattle(state, fx.dialogs, OrderOfBattleRequest{out.string(), name});
              }).find("\"Name of OB file\""),
              std::string::npos)
        << name;
    EXPECT_NE(Refused([&] {
                WriteHomemadeScenario(state, fx.dialogs,
                                      HomemadeWriteRequest{out.string(), name, 2, limits});
              }).find("Nothing was written."),
              std::string::npos)
        << name;
    EXPECT_EQ(testing::Snapshot(out), before) << name;
  }
  EXPECT_EQ(Refused([&] {
              WriteCampaignScenario(state, fx.dialogs,
                                    {CampaignPage::Allied, "a|b", out.string(), 2, limits});
            }),
            "The name \"a|b\" given in the name box on the \"Allied Campaign\" page holds \"|\", "
            "which Windows does not allow in a file name. Nothing was written.");
  EXPECT_TRUE(fx.dialogs.replaceQuestions.empty());
  EXPECT_TRUE(fx.dialogs.questions.empty());
  // A name a write takes is written as it was given.
  ASSERT_TRUE(WriteOrderOfBattle(state, fx.dialogs, OrderOfBattleRequest{out.string(), "con1"}));
  EXPECT_TRUE(std::filesystem::exists(out / "con1.txt"));
}

TEST_F(WriteNameWritersTest, AFileChosenWholeFollowsTheRuleToo) {
  // The map's picture: a file chosen in a dialog, not a name typed.
  EXPECT_EQ(
      Refused([&] { CheckWriteTargets(DiskFileSystem(), {out / "prn.png"}, FilesInUse(state)); }),
      "The name \"prn.png\" of the file to write has \"prn\" before its first dot, a name "
      "Windows keeps for a device (PRN). Nothing was written.");
  EXPECT_EQ(
      Refused([&] { CheckWriteTargets(DiskFileSystem(), {out / "map.png"}, FilesInUse(state)); }),
      "written");
}

}  // namespace
}  // namespace zarkel
