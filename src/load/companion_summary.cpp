#include "load/companion_summary.h"

#include <functional>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/source_file.h"
#include "base/utf8_path.h"
#include "output/companion_files.h"

namespace zarkel {

namespace {

CompanionReading Read(
    FileSystem& files, const std::string& path,
    const std::function<std::int64_t(FileSystem&, const std::filesystem::path&)>& measure) {
  CompanionReading reading;
  reading.path = path;
  if (path.empty()) {
    reading.problem = "No file was chosen.";
    return reading;
  }
  const std::filesystem::path file = PathFromUtf8(path);
  try {
    reading.amount = measure(files, file);
  } catch (const EditorError& error) {
    reading.missing = !files.StatusOf(file).exists;
    reading.problem = error.what();
  }
  return reading;
}

std::int64_t FileBytes(FileSystem& files, const std::filesystem::path& file) {
  return static_cast<std::int64_t>(SourceFile(files, file).Size());
}

}  // namespace

std::string MissingCompanionsNote(FileSystem& files, const ScenarioData& scenario) {
  if (scenario.layout != ScenarioLayout::Original)
    return std::string();
  const std::filesystem::path folder = PathFromUtf8(scenario.geometry.sourcePath).parent_path();
  const CompanionPaths& paths = scenario.companions;
  std::vector<std::string> missing;
  const std::pair<const std::string*, const char*> chosen[] = {
      {&paths.placeNamePath, "no place-name file chosen"},
      {&paths.titlePath, "no title file chosen"},
      {&paths.descriptionPath, "no description file chosen"}};
  for (const auto& [path, unchosen] : chosen) {
    const std::filesystem::path file = PathFromUtf8(*path);
    if (!path->empty() && files.StatusOf(file).exists)
      continue;
    if (path->empty())
      missing.push_back(unchosen);
    else if (file.parent_path() == folder)
      missing.push_back(QuotedPath(file.filename()));
    else
      missing.push_back(QuotedPath(file));
  }
  if (missing.empty())
    return std::string();
  std::string note = "; not found: ";
  for (std::size_t i = 0; i < missing.size(); ++i) {
    if (i > 0)
      note += i + 1 == missing.size() ? " and " : ", ";
    note += missing[i];
  }
  return note + (missing.size() == 1 ? " (a campaign or Homemade write needs it)"
                                     : " (a campaign or Homemade write needs them)");
}

CompanionSummary ReadCompanionSummary(FileSystem& files, const CompanionPaths& paths) {
  CompanionSummary summary;
  summary.placeNames = Read(files, paths.placeNamePath, CountPlacenameLines);
  summary.description = Read(files, paths.descriptionPath, FileBytes);
  summary.title = Read(files, paths.titlePath, FileBytes);
  return summary;
}

}  // namespace zarkel
