#include "model/scenario_status.h"

#include "base/latin1_text.h"
#include "base/shown_path.h"
#include "base/utf8_path.h"

namespace zarkel {

namespace {

constexpr const char* kSeparator = " \xC2\xB7 ";  // a middle dot between blanks

}  // namespace

std::string ScenarioStatusText(const ScenarioData& scenario) {
  if (!scenario.layout)
    return std::string();
  const std::size_t units = scenario.units.size();
  return Utf8OrLatin1(Utf8FromPath(PathFromUtf8(scenario.geometry.sourcePath).filename())) +
         kSeparator + LayoutCaption(*scenario.layout) + kSeparator + "map " +
         std::to_string(scenario.geometry.mapSizeA) + " x " +
         std::to_string(scenario.geometry.mapSizeB) + kSeparator + std::to_string(units) +
         (units == 1 ? " unit" : " units");
}

std::string OpenedText(const ScenarioData& scenario) {
  return "Opened \"" +
         Utf8OrLatin1(
             Utf8FromPath(ShownPath(PathFromUtf8(scenario.geometry.sourcePath)).make_preferred())) +
         "\"";
}

}  // namespace zarkel
