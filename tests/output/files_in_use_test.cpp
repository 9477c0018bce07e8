// No write puts its bytes in place of a file the editor works from: each writer is run with its
// target on each file in use, and must refuse before asking or writing anything.
#include "output/files_in_use.h"

#include <map>

#include <gtest/gtest.h>

#include "base/errors.h"
#include "load/equipment_load.h"
#include "output/campaign_writer.h"
#include "output/homemade_writer.h"
#include "output/order_of_battle.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Snapshot;

enum class Kind { Scenario, Placenames, Title, Description, Equipment, Names };

struct InUse {
  Kind kind;
  const char* what;
};

const InUse kFilesInUse[] = {
    {Kind::Scenario, "the opened scenario"},
    {Kind::Placenames, "the place-name file of the opened scenario"},
    {Kind::Title, "the title file of the opened scenario"},
    {Kind::Description, "the description file of the opened scenario"},
    {Kind::Equipment, "the equipment file in use"},
    {Kind::Names, "the equipment-name file in use"},
};

const LimitTexts kLimits = {"1", "2", "3", "4", "5", "6", "7", "8"};

class FilesInUseTest : public ::testing::Test {
 protected:
  FilesInUseTest() {
    std::filesystem::create_directory(fx.dir / "src");
    std::filesystem::create_directory(fx.dir / "out");
  }

  std::filesystem::path Out(const std::string& name) const { return fx.dir.path() / "out" / name; }

  // Opens an Original scenario whose six files lie in "src" under names of their own, but for the
  // file of `kind`, which lies at `at`. Companions and equipment are picked in their dialogs.
  void OpenWithFileAt(Kind kind, const std::filesystem::path& at) {
    state.equipment.equipmentLoaded = false;  // the open asks for both files again
    const std::filesystem::path src = fx.dir.path() / "src";
    auto place = [&](Kind k, const char* name) { return k == kind ? at : src / name; };
    const std::filesystem::path scenario = place(Kind::Scenario, "war.scn");
    testing::WriteFileBytes(
        scenario,
        testing::BuildScenario(testing::MakeWriterCase(testing::Layout::Original).source).bytes);
    const std::pair<Kind, std::pair<const char*, std::string>> texts[] = {
        {Kind::Placenames, {"names.tst", "Ford\r\n"}},
        {Kind::Title, {"war.tit", "title"}},
        {Kind::Description, {"war.des", "description"}},
        {Kind::Names, {"gear.txt", testing::JoinLines(testing::StandardNames())}},
    };
    std::map<Kind, std::string> paths;
    for (const auto& [k, file] : texts) {
      paths[k] = place(k, file.first).string();
      testing::WriteFileText(paths[k], file.second);
    }
    paths[Kind::Equipment] = place(Kind::Equipment, "gear.eqp").string();
    testing::WriteFileBytes(paths[Kind::Equipment],
                            testing::BuildEquipmentFile(testing::StandardClasses()));

    fx.dialogs.Answer(FileDialogKind::Equipment, paths[Kind::Equipment]);
    fx.dialogs.Answer(FileDialogKind::EquipmentNames, paths[Kind::Names]);
    fx.dialogs.Answer(FileDialogKind::Placenames, paths[Kind::Placenames]);
    fx.dialogs.Answer(FileDialogKind::Title, paths[Kind::Title]);
    fx.dialogs.Answer(FileDialogKind::Description, paths[Kind::Description]);
    OpenRequest request;
    request.layout = ScenarioLayout::Original;
    request.directory = scenario.parent_path().string();
    request.fileName = scenario.filename().string();
    request.placenameDefault = request.titleDefault = request.descriptionDefault = false;
    ASSERT_TRUE(OpenScenario(state, fx.dialogs, request).opened);
  }

  // Runs `write` with `target` on the file in use, which it must refuse naming both, before any
  // question and without changing a byte anywhere below the test's folder.
  template <typename Write>
  void ExpectRefused(const InUse& inUse, const std::filesystem::path& target, Write write) {
    OpenWithFileAt(inUse.kind, target);
    const auto before = Snapshot(fx.dir.path());
    try {
      write();
      ADD_FAILURE() << "written over " << inUse.what;
    } catch (const Refusal& refusal) {
      EXPECT_EQ(std::string(refusal.what()), "Cannot write \"" + target.string() + "\": it is " +
                                                 inUse.what + ". Choose another name or folder.");
    }
    EXPECT_EQ(Snapshot(fx.dir.path()), before) << inUse.what;
    EXPECT_TRUE(fx.dialogs.questions.empty()) << "asked before refusing " << inUse.what;
  }

