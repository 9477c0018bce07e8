// Whatever goes wrong, a write leaves the directories exactly as they were: no new file, no
// temporary, and every file that stood at a target before untouched.
#include <cerrno>
#include <map>
#include <regex>

#include <gtest/gtest.h>

#include "base/errors.h"
#include "output/campaign_writer.h"
#include "output/homemade_writer.h"
#include "output/order_of_battle.h"
#include "recording_file_system.h"
#include "roster/transfer.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Layout;
using Step = testing::RecordingFileSystem::Step;
using testing::Snapshot;

const LimitTexts kLimits = {"1", "2", "3", "4", "5", "6", "7", "8"};

class WriterFailureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(fx.dir / "out");
    testing::WriteFileText(fx.dir.path() / "out" / "cchina.scn", "an earlier campaign");
    testing::WriteFileText(fx.dir.path() / "out" / "scchina.tst", "earlier names");
    files.failing = nullptr;
    files.steps.clear();
    state.files = &files;
  }

  // False where links cannot be made (Windows without the privilege).
  static bool LinkDirectory(const std::filesystem::path& target,
                            const std::filesystem::path& link) {
    std::error_code error;
    std::filesystem::create_directory_symlink(target, link, error);
    return !error;
  }

  void OpenSource(Layout layout, const std::string& name = "source.scn") {
    wc = testing::MakeWriterCase(layout);
    fx.WriteScenario(wc.source, name);
    const std::string base = name.substr(0, name.size() - 4);
    testing::WriteFileText(fx.dir / ("s" + base + ".tst"), "Alpha\r\nBeta\r\n");
    testing::WriteFileText(fx.dir / (base + ".tit"), "title");
    testing::WriteFileText(fx.dir / (base + ".des"), "description");
    fx.Open(state, name,
            layout == Layout::Homemade ? ScenarioLayout::Homemade : ScenarioLayout::Original);
  }
  CampaignWriteRequest Campaign(const std::string& slot = "cchina",
                                const std::string& directory = "") {
    return CampaignWriteRequest{CampaignPage::Axis, slot,
                                directory.empty() ? (fx.dir / "out").string() : directory, 1,
                                kLimits};
  }
  HomemadeWriteRequest Homemade(const std::string& name = "home") {
    return HomemadeWriteRequest{(fx.dir / "out").string(), name, 1, kLimits};
  }

  // Runs `write`, expects it to throw E with `text` in its message, and the directory unchanged.
  template <typename E, typename Write>
  void ExpectNothingWritten(Write write, const std::string& text) {
    const auto before = Snapshot(fx.dir.path());
    try {
      write();
      ADD_FAILURE() << "the write succeeded";
    } catch (const E& error) {
      EXPECT_NE(std::string(error.what()).find(text), std::string::npos) << error.what();
    }
    EXPECT_EQ(Snapshot(fx.dir.path()), before);
  }

  testing::ScenarioFixture fx;
  testing::WriterCase wc;
  testing::RecordingFileSystem files;
  EditorState state;
};

TEST_F(WriterFailureTest, AnEmptyNameIsRefusedBeforeAnything) {
  OpenSource(Layout::Original);
  ExpectNothingWritten<Refusal>(
      [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign("")); },
      "Check a campaign slot on the \"Axis Campaign\" page");
  // No question is asked first: the script holds no answer.
  ExpectNothingWritten<Refusal>([&] { WriteHomemadeScenario(state, fx.dialogs, Homemade("")); },
                                "\"File Name\" on the \"Home Made\" page");
  ExpectNothingWritten<Refusal>(
      [&] {
        WriteOrderOfBattle(state, testing::Replacing(),
                           OrderOfBattleRequest{(fx.dir / "out").string(), ""});
      },
      "\"Name of OB file\"");
}

TEST_F(WriterFailureTest, ScenarioWritersRefuseBeforeAnyOpening) {
  ExpectNothingWritten<Refusal>(
      [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign()); },
      "No scenario is open");
  ExpectNothingWritten<Refusal>([&] { WriteHomemadeScenario(state, fx.dialogs, Homemade()); },
                                "No scenario is open");
}

