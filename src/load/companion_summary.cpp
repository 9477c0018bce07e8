#include "load/companion_summary.h"

#include <functional>

#include "base/errors.h"
#include "base/platform_file.h"
#include "base/source_file.h"
#include "base/utf8_path.h"
#include "output/companion_files.h"

namespace zarkel {

namespace {

CompanionReading Read(const std::string& path,
                      const std::function<std::int64_t(const std::filesystem::path&)>& measure) {
  CompanionReading reading;
  reading.path = path;
  if (path.empty()) {
    reading.problem = "No file was chosen.";
    return reading;
  }
  const std::filesystem::path file = PathFromUtf8(path);
  try {
    reading.amount = measure(file);
  } catch (const EditorError& error) {
    reading.missing = !platform::StatusOf(file).exists;
    reading.problem = error.what();
  }
  return reading;
}

std::int64_t FileBytes(const std::filesystem::path& file) {
  return static_cast<std::int64_t>(SourceFile(file).Size());
}

}  // namespace

CompanionSummary ReadCompanionSummary(const CompanionPaths& paths) {
  CompanionSummary summary;
  summary.placeNames = Read(paths.placeNamePath, CountPlacenameLines);
  summary.description = Read(paths.descriptionPath, FileBytes);
  summary.title = Read(paths.titlePath, FileBytes);
  return summary;
}

}  // namespace zarkel
