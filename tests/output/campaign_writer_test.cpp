#include "output/campaign_writer.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "roster/transfer.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Bytes;
using testing::Layout;
using testing::ReadFileBytes;
using testing::ToBytes;

const LimitTexts kLimitTexts = {"44", "$FF", "5", "6", "7", "8", "9", "10"};
const std::array<std::uint8_t, 8> kLimitsEditOrder = {44, 255, 5, 6, 7, 8, 9, 10};

class CampaignWriterTest : public ::testing::TestWithParam<Layout> {
 protected:
  void SetUp() override {
    wc = testing::MakeWriterCase(GetParam());
    fx.WriteScenario(wc.source, "source.scn");
    if (GetParam() == Layout::Original) {
      testing::WriteFileText(fx.dir / "ssource.tst", "Alpha\r\nBeta\r\n");
      testing::WriteFileText(fx.dir / "source.tit", "Original title");
      testing::WriteFileText(fx.dir / "source.des", std::string(3000, 'd'));
    }
    fx.Open(state, "source.scn", Declared());
    std::filesystem::create_directory(fx.dir / "out");
  }
  ScenarioLayout Declared() const {
    return GetParam() == Layout::Homemade ? ScenarioLayout::Homemade : ScenarioLayout::Original;
  }
  CampaignWriteRequest Request(const std::string& slot, CampaignPage page = CampaignPage::Axis) {
    CampaignWriteRequest r;
    r.page = page;
    r.slotName = slot;
    r.directory = (fx.dir / "out").string();
    r.battleType = 2;
    r.limitTexts = kLimitTexts;
    return r;
  }
  Bytes Out(const std::string& name) { return ReadFileBytes(fx.dir.path() / "out" / name); }

  testing::ScenarioFixture fx;
  testing::WriterCase wc;
  EditorState state;
};

TEST_P(CampaignWriterTest, WritesAnOriginalScenarioAndItsCompanions) {
  WriteCampaignScenario(state, testing::Replacing(), Request("cchina"));
  const Bytes scn = Out("cchina.scn");
  EXPECT_EQ(scn.size(), 294559u);
  EXPECT_EQ(scn, testing::ExpectedScenario(wc.source, Layout::Original, wc.expectedUnits, 2,
                                           testing::FileOrder(kLimitsEditOrder)));
  if (GetParam() == Layout::Homemade) {
    std::string lines;
    for (const auto& name : wc.source.placeNames)
      lines += name + "\r\n";
    EXPECT_EQ(Out("scchina.tst"), ToBytes(lines));
    EXPECT_EQ(Out("cchina.des"), ToBytes(wc.source.description));
    EXPECT_EQ(Out("cchina.tit"), ToBytes(wc.source.title));
  } else {
    EXPECT_EQ(Out("scchina.tst"), ToBytes("Alpha\r\nBeta\r\n"));
    EXPECT_EQ(Out("cchina.des"), ToBytes(std::string(3000, 'd')));
    EXPECT_EQ(Out("cchina.tit"), ToBytes("Original title"));
  }
  EXPECT_EQ(testing::Snapshot(fx.dir / "out").size(), 4u) << "four files, no temporaries";

  // In memory: the committed values and the new order numbers; the rosters are unchanged.
  EXPECT_EQ(state.scenario.battleType, 2);
  EXPECT_EQ(state.scenario.limits[kAxisLandCoreMax], 44);
  EXPECT_EQ(state.scenario.rosters[0].rosterCount(), 3);
}

TEST_P(CampaignWriterTest, TheOutputOpensAgainWithWhatWasWritten) {
  SelectSide(state, SideButtons{true, false});
  TransferToCore(state, {0}, SideButtons{true, false});  // "Axis aux" becomes core
  WriteCampaignScenario(state, testing::Replacing(), Request("midway", CampaignPage::Allied));
  EditorState reread;
  testing::ScriptedDialogs dialogs;
  dialogs.Answer(FileDialogKind::Equipment, std::nullopt);
  dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
  OpenRequest request;
  request.layout = ScenarioLayout::Original;
  request.directory = (fx.dir / "out").string();
  request.fileName = "midway.scn";
  OpenScenario(reread, dialogs, request);
  EXPECT_EQ(reread.scenario.battleType, 2);
  EXPECT_EQ(reread.scenario.limits, (CampaignLimits{44, 255, 5, 6, 7, 8, 9, 10}));
  ASSERT_EQ(reread.scenario.units.size(), 5);
  // Block order: block 0 holds Axis A, Allied, Third; then Axis B (1), Axis aux (2).
  const char* names[] = {"Axis A", "Allied", "Third", "Axis B", "Axis aux"};
  for (int k = 1; k <= 5; ++k)
    EXPECT_EQ(reread.scenario.units.at(k).ShownName(), names[k - 1]);
  EXPECT_EQ(reread.scenario.rosters[0].rosterCount(), 3);
  for (int p = 1; p <= 3; ++p)
    EXPECT_EQ(IsAux(reread.scenario.rosters, 0, p), 0);
}