TEST_F(WriterFailureTest, AnOutputOnTheSourceOrItsCompanionsIsRefused) {
  OpenSource(Layout::Original, "cchina.scn");
  ExpectNothingWritten<Refusal>(
      [&] {
        WriteCampaignScenario(state, testing::Replacing(),
                              Campaign("cchina", fx.dir.path().string()));
      },
      "it is the opened scenario");
  // The same directory reached through a link.
  if (LinkDirectory(fx.dir.path(), fx.dir / "link")) {
    ExpectNothingWritten<Refusal>(
        [&] {
          WriteCampaignScenario(state, testing::Replacing(),
                                Campaign("cchina", (fx.dir / "link").string()));
        },
        (fx.dir / "link" / "cchina.scn").string());
  }
  fx.dialogs.AnswerYesNo(true);
  ExpectNothingWritten<Refusal>(
      [&] {
        WriteHomemadeScenario(state, fx.dialogs,
                              HomemadeWriteRequest{fx.dir.path().string(), "cchina", 0, kLimits});
      },
      "it is the opened scenario");

  // Only a companion in the way: the source is elsewhere.
  std::filesystem::create_directory(fx.dir / "src2");
  testing::WriteFileText(fx.dir.path() / "src2" / "x.tit", "other title");
  OpenRequest request = fx.Request("cchina.scn", ScenarioLayout::Original);
  request.titleDefault = false;
  fx.dialogs.Answer(FileDialogKind::Title, (fx.dir.path() / "src2" / "x.tit").string());
  OpenScenario(state, fx.dialogs, request);
  ExpectNothingWritten<Refusal>(
      [&] {
        WriteCampaignScenario(state, testing::Replacing(),
                              Campaign("x", (fx.dir / "src2").string()));
      },
      "the title file of the opened scenario");
}

TEST_F(WriterFailureTest, AnOutputThatIsAFileLinkToTheSourceIsRefused) {
  // Another folder, another name as the directory sees it, and yet the source itself.
  OpenSource(Layout::Original, "cchina.scn");
  std::error_code error;
  for (const char* folder : {"soft", "hard"})
    std::filesystem::create_directory(fx.dir / folder);
  std::filesystem::create_symlink(fx.dir / "cchina.scn", fx.dir.path() / "soft" / "cchina.scn",
                                  error);
  if (!error) {
    std::filesystem::create_hard_link(fx.dir / "cchina.scn", fx.dir.path() / "hard" / "cchina.scn",
                                      error);
  }
  if (error)
    GTEST_SKIP() << "no file links here: " << error.message();
  // Every file below the directory, the source among them, is compared byte for byte.
  for (const char* folder : {"soft", "hard"}) {
    ExpectNothingWritten<Refusal>(
        [&] {
          WriteCampaignScenario(state, testing::Replacing(),
                                Campaign("cchina", (fx.dir / folder).string()));
        },
        (fx.dir.path() / folder / "cchina.scn").string() + "\": it is the opened scenario.");
  }
}

TEST_F(WriterFailureTest, AnOutputOnAMissingCompanionReachedThroughALinkIsRefused) {
  // The title file chosen at opening is gone since; an output at its place, reached through a
  // directory link, is still refused: the file system cannot tell the two are one.
  std::filesystem::create_directory(fx.dir / "src2");
  if (!LinkDirectory(fx.dir / "src2", fx.dir / "link2"))
    GTEST_SKIP() << "no directory links here";
  OpenSource(Layout::Original);
  testing::WriteFileText(fx.dir.path() / "src2" / "x.tit", "other title");
  OpenRequest request = fx.Request("source.scn", ScenarioLayout::Original);
  request.titleDefault = false;
  fx.dialogs.Answer(FileDialogKind::Title, (fx.dir.path() / "src2" / "x.tit").string());
  OpenScenario(state, fx.dialogs, request);
  std::filesystem::remove(fx.dir.path() / "src2" / "x.tit");
  ExpectNothingWritten<Refusal>(
      [&] {
        WriteCampaignScenario(state, testing::Replacing(),
                              Campaign("x", (fx.dir / "link2").string()));
      },
      "the title file of the opened scenario");
}