  testing::ScenarioFixture fx;
  EditorState state;
};

TEST_F(FilesInUseTest, TheCampaignSetRefusesEveryFileInUse) {
  // Each file in use stands at another of the four targets in turn.
  const std::vector<std::string> targets = {"camp.scn", "scamp.tst", "camp.tit", "camp.des"};
  std::size_t turn = 0;
  for (const InUse& inUse : kFilesInUse) {
    ExpectRefused(inUse, Out(targets[turn++ % targets.size()]), [&] {
      WriteCampaignScenario(state, testing::Replacing(),
                            CampaignWriteRequest{CampaignPage::Allied, "camp",
                                                 (fx.dir / "out").string(), 1, kLimits});
    });
  }
}

TEST_F(FilesInUseTest, TheHomemadeCopyRefusesEveryFileInUseBeforeItsQuestion) {
  for (const InUse& inUse : kFilesInUse) {
    ExpectRefused(inUse, Out("copy.scn"), [&] {
      WriteHomemadeScenario(state, fx.dialogs,
                            HomemadeWriteRequest{(fx.dir / "out").string(), "copy", 1, kLimits});
    });
  }
}

TEST_F(FilesInUseTest, TheOrderOfBattleRefusesEveryFileInUse) {
  for (const InUse& inUse : kFilesInUse) {
    ExpectRefused(inUse, Out("ob.txt"), [&] {
      WriteOrderOfBattle(state, testing::Replacing(),
                         OrderOfBattleRequest{(fx.dir / "out").string(), "ob"});
    });
  }
}

TEST_F(FilesInUseTest, TheListFollowsTheFilesActuallyRead) {
  using Listed = std::vector<std::pair<std::string, std::string>>;
  auto listed = [this] {
    Listed files;
    for (const FileInUse& file : FilesInUse(state))
      files.emplace_back(file.path.string(), file.what);
    return files;
  };
  EXPECT_EQ(listed(), Listed{}) << "nothing read yet";

  // A cancelled dialog reads nothing; a Homemade scenario has no companion files.
  fx.dialogs.Answer(FileDialogKind::Equipment, fx.equipmentPath);
  fx.dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
  fx.WriteScenario(testing::MakeWriterCase(testing::Layout::Homemade).source, "home.scn");
  OpenScenario(state, fx.dialogs, fx.Request("home.scn", ScenarioLayout::Homemade));
  EXPECT_EQ(listed(), (Listed{{(fx.dir / "home.scn").string(), "the opened scenario"},
                              {fx.equipmentPath, "the equipment file in use"}}));

  // A reload replaces each file it reads; the file of a cancelled dialog stays, as its data do.
  const std::string otherNames = (fx.dir / "other.txt").string();
  testing::WriteFileText(otherNames, "Tank\r\n");
  fx.dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
  fx.dialogs.Answer(FileDialogKind::EquipmentNames, otherNames);
  ReloadEquipment(state, fx.dialogs);
  EXPECT_EQ(listed(), (Listed{{(fx.dir / "home.scn").string(), "the opened scenario"},
                              {fx.equipmentPath, "the equipment file in use"},
                              {otherNames, "the equipment-name file in use"}}));
}

TEST_F(FilesInUseTest, AMissingFolderOrATargetThatIsAFolderIsSaidSo) {
  OpenWithFileAt(Kind::Scenario, fx.dir.path() / "src" / "war.scn");
  const auto before = Snapshot(fx.dir.path());
  std::filesystem::create_directory(Out("ob.txt"));
  const std::pair<OrderOfBattleRequest, std::string> cases[] = {
      {{(fx.dir / "nosuchdir").string(), "ob"},
       "The folder \"" + (fx.dir / "nosuchdir").string() + "\" does not exist"},
      {{(fx.dir / "out").string(), "ob"},
       "\"" + Out("ob.txt").string() + "\" is a folder, not a file"},
  };
  for (const auto& [request, message] : cases) {
    try {
      WriteOrderOfBattle(state, testing::Replacing(), request);
      ADD_FAILURE() << message;
    } catch (const Refusal& refusal) {
      EXPECT_EQ(std::string(refusal.what()), message);
    }
  }
  std::filesystem::remove(Out("ob.txt"));
  EXPECT_EQ(Snapshot(fx.dir.path()), before);
}

}  // namespace
}  // namespace zarkel
