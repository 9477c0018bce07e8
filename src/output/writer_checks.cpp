#include "output/writer_checks.h"

#include <system_error>

#include "base/errors.h"
#include "base/output_file.h"

namespace zarkel {

namespace {

std::string Quoted(const std::filesystem::path& path) {
  return "\"" + path.string() + "\"";
}

bool SamePlace(const std::filesystem::path& a, const std::filesystem::path& b) {
  if (SameExistingFile(a, b))
    return true;
  std::error_code errorA;
  std::error_code errorB;
  const auto canonicalA = std::filesystem::weakly_canonical(a, errorA);
  const auto canonicalB = std::filesystem::weakly_canonical(b, errorB);
  if (errorA || errorB)
    return a.lexically_normal() == b.lexically_normal();
  return canonicalA == canonicalB;
}

}  // namespace

ScenarioLayout RequireOpenScenario(const ScenarioData& scenario) {
  if (!scenario.layout) {
    throw Refusal("No scenario is open. Open one on the \"Open File\" page first.");
  }
  return *scenario.layout;
}

void RequireUnchangedSource(const ScenarioData& scenario, SourceFile& source) {
  const ScenarioLayout layout = RequireOpenScenario(scenario);
  const std::uint64_t needed =
      static_cast<std::uint64_t>(ScenarioFileSize(scenario.geometry, layout));
  const std::uint64_t size = source.Size();
  if (size < needed) {
    throw Refusal(Quoted(source.Path()) + " is now shorter than a scenario of the \"" +
                  LayoutCaption(layout) + "\" layout needs (" + std::to_string(size) +
                  " bytes, it needs " + std::to_string(needed) +
                  "). Open it again before writing.");
  }
  if (size != scenario.sourceSize) {
    throw Refusal(Quoted(source.Path()) + " has changed since it was opened (it had " +
                  std::to_string(scenario.sourceSize) + " bytes, it now has " +
                  std::to_string(size) + "). Open it again before writing.");
  }
}

void RefuseOverwritingSources(const std::vector<std::filesystem::path>& outputs,
                              const std::vector<ReadFile>& reads) {
  for (const auto& output : outputs) {
    for (const ReadFile& read : reads) {
      if (read.path.empty() || !SamePlace(output, read.path))
        continue;
      throw Refusal("Cannot write " + Quoted(output) + ": it is " + read.what +
                    ", which this write reads from. Choose another name or directory.");
    }
  }
}

}  // namespace zarkel
