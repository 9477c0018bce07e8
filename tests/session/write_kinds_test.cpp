#include "session/write_kinds.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/errors.h"
#include "session/session.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Layout;

// Each kind of the table written through the one door, from an opened scenario with an edit
// made: it writes the files its row names (which the name rule measures), and counts the edits
// as written exactly when its row says it writes the scenario.
TEST(WriteKindsTest, EveryKindWritesTheFilesOfItsRowAndMarksTheEditsAsItsRowSays) {
  testing::ScenarioFixture fx;
  fx.WriteScenario(testing::MakeWriterCase(Layout::Homemade).source, "source.scn");
  Session session(fx.dialogs);
  DialogAnswers answers;
  answers.files = {{FileDialogKind::Equipment, fx.equipmentPath},
                   {FileDialogKind::EquipmentNames, fx.namesPath}};
  ASSERT_TRUE(session.Open(fx.Request("source.scn", ScenarioLayout::Homemade), answers).opened);

  for (const WriteKindRow& row : WriteKinds()) {
    SCOPED_TRACE(row.key);
    const std::filesystem::path out = fx.dir / (std::string("out-") + row.key);
    std::filesystem::create_directory(out);
    // A limit no row has set before, so that there is an edit to write.
    ASSERT_TRUE(session.SetLimit(kAxisCoreMax, std::to_string(20 + static_cast<int>(row.kind))));
    ASSERT_TRUE(session.HasUnwrittenEdits());

    const std::optional<WrittenFiles> written =
        session.Write({row.kind, out.string(), "plain", CampaignPage::Allied});
    ASSERT_TRUE(written);
    EXPECT_EQ(written->names, row.fileNames("plain"));
    for (const std::string& name : row.fileNames("plain"))
      EXPECT_TRUE(std::filesystem::is_regular_file(out / name)) << name;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out), {}),
              static_cast<std::ptrdiff_t>(written->names.size()));
    EXPECT_EQ(session.HasUnwrittenEdits(), !row.writesScenario);

    // The page names the kind by its key, zarkel-cli by its command and flag.
    EXPECT_EQ(WriteKindByKey(row.key), row.kind);
    std::vector<std::string> flags;
    if (row.commandFlag != nullptr)
      flags.emplace_back(row.commandFlag);
    EXPECT_EQ(WriteKindOfCommand(row.command, flags), row.kind);
  }
  EXPECT_FALSE(WriteKindByKey("OB"));
  EXPECT_FALSE(WriteKindOfCommand("check", {}));
}

// With no scenario open, a kind that writes the scenario is refused before it writes anything;
// any other writes what it can and has the note that says what that is.
TEST(WriteKindsTest, WithNothingOpenOnlyTheKindsThatDoNotWriteTheScenarioWrite) {
  testing::ScenarioFixture fx;
  Session session(fx.dialogs);
  for (const WriteKindRow& row : WriteKinds()) {
    SCOPED_TRACE(row.key);
    const std::filesystem::path out = fx.dir / (std::string("out-") + row.key);
    std::filesystem::create_directory(out);
    const WriteRequest request{row.kind, out.string(), "plain", CampaignPage::Axis};
    if (row.writesScenario) {
      EXPECT_THROW(session.Write(request), Refusal);
      EXPECT_TRUE(std::filesystem::is_empty(out));
    } else {
      EXPECT_TRUE(session.Write(request));
      EXPECT_NE(row.holdsWithNothingOpen, nullptr);
    }
  }
}

}  // namespace
}  // namespace zarkel
