#include "base/case_insensitive_name.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/shown_path.h"
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

// `"a", "b" and "c"` of the candidates at `positions`, sorted by what is shown of them.
std::string ShownList(const std::vector<NameCandidate>& candidates,
                      const std::vector<std::size_t>& positions) {
  std::vector<std::string> shown;
  for (const std::size_t position : positions)
    shown.push_back(candidates[position].shown);
  std::sort(shown.begin(), shown.end());
  std::string list;
  for (const std::string& text : shown)
    list += (list.empty() ? "\"" : ", \"") + text + "\"";
  return list;
}

}  // namespace

std::vector<std::size_t> NamesIgnoringCase(const std::vector<std::string>& names,
                                           const std::string& wanted) {
  const std::string folded = Folded(wanted);
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (Folded(names[i]) == folded)
      found.push_back(i);
  }
  return found;
}

std::optional<std::size_t> PickIgnoringCase(const std::vector<NameCandidate>& candidates,
                                            const std::string& wanted,
                                            const std::string& wantedShown, CandidatesFrom from) {
  const bool folder = from == CandidatesFrom::Folder;
  std::vector<std::string> names;
  std::vector<std::size_t> exact;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    names.push_back(candidates[i].name);
    if (candidates[i].name == wanted)
      exact.push_back(i);
  }
  if (exact.size() == 1)
    return exact.front();
  if (exact.size() > 1) {
    throw Refusal(
        std::to_string(exact.size()) +
        (folder ? " files in the folder are named \"" : " of the files given are named \"") +
        wantedShown + "\": " + ShownList(candidates, exact) + ". Give only one of them.");
  }
  const std::vector<std::size_t> twins = NamesIgnoringCase(names, wanted);
  if (twins.empty())
    return std::nullopt;
  if (twins.size() == 1)
    return twins.front();
  throw Refusal("\"" + wantedShown + "\"" +
                (folder ? " does not exist, and " : " is not among the files given, and ") +
                std::to_string(twins.size()) + (folder ? " files in its folder" : " of them") +
                " have that name in other letter case: " + ShownList(candidates, twins) +
                ". Choose one of them yourself.");
}

std::filesystem::path FindIgnoringCase(FileSystem& files, const std::filesystem::path& wanted) {
  if (wanted.filename().empty() || files.StatusOf(wanted).exists)
    return wanted;
  const std::filesystem::path directory = wanted.parent_path();
  const std::vector<std::filesystem::path> names = files.NamesIn(directory);
  std::vector<NameCandidate> listed;
  for (const std::filesystem::path& name : names)
    listed.push_back({Utf8FromPath(name), Utf8FromPath(name)});
  const std::optional<std::size_t> found =
      PickIgnoringCase(listed, Utf8FromPath(wanted.filename()), Utf8FromPath(ShownPath(wanted)),
                       CandidatesFrom::Folder);
  return found ? directory / names[*found] : wanted;
}

}  // namespace zarkel
