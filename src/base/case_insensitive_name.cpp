#include "base/case_insensitive_name.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "base/errors.h"
#include "base/platform_file.h"
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

std::filesystem::path FindIgnoringCase(const std::filesystem::path& wanted) {
  if (wanted.filename().empty() || platform::StatusOf(wanted).exists)
    return wanted;
  const std::filesystem::path directory = wanted.parent_path();
  const std::string folded = Folded(Utf8FromPath(wanted.filename()));
  std::vector<std::filesystem::path> matches;
  std::error_code error;
  for (std::filesystem::directory_iterator it(directory.empty() ? "." : directory, error), end;
       !error && it != end; it.increment(error)) {
    if (Folded(Utf8FromPath(it->path().filename())) == folded)
      matches.push_back(directory / it->path().filename());
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