TEST_P(CampaignWriterTest, WritingTwiceGivesIdenticalFiles) {
  WriteCampaignScenario(state, testing::Replacing(), Request("guadcnl", CampaignPage::Allied));
  const auto first = testing::Snapshot(fx.dir / "out");
  WriteCampaignScenario(state, testing::Replacing(), Request("guadcnl", CampaignPage::Allied));
  EXPECT_EQ(testing::Snapshot(fx.dir / "out"), first);
}

TEST_P(CampaignWriterTest, TheUsersNameNamesTheFourFiles) {
  const WrittenFiles written =
      *WriteCampaignScenario(state, testing::Replacing(), Request("User_Specified_Name"));
  std::vector<std::string> names;
  for (const auto& [name, bytes] : testing::Snapshot(fx.dir / "out"))
    names.push_back(name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"User_Specified_Name.des", "User_Specified_Name.scn",
                                      "User_Specified_Name.tit", "sUser_Specified_Name.tst"}));
  EXPECT_EQ(WrittenFilesLine(written),
            "Wrote User_Specified_Name.scn, sUser_Specified_Name.tst, User_Specified_Name.tit and "
            "User_Specified_Name.des in \"" +
                (fx.dir / "out").string() + "\"");
  EXPECT_TRUE(std::filesystem::exists(fx.dir.path() / "out" / "sUser_Specified_Name.tst"));
}

TEST_P(CampaignWriterTest, CarriedValuesComeFromTheOpeningAndOpaqueBytesFromTheFileNow) {
  // Change bytes of the source after opening, keeping its size.
  Bytes source = ReadFileBytes(fx.dir / "source.scn");
  const auto built = testing::BuildScenario(wc.source);
  const std::size_t block = static_cast<std::size_t>(built.typeOffset + 10426);
  for (std::size_t i = 0; i < 15; ++i)
    source[block + i] ^= 0xFF;
  source[static_cast<std::size_t>(built.tailOffset) + 40] ^= 0xFF;
  testing::WriteFileBytes(fx.dir / "source.scn", source);

  WriteCampaignScenario(state, testing::Replacing(), Request("persia"));
  const Bytes out = Out("persia.scn");
  const std::size_t outBlock = 4 + 37 * 600 + 100 + 10426;
  EXPECT_EQ(out[outBlock + 0], wc.source.carriedValues[0]);
  EXPECT_EQ(out[outBlock + 1], wc.source.carriedValues[1]);
  for (std::size_t i : {2, 3, 4, 5, 6, 9, 10, 11, 12}) {
    EXPECT_EQ(out[outBlock + i], source[block + i]) << "block byte " << i;
  }
  EXPECT_EQ(out[outBlock + 7], 44);
  EXPECT_EQ(out[outBlock + 8], 5);
  EXPECT_EQ(out[outBlock + 13], 255);
  EXPECT_EQ(out[outBlock + 14], 6);
  const std::size_t outTail = out.size() - 132;
  EXPECT_EQ(out[outTail + 40], source[static_cast<std::size_t>(built.tailOffset) + 40]);
  EXPECT_EQ(out[outTail + 32], 7);
  EXPECT_EQ(out[outTail + 51], 10);
}

TEST_P(CampaignWriterTest, ThreeUnitsOfASideLandInBlocksZeroOneAndEighty) {
  WriteCampaignScenario(state, testing::Replacing(), Request("burma42"));
  const Bytes out = Out("burma42.scn");
  const std::size_t u = 4 + 37 * 600 + 100 + 10523;
  const auto empty = testing::EmptySlotBytes();
  for (int block = 0; block < 200; ++block) {
    const Bytes axisSlot = testing::Slice(out, static_cast<std::int64_t>(u + 1308 * block), 218);
    const bool occupied = block == 0 || block == 1 || block == 80;
    EXPECT_EQ(axisSlot == Bytes(empty.begin(), empty.end()), !occupied) << "block " << block;
    for (int slot = 3; slot < 6; ++slot) {
      EXPECT_EQ(testing::Slice(out, static_cast<std::int64_t>(u + 1308 * block + 218 * slot), 218),
                Bytes(empty.begin(), empty.end()));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothSourceLayouts, CampaignWriterTest,
                         ::testing::Values(Layout::Homemade, Layout::Original),
                         [](const auto& info) {
                           return info.param == Layout::Homemade ? "Homemade" : "Original";
                         });

TEST(CampaignSlots, EachPageHasItsThirteenSlots) {
  EXPECT_STREQ(CampaignSlots(CampaignPage::Axis)[0].baseName, "cchina");
  EXPECT_STREQ(CampaignSlots(CampaignPage::Axis)[12].caption, "Persia");
  EXPECT_STREQ(CampaignSlots(CampaignPage::Axis)[12].radioButton, "RadioButton17");
  EXPECT_STREQ(CampaignSlots(CampaignPage::Allied)[3].baseName, "slmnisl");
  EXPECT_STREQ(CampaignSlots(CampaignPage::Allied)[12].baseName, "coronet");
}

}  // namespace
}  // namespace zarkel
