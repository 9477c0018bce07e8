#include "output/replace_question.h"

#include "base/errors.h"
#include "base/utf8_path.h"

namespace zarkel {

std::vector<std::string> ExistingTargets(FileSystem& files, const std::filesystem::path& directory,
                                         const std::vector<std::string>& names) {
  std::vector<std::string> existing;
  for (const std::string& name : names) {
    const std::filesystem::path target = directory / PathFromUtf8(name);
    if (files.StatusOf(target).exists || files.IsLink(target))
      existing.push_back(name);
  }
  return existing;
}

std::string ReplaceQuestion(const std::filesystem::path& directory,
                            const std::vector<std::string>& existing) {
  std::string text;
  const std::size_t count = existing.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0)
      text += i + 1 == count ? " and " : ", ";
    text += "\"" + existing[i] + "\"";
  }
  const bool one = count == 1;
  return text + (one ? " already exists in " : " already exist in ") + QuotedPath(directory) +
         (one ? ". Replace it?" : ". Replace them?");
}

bool ConfirmReplace(Dialogs& dialogs, FileSystem& files, const std::filesystem::path& directory,
                    const std::vector<std::string>& names) {
  const std::vector<std::string> existing = ExistingTargets(files, directory, names);
  return existing.empty() || dialogs.AskReplace(ReplaceQuestion(directory, existing));
}

}  // namespace zarkel
