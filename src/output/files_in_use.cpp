#include "output/files_in_use.h"

#include <map>
#include <system_error>

#include "base/errors.h"
#include "base/output_file.h"
#include "base/platform_file.h"
#include "base/utf8_path.h"
#include "output/write_name.h"

namespace zarkel {

namespace {

// A path as given and as the file system resolves it.
struct ResolvedPath {
  std::filesystem::path given;
  std::filesystem::path canonical;  // empty when the path cannot be resolved
};

// Resolves a path's directory through every link on its way, then adds the file's name. Each
// directory is resolved once: resolving walks the whole tree, and the targets of a write share
// one directory and the files in use mostly another. A file that is itself a link is caught by
// SameExistingFile, which follows it.
class Resolver {
 public:
  ResolvedPath Resolve(const std::filesystem::path& path) {
    const std::filesystem::path directory = FolderOf(path);
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

  static std::filesystem::path FolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
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

// The folder of every target is there, and no target is a folder itself.
void RequireFolders(const std::vector<std::filesystem::path>& targets) {
  std::vector<std::filesystem::path> checked;
  for (const std::filesystem::path& target : targets) {
    const std::filesystem::path folder = Resolver::FolderOf(target);
    bool seen = false;
    for (const std::filesystem::path& earlier : checked)
      seen = seen || earlier == folder;
    if (!seen) {
      if (!platform::StatusOf(folder).exists)
        throw MissingFolder(folder);
      checked.push_back(folder);
    }
    if (platform::StatusOf(target).directory)
      throw FolderNotFile(target);
  }
}

}  // namespace

std::vector<FileInUse> FilesInUse(const EditorState& state) {
  std::vector<FileInUse> files;
  auto add = [&files](const std::string& path, const char* what) {
    if (!path.empty())
      files.push_back({PathFromUtf8(path), what});
  };
  const ScenarioData& scenario = state.scenario;
  if (scenario.layout) {
    add(scenario.geometry.sourcePath, "the opened scenario");
    if (scenario.layout == ScenarioLayout::Original) {
      add(scenario.companions.placeNamePath, "the place-name file of the opened scenario");
      add(scenario.companions.titlePath, "the title file of the opened scenario");
      add(scenario.companions.descriptionPath, "the description file of the opened scenario");
    }
  }
  add(state.equipment.equipmentPath, "the equipment file in use");
  add(state.equipment.namesPath, "the equipment-name file in use");
  return files;
}

void CheckWriteTargets(const std::vector<std::filesystem::path>& targets,
                       const std::vector<FileInUse>& inUse) {
  // A file chosen whole (the map's picture) follows the rule a typed name follows.
  for (const std::filesystem::path& target : targets) {
    const std::string fileName = Utf8FromPath(target.filename());
    RequireWriteName(fileName, "of the file to write", {fileName});
  }
  RequireFolders(targets);
  Resolver resolver;
  std::vector<ResolvedPath> inUsePaths;
  for (const FileInUse& file : inUse)
    inUsePaths.push_back(resolver.Resolve(file.path));
  for (const std::filesystem::path& target : targets) {
    const ResolvedPath targetPath = resolver.Resolve(target);
    for (std::size_t i = 0; i < inUse.size(); ++i) {
      if (inUse[i].path.empty() || !SamePlace(targetPath, inUsePaths[i]))
        continue;
      throw Refusal("Cannot write " + QuotedPath(target) + ": it is " + inUse[i].what +
                    ". Choose another name or folder.");
    }
  }
}

}  // namespace zarkel
