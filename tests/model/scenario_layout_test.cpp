#include "model/scenario_layout.h"

#include <gtest/gtest.h>

#include "scenario_builder.h"

namespace zarkel {
namespace {

ScenarioGeometry Geometry(int a, int b, int n, int ld = 0, int lt = 0) {
  ScenarioGeometry g;
  g.mapSizeA = static_cast<std::uint8_t>(a);
  g.mapSizeB = static_cast<std::uint8_t>(b);
  g.placeNameCount = static_cast<std::uint8_t>(n);
  g.descriptionLength = static_cast<std::uint16_t>(ld);
  g.titleLength = static_cast<std::uint16_t>(lt);
  return g;
}

TEST(ScenarioLayout, HomemadeWorkedExample) {
  // 12 place names, a 20 x 30 map, a 500-byte description and a 20-byte title.
  const ScenarioGeometry g = Geometry(20, 30, 12, 500, 20);
  EXPECT_EQ(AnchorOffset(g, ScenarioLayout::Homemade), 22668);
  EXPECT_EQ(UnitAreaOffset(g, ScenarioLayout::Homemade), 33715);
  EXPECT_EQ(TailOffset(g, ScenarioLayout::Homemade), 295315);
  EXPECT_EQ(ScenarioFileSize(g, ScenarioLayout::Homemade), 295447);
}

TEST(ScenarioLayout, OffsetsAgreeWithFilesBuiltFromTheFormat) {
  for (const bool homemade : {true, false}) {
    testing::ScenarioPlan plan;
    plan.layout = homemade ? testing::Layout::Homemade : testing::Layout::Original;
    plan.mapSizeA = 20;
    plan.mapSizeB = 30;
    if (homemade) {
      plan.placeNames.assign(12, "Name");
      plan.description = std::string(300, 'd');  // a length above 255 uses both bytes
      plan.title = std::string(20, 't');
    }
    const auto built = testing::BuildScenario(plan);
    const ScenarioLayout layout = homemade ? ScenarioLayout::Homemade : ScenarioLayout::Original;
    const ScenarioGeometry g =
        Geometry(20, 30, homemade ? 12 : 0, homemade ? 300 : 0, homemade ? 20 : 0);
    EXPECT_EQ(AnchorOffset(g, layout), built.typeOffset);
    EXPECT_EQ(UnitAreaOffset(g, layout), built.unitAreaOffset);
    EXPECT_EQ(TailOffset(g, layout), built.tailOffset);
    EXPECT_EQ(ScenarioFileSize(g, layout), static_cast<std::int64_t>(built.bytes.size()));
  }
}

TEST(ScenarioLayout, EmptyMapAndTheEightByteDifferenceOfTheLayouts) {
  const ScenarioGeometry flat = Geometry(0, 30, 0);
  EXPECT_EQ(AnchorOffset(flat, ScenarioLayout::Original), 104);
  EXPECT_EQ(AnchorOffset(flat, ScenarioLayout::Homemade), 108);
  EXPECT_EQ(AnchorOffset(Geometry(30, 0, 2), ScenarioLayout::Homemade), 168);
  // N = 0 and empty texts: the Homemade unit area lies 8 bytes after the Original one.
  const ScenarioGeometry map = Geometry(7, 9, 0);
  const std::int32_t m = 37 * 7 * 9;
  EXPECT_EQ(UnitAreaOffset(map, ScenarioLayout::Original), 10627 + m);
  EXPECT_EQ(UnitAreaOffset(map, ScenarioLayout::Homemade), 10635 + m);
  EXPECT_EQ(ScenarioFileSize(map, ScenarioLayout::Original), 272359 + m);
  // An Original file ignores N and the text lengths the geometry may still hold.
  EXPECT_EQ(ScenarioFileSize(Geometry(7, 9, 5, 100, 100), ScenarioLayout::Original), 272359 + m);
}

TEST(ScenarioLayout, TheLargestScenarioStillFitsSigned32BitOffsets) {
  const ScenarioGeometry g = Geometry(255, 255, 255, 65535, 65535);
  EXPECT_EQ(ScenarioFileSize(g, ScenarioLayout::Homemade),
            272367 + 30 * 255 + 37 * 255 * 255 + 65535 + 65535);
}

}  // namespace
}  // namespace zarkel
