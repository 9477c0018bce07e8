// The question every write asks before it puts its files in place of files that are already
// there: a question of its own, with No as its answer unless the user gives Yes to this very
// question (a general "yes" to the editor's other questions never answers it).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "model/dialogs.h"
#include "model/write_questions.h"

namespace zarkel {

// The names of `names` that stand in `directory` already, in the order given. A name that
// differs from an existing file only in letter case counts where the file system ignores case,
// and so does a link, even one that leads nowhere (the write would replace the link).
std::vector<std::string> ExistingTargets(FileSystem& files, const std::filesystem::path& directory,
                                         const std::vector<std::string>& names);

// `"vessin.scn" already exists in "/home/me/demo". Replace it?`, or for several files
// `"a.scn", "sa.tst" and "a.tit" already exist in "…". Replace them?`.
std::string ReplaceQuestion(const std::filesystem::path& directory,
                            const std::vector<std::string>& existing);

// Asks the replace question when any of `names` exists in `directory`; true when none does or
// the answer was Yes, so that the write may go on.
bool ConfirmReplace(Dialogs& dialogs, FileSystem& files, const std::filesystem::path& directory,
                    const std::vector<std::string>& names);

}  // namespace zarkel
