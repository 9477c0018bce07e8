#include "shown_names.h"

#include <algorithm>

namespace zarkel::web {

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

}  // namespace

void ShownNames::Show(const std::string& folder, const std::string& shown) {
  Forget(folder);
  folders_.emplace_back(folder, shown);
  // The longest folder first, so that a folder inside another is matched before it.
  std::stable_sort(folders_.begin(), folders_.end(),
                   [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
}

void ShownNames::Forget(const std::string& folder) {
  folders_.erase(std::remove_if(folders_.begin(), folders_.end(),
                                [&](const auto& entry) { return entry.first == folder; }),
                 folders_.end());
}

std::string ShownNames::Apply(std::string text) const {
  for (const auto& [folder, shown] : folders_) {
    ReplaceAll(text, "\"" + folder + "/", shown.empty() ? "\"" : "\"" + shown + "/");
    ReplaceAll(text, "\"" + folder + "\"", "\"" + shown + "\"");
  }
  return text;
}

std::string ShownNames::Path(const std::string& path) const {
  const std::string quoted = Apply("\"" + path + "\"");
  return quoted.substr(1, quoted.size() - 2);
}

}  // namespace zarkel::web
