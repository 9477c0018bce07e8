#include "output/write_report.h"

#include "base/errors.h"

namespace zarkel {

std::string WrittenFilesLine(const WrittenFiles& files) {
  std::string line = "Wrote ";
  const std::size_t count = files.names.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0)
      line += i + 1 == count ? " and " : ", ";
    line += files.names[i];
  }
  return line + " in " + QuotedPath(files.directory);
}

}  // namespace zarkel
