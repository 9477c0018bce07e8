#include "output/writer_checks.h"

#include <map>
#include <system_error>

#include "base/errors.h"
#include "base/output_file.h"
#include "base/utf8_path.h"

namespace zarkel {

namespace {

// A path as given and as the file system resolves it.
struct ResolvedPath {
  std::filesystem::path given;
  std::filesystem::path canonical;  // empty when the path cannot be resolved
};

// Resolves a path's directory through every link on its way, then adds the file's name. Each
// directory is resolved once: resolving walks the whole tree, and the outputs of a write share
// one directory and the files it reads mostly another. A file that is itself a link is caught by
// SameExistingFile, which follows it.
class Resolver {
 public:
  ResolvedPath Resolve(const std::filesystem::path& path) {
    std::filesystem::path directory = path.parent_path();
    if (directory.empty())
      directory = ".";
    auto found = directories_.find(directory);
    if (found == directories_.end()) {
      std::error_code error;
      std::filesystem::path resolved = std::filesystem::weakly_canonical(directory, error);
      if (error)
        resolved.clear();
      found = directories_.emplace(directory, resolved).first;
    }
    if (found->second.empty())
      return {path, {}};
    return {path, (found->second / path.filename()).lexically_normal()};
  }

 private:
  std::map<std::filesystem::path, std::filesystem::path> directories_;
};

bool SamePlace(const ResolvedPath& a, const ResolvedPath& b) {
  if (SameExistingFile(a.given, b.given))
    return true;
  if (a.canonical.empty() || b.canonical.empty())
    return a.given.lexically_normal() == b.given.lexically_normal();
  return a.canonical == b.canonical;
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

std::vector<ReadFile> FilesReadBy(const ScenarioData& scenario) {
  std::vector<ReadFile> reads = {
      {PathFromUtf8(scenario.geometry.sourcePath), "the opened scenario"}};
  if (scenario.layout == ScenarioLayout::Original) {
    const CompanionPaths& companions = scenario.companions;
    reads.push_back(
        {PathFromUtf8(companions.placeNamePath), "the place-name file of the opened scenario"});
    reads.push_back({PathFromUtf8(companions.titlePath), "the title file of the opened scenario"});
    reads.push_back(
        {PathFromUtf8(companions.descriptionPath), "the description file of the opened scenario"});
  }
  return reads;
}

void RefuseOverwritingSources(const std::vector<std::filesystem::path>& outputs,
                              const std::vector<ReadFile>& reads) {
  Resolver resolver;
  std::vector<ResolvedPath> readPaths;
  for (const ReadFile& read : reads)
    readPaths.push_back(resolver.Resolve(read.path));
  for (const auto& output : outputs) {
    const ResolvedPath outputPath = resolver.Resolve(output);
    for (std::size_t i = 0; i < reads.size(); ++i) {
      const ReadFile& read = reads[i];
      if (read.path.empty() || !SamePlace(outputPath, readPaths[i]))
        continue;
      throw Refusal("Cannot write " + QuotedPath(output) + ": it is " + read.what +
                    ", which this write reads from. Choose another name or directory.");
    }
  }
}

}  // namespace zarkel
