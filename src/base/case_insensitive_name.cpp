#include "base/case_insensitive_name.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/utf8_path.h"

namespace zarkel {

namespace {

std::string Folded(std::string name) {
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

}  // namespace

std::filesystem::path FindIgnoringCase(FileSystem& files, const std::filesystem::path& wanted) {
  if (wanted.filename().empty() || files.StatusOf(wanted).exists)
    return wanted;
  const std::filesystem::path directory = wanted.parent_path();
  const std::string folded = Folded(Utf8FromPath(wanted.filename()));
  std::vector<std::filesystem::path> matches;
  for (const std::filesystem::path& name : files.NamesIn(directory)) {
    if (Folded(Utf8FromPath(name)) == folded)
      matches.push_back(directory / name);
  }
  if (matches.empty())
    return wanted;
  if (matches.size() == 1)
    return matches.front();

  std::sort(matches.begin(), matches.end());
  std::string names;
  for (const std::filesystem::path& match : matches)
    names += (names.empty() ? "" : ", ") + QuotedPath(match.filename());
  throw Refusal(QuotedPath(wanted) + " does not exist, and " + std::to_string(matches.size()) +
                " files in its folder have that name in other letter case: " + names +
                ". Choose one of them yourself.");
}

}  // namespace zarkel
