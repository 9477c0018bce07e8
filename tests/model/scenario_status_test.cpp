#include "model/scenario_status.h"

#include <gtest/gtest.h>

namespace zarkel {
namespace {

TEST(ScenarioStatusTest, NamesTheOpenScenarioInUtf8) {
  ScenarioData scenario;
  EXPECT_EQ(ScenarioStatusText(scenario), "");  // nothing open
  scenario.layout = ScenarioLayout::Original;
  scenario.geometry.mapSizeA = 40;
  scenario.geometry.mapSizeB = 30;
  scenario.units.push_back(UnitRecord{});
  const std::string line = " \xC2\xB7 Orvane Original \xC2\xB7 map 40 x 30 \xC2\xB7 1 unit";
  scenario.geometry.sourcePath = "/scn/K\xC3\xA4rnten.scn";
  EXPECT_EQ(ScenarioStatusText(scenario), "K\xC3\xA4rnten.scn" + line);
#ifndef _WIN32
  // A Linux file name may be any bytes; one that is no UTF-8 is taken as Latin-1, so that the
  // line around it stays readable.
  scenario.geometry.sourcePath = "/scn/K\xE4rnten.scn";
  EXPECT_EQ(ScenarioStatusText(scenario), "K\xC3\xA4rnten.scn" + line);
  EXPECT_EQ(OpenedText(scenario), "Opened \"/scn/K\xC3\xA4rnten.scn\"");
#endif
}

}  // namespace
}  // namespace zarkel
