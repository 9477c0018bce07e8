#include "output/writer_checks.h"

#include "base/errors.h"

namespace zarkel {

ScenarioLayout RequireOpenScenario(const ScenarioData& scenario) {
  if (!scenario.layout) {
    throw Refusal(kNoScenarioOpen);
  }
  return *scenario.layout;
}

void RequireUnchangedSource(const ScenarioData& scenario, SourceFile& source) {
  const ScenarioLayout layout = RequireOpenScenario(scenario);
  const std::uint64_t needed =
      static_cast<std::uint64_t>(ScenarioFileSize(scenario.geometry, layout));
  const std::uint64_t size = source.Size();
  if (size < needed) {
    throw Refusal(QuotedPath(source.Path()) + " is now shorter than a scenario of the \"" +
                  LayoutCaption(layout) + "\" layout needs (" + std::to_string(size) +
                  " bytes, it needs " + std::to_string(needed) +
                  "). Open it again before writing.");
  }
  if (size != scenario.sourceSize) {
    throw Refusal(QuotedPath(source.Path()) + " has changed since it was opened (it had " +
                  std::to_string(scenario.sourceSize) + " bytes, it now has " +
                  std::to_string(size) + "). Open it again before writing.");
  }
}

}  // namespace zarkel