TEST_F(WriterFailureTest, TheAlliedPageCopiesTheCompanionsChosenAtOpening) {
  OpenSource(Layout::Original);
  testing::WriteFileText(fx.dir / "picked.tst", "Picked\r\n");
  OpenRequest request = fx.Request("source.scn", ScenarioLayout::Original);
  request.placenameDefault = false;
  fx.dialogs.Answer(FileDialogKind::Placenames, (fx.dir / "picked.tst").string());
  OpenScenario(state, fx.dialogs, request);
  CampaignWriteRequest allied = Campaign("midway");
  allied.page = CampaignPage::Allied;
  WriteCampaignScenario(state, testing::Replacing(), allied);
  EXPECT_EQ(testing::ReadFileBytes(fx.dir.path() / "out" / "smidway.tst"),
            testing::ToBytes("Picked\r\n"));
  EXPECT_EQ(testing::ReadFileBytes(fx.dir.path() / "out" / "midway.tit"),
            testing::ToBytes("title"));
}

TEST_F(WriterFailureTest, AChangedOrShortenedSourceIsRefused) {
  OpenSource(Layout::Homemade);
  auto bytes = testing::ReadFileBytes(fx.dir / "source.scn");
  bytes.push_back(0);
  testing::WriteFileBytes(fx.dir / "source.scn", bytes);
  ExpectNothingWritten<Refusal>(
      [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign()); },
      "has changed since it was opened");
  bytes.resize(bytes.size() - 1000);
  testing::WriteFileBytes(fx.dir / "source.scn", bytes);
  ExpectNothingWritten<Refusal>([&] { WriteHomemadeScenario(state, fx.dialogs, Homemade()); },
                                "is now shorter");
  std::filesystem::remove(fx.dir / "source.scn");
  ExpectNothingWritten<IoError>(
      [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign()); }, "File not found");
}

TEST_F(WriterFailureTest, MissingCompanionsAndMissingDirectories) {
  OpenSource(Layout::Original);
  std::filesystem::remove(fx.dir / "source.des");
  ExpectNothingWritten<IoError>(
      [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign()); },
      "File not found: \"" + (fx.dir / "source.des").string() + "\"");
  fx.dialogs.AnswerYesNo(true);
  ExpectNothingWritten<IoError>([&] { WriteHomemadeScenario(state, fx.dialogs, Homemade()); },
                                "File not found");
  testing::WriteFileText(fx.dir / "source.des", "back");
  ExpectNothingWritten<Refusal>(
      [&] {
        WriteCampaignScenario(state, testing::Replacing(),
                              Campaign("cchina", (fx.dir / "nowhere").string()));
      },
      "The folder \"" + (fx.dir / "nowhere").string() + "\" does not exist");
  // Said before the question: nothing is asked of a write that cannot go ahead.
  ExpectNothingWritten<Refusal>(
      [&] {
        WriteHomemadeScenario(state, fx.dialogs,
                              HomemadeWriteRequest{(fx.dir / "nowhere").string(), "x", 1, kLimits});
      },
      "The folder \"" + (fx.dir / "nowhere").string() + "\" does not exist");
}

