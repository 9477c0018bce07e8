#include "output/homemade_writer.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "writer_fixture.h"

namespace zarkel {
namespace {

using testing::Bytes;
using testing::Layout;
using testing::ReadFileBytes;

const LimitTexts kLimitTexts = {"1", "2", "3", "4", "44", "$FF", "7", "8"};
const std::array<std::uint8_t, 8> kLimitsEditOrder = {1, 2, 3, 4, 44, 255, 7, 8};

class HomemadeWriterTest : public ::testing::Test {
 protected:
  void OpenSource(Layout layout) {
    wc = testing::MakeWriterCase(layout);
    fx.WriteScenario(wc.source, "source.scn");
    fx.Open(state, "source.scn",
            layout == Layout::Homemade ? ScenarioLayout::Homemade : ScenarioLayout::Original);
    std::filesystem::create_directory(fx.dir / "out");
  }
  HomemadeWriteRequest Request(const std::string& name = "User_Specified_Name") {
    HomemadeWriteRequest r;
    r.directory = (fx.dir / "out").string();
    r.name = name;
    r.battleType = 0;
    r.limitTexts = kLimitTexts;
    return r;
  }
  // Companion files of the Original source, named by default after "source.scn".
  void Companions(const std::vector<std::string>& places, const std::string& description,
                  const std::string& title) {
    testing::WriteFileText(fx.dir / "ssource.tst", testing::JoinLines(places));
    testing::WriteFileText(fx.dir / "source.des", description);
    testing::WriteFileText(fx.dir / "source.tit", title);
  }
  Bytes Out(const std::string& name) { return ReadFileBytes(fx.dir.path() / "out" / name); }

  testing::ScenarioFixture fx;
  testing::WriterCase wc;
  EditorState state;
};

TEST_F(HomemadeWriterTest, FromAHomemadeSourceOnlyTypeLimitsAndUnitsChange) {
  OpenSource(Layout::Homemade);
  ASSERT_TRUE(WriteHomemadeScenario(state, fx.dialogs, Request()));
  EXPECT_TRUE(fx.dialogs.questions.empty()) << "no question for a Homemade source";
  const Bytes out = Out("User_Specified_Name.scn");
  const Bytes expected = testing::ExpectedScenario(
      wc.source, Layout::Homemade, wc.expectedUnits, 0, testing::FileOrder(kLimitsEditOrder),
      wc.source.placeNames, wc.source.description, wc.source.title);
  EXPECT_EQ(out, expected);
  const Bytes source = ReadFileBytes(fx.dir / "source.scn");
  EXPECT_EQ(testing::Slice(out, 4, 364), testing::Slice(source, 4, 364))
      << "the place-name count with its opaque bytes and the 12 records";
}

TEST_F(HomemadeWriterTest, FromAnOriginalSourceTheCompanionsMoveInside) {
  OpenSource(Layout::Original);
  const std::string description(300, 'x');
  Companions({"One", std::string(29, 'N'), ""}, description, std::string(200, 't'));
  fx.dialogs.AnswerYesNo(true);
  ASSERT_TRUE(WriteHomemadeScenario(state, fx.dialogs, Request("conv")));
  ASSERT_EQ(fx.dialogs.questions.size(), 1u);
  EXPECT_EQ(fx.dialogs.questions[0].first, "Confirm");
  EXPECT_EQ(fx.dialogs.questions[0].second,
            "Continue ? (answer yes only if the scenario origonally created in the battle "
            "generator)");
  const Bytes out = Out("conv.scn");
  EXPECT_EQ(out, testing::ExpectedScenario(wc.source, Layout::Homemade, wc.expectedUnits, 0,
                                           testing::FileOrder(kLimitsEditOrder),
                                           {"One", std::string(29, 'N'), ""}, description,
                                           std::string(200, 't')));
  EXPECT_EQ(testing::Slice(out, 4, 4), (Bytes{3, 0, 0, 0}));
  EXPECT_EQ(out[98], testing::BuildScenario(wc.source).bytes[4]) << "the map follows at 98";
}

TEST_F(HomemadeWriterTest, PlaceNameCountsAndEmbeddedLengths) {
  OpenSource(Layout::Original);
  struct Case {
    int places;
    std::size_t descriptionSize;
  };
  for (const Case& c : {Case{0, 0}, Case{45, 200}, Case{255, 65535}}) {
    std::vector<std::string> places;
    for (int i = 0; i < c.places; ++i)
      places.push_back("P" + std::to_string(i));
    const std::string description(c.descriptionSize, 'q');
    Companions(places, description, "");
    fx.dialogs.AnswerYesNo(true);
    const std::string name = "n" + std::to_string(c.places);
    WriteHomemadeScenario(state, fx.dialogs, Request(name));
    const Bytes out = Out(name + ".scn");
    EXPECT_EQ(out, testing::ExpectedScenario(wc.source, Layout::Homemade, wc.expectedUnits, 0,
                                             testing::FileOrder(kLimitsEditOrder), places,
                                             description, ""))
        << c.places << " place names";
    EXPECT_EQ(out[4], c.places);
  }
}

TEST_F(HomemadeWriterTest, NoToTheConfirmationTouchesNothing) {
  OpenSource(Layout::Original);
  Companions({"A"}, "d", "t");
  testing::WriteFileText(fx.dir.path() / "out" / "User_Specified_Name.scn", "an earlier file");
  const auto before = testing::Snapshot(fx.dir.path());
  // The file there is to be replaced, but the conversion is then declined.
  fx.dialogs.AnswerReplace(true);
  fx.dialogs.AnswerYesNo(false);
  EXPECT_FALSE(WriteHomemadeScenario(state, fx.dialogs, Request()));
  EXPECT_EQ(testing::Snapshot(fx.dir.path()), before);
}

TEST_F(HomemadeWriterTest, TheOutputOpensAgainWithWhatWasWritten) {
  OpenSource(Layout::Homemade);
  WriteHomemadeScenario(state, fx.dialogs, Request("again"));
  EditorState reread;
  reread.equipment.equipmentLoaded = true;
  OpenRequest request;
  request.layout = ScenarioLayout::Homemade;
  request.directory = (fx.dir / "out").string();
  request.fileName = "again.scn";
  OpenScenario(reread, fx.dialogs, request);
  EXPECT_EQ(reread.scenario.limits, (CampaignLimits{1, 2, 3, 4, 44, 255, 7, 8}));
  EXPECT_EQ(reread.scenario.units.size(), 5);
  EXPECT_EQ(reread.scenario.geometry.placeNameCount, 12);
  EXPECT_EQ(reread.scenario.geometry.descriptionLength, 500);
}

}  // namespace
}  // namespace zarkel