TEST_F(WriterFailureTest, ANameThatIsAPathIsRefusedBeforeAnything) {
  OpenSource(Layout::Original);
  std::vector<std::string> names = {"../escaped", "sub/x", "/tmp/abs"};
#ifdef _WIN32
  names.insert(names.end(), {"..\\escaped", "C:x"});
#endif
  std::filesystem::create_directory(fx.dir / "out" / "sub");
  for (const std::string& name : names) {
    const std::string held(1, name[name.find_first_of("/\\:")]);
    auto message = [&](const std::string& field) {
      // "C:x" names a drive on Windows, but what refuses it first is the character itself.
      if (held == ":")
        return "The name \"" + name + "\" given in " + field +
               " holds \":\", which Windows does not allow in a file name. Nothing was written.";
      return "The name \"" + name + "\" given in " + field + " holds \"" + held +
             "\": type a file name without a folder. Nothing was written.";
    };
    ExpectNothingWritten<Refusal>(
        [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign(name)); },
        message("the name box on the \"Axis Campaign\" page"));
    ExpectNothingWritten<Refusal>([&] { WriteHomemadeScenario(state, fx.dialogs, Homemade(name)); },
                                  message("\"File Name\" on the \"Home Made\" page"));
    ExpectNothingWritten<Refusal>(
        [&] {
          WriteOrderOfBattle(state, testing::Replacing(),
                             OrderOfBattleRequest{(fx.dir / "out").string(), name});
        },
        message("\"Name of OB file\" on the \"OB's\" page"));
  }
}

TEST_F(WriterFailureTest, ARenameFailingAtAnyStepPutsBackEveryFileOfTheSet) {
  // Two of the four targets hold earlier files (cchina.scn, scchina.tst), two are new.
  OpenSource(Layout::Homemade);
  for (int failing = 0; failing < 5; ++failing) {
    int step = 0;
    files.failing = [&](const Step& made) {
      if (made.kind != Step::Kind::Rename && made.kind != Step::Kind::FolderSync)
        return 0;
      return step++ == failing ? EIO : 0;  // the four renames, then the directory's flush
    };
    ExpectNothingWritten<IoError>(
        [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign()); }, "I/O error");
  }
  // Until the set is in place, each earlier file is kept beside its target under a name that
  // says what it is; then it goes.
  std::map<std::string, std::string> kept;
  files.failing = [&](const Step& made) {
    if (made.kind != Step::Kind::FolderSync)
      return 0;
    for (const auto& [name, bytes] : testing::Snapshot(fx.dir / "out")) {
      const std::regex earlier(R"(\.(.+)\.zarkel-earlier-[0-9a-f]{12}\.bak)");
      std::smatch match;
      if (std::regex_match(name, match, earlier))
        kept[match[1]] = std::string(bytes.begin(), bytes.end());
    }
    return 0;
  };
  WriteCampaignScenario(state, testing::Replacing(), Campaign());
  EXPECT_EQ(kept, (std::map<std::string, std::string>{{"cchina.scn", "an earlier campaign"},
                                                      {"scchina.tst", "earlier names"}}));
  EXPECT_EQ(testing::Snapshot(fx.dir / "out").size(), 4u) << "no earlier file is left behind";
}

TEST_F(WriterFailureTest, ALimitThatIsNotANumberWritesNothing) {
  OpenSource(Layout::Homemade);
  CampaignWriteRequest request = Campaign();
  request.limitTexts[5] = "many";
  ExpectNothingWritten<ConversionError>(
      [&] { WriteCampaignScenario(state, testing::Replacing(), request); },
      "'many' is not a valid integer value");
  HomemadeWriteRequest home = Homemade();
  home.limitTexts[0] = "";
  ExpectNothingWritten<ConversionError>([&] { WriteHomemadeScenario(state, fx.dialogs, home); },
                                        "'' is not a valid integer value");
}

TEST_F(WriterFailureTest, ASideTooLargeForTheFileIsRefused) {
  testing::ScenarioPlan plan;
  for (int i = 0; i < 120; ++i) {
    testing::UnitPlan u;
    u.orderNumber = static_cast<std::uint8_t>(80 + i);
    plan.Place(u);
  }
  for (int i = 0; i < 80; ++i) {
    testing::UnitPlan u;
    u.orderNumber = static_cast<std::uint8_t>(i);
    plan.Place(u);
  }
  fx.WriteScenario(plan, "full.scn");
  for (const char* companion : {"sfull.tst", "full.tit", "full.des"}) {
    testing::WriteFileText(fx.dir / companion, "");
  }
  fx.Open(state, "full.scn", ScenarioLayout::Original);
  state.scenario.rosters[0].pairs.at(100).auxFlag = 0;  // as a file with odd numbers could give
  ExpectNothingWritten<Refusal>(
      [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign()); }, "81 core units");
}

TEST_F(WriterFailureTest, CompanionsThatDoNotFitAHomemadeScenarioAreRefused) {
  OpenSource(Layout::Original);
  testing::WriteFileText(fx.dir / "ssource.tst", "ok\r\n" + std::string(30, 'L') + "\r\n");
  fx.dialogs.AnswerYesNo(true);
  ExpectNothingWritten<Refusal>([&] { WriteHomemadeScenario(state, fx.dialogs, Homemade()); },
                                "Line 2");
  testing::WriteFileText(fx.dir / "ssource.tst", "ok\r\n");
  testing::WriteFileText(fx.dir / "source.tit", std::string(65536, 't'));
  fx.dialogs.AnswerYesNo(true);
  ExpectNothingWritten<Refusal>([&] { WriteHomemadeScenario(state, fx.dialogs, Homemade()); },
                                "65535");
}

TEST_F(WriterFailureTest, EachOutputIsOnTheDiskBeforeItsRenameAndAFailureThereChangesNothing) {
  OpenSource(Layout::Homemade);
  WriteCampaignScenario(state, testing::Replacing(), Campaign());
  std::vector<std::string> steps;
  for (const Step& made : files.steps) {
    const char* kNames[] = {nullptr, "flush ", "rename ", "flush directory "};
    if (made.kind != Step::Kind::Append)
      steps.push_back(kNames[static_cast<int>(made.kind)] + made.target.filename().string());
  }
  EXPECT_EQ(steps, (std::vector<std::string>{
                       "flush cchina.tit", "flush cchina.des", "flush scchina.tst",
                       "flush cchina.scn", "rename cchina.tit", "rename cchina.des",
                       "rename scchina.tst", "rename cchina.scn", "flush directory out"}));

  // The disk refuses the last flush, or the first rename after every flush; the earlier files
  // at the targets stay as they were.
  SetUp();
  for (const auto& [failing, target] :
       {std::pair{Step::Kind::Sync, "cchina.scn"}, std::pair{Step::Kind::Rename, "cchina.tit"}}) {
    files.failing = [failing = failing, target = target](const Step& made) {
      return made.kind == failing && made.target.filename() == target ? EIO : 0;
    };
    ExpectNothingWritten<IoError>(
        [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign()); }, "I/O error");
  }
}

TEST_F(WriterFailureTest, AFailureInTheMiddleOfTheUnitAreaOrAFullDisk) {
  OpenSource(Layout::Homemade);
  for (const int error : {EIO, ENOSPC}) {
    int scenarioWrites = 0;
    files.failing = [&](const Step& made) {
      // Fail the 100th unit block written to the scenario.
      if (made.kind == Step::Kind::Append && made.target.extension() == ".scn" &&
          made.count == 1308 && made.offset > 30000 && ++scenarioWrites == 100) {
        return error;
      }
      return 0;
    };
    ExpectNothingWritten<IoError>(
        [&] { WriteCampaignScenario(state, testing::Replacing(), Campaign()); },
        error == ENOSPC ? "Disk full" : "I/O error");
    scenarioWrites = 0;
    ExpectNothingWritten<IoError>([&] { WriteHomemadeScenario(state, fx.dialogs, Homemade()); },
                                  error == ENOSPC ? "Disk full" : "I/O error");
    files.failing = [&](const Step& made) {
      return made.kind == Step::Kind::Append && made.offset > 100 ? error : 0;
    };
    ExpectNothingWritten<IoError>(
        [&] {
          WriteOrderOfBattle(state, testing::Replacing(),
                             OrderOfBattleRequest{(fx.dir / "out").string(), "cchina"});
        },
        error == ENOSPC ? "Disk full" : "I/O error");
    files.failing = nullptr;
  }
}

}  // namespace
}  // namespace zarkel
