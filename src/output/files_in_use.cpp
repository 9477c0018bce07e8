#include "output/files_in_use.h"

#include <map>

#include "base/errors.h"
#include "base/file_system.h"
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
  explicit Resolver(FileSystem& files) : files_(files) {}

  ResolvedPath Resolve(const std::filesystem::path& path) {
    const std::filesystem::path directory = FolderOf(path);
    auto found = directories_.find(directory);
    if (found == directories_.end())
      found = directories_.emplace(directory, files_.ResolvedFolder(directory)).first;
    if (found->second.empty())
      return {path, {}};
    return {path, (found->second / path.filename()).lexically_normal()};
  }

  static std::filesystem::path FolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
  }

 private:
  FileSystem& files_;
  std::map<std::filesystem::path, std::filesystem::path> directories_;
};

bool SamePlace(FileSystem& files, const ResolvedPath& a, const ResolvedPath& b) {
  if (files.SameExistingFile(a.given, b.given))
    return true;
  if (a.canonical.empty() || b.canonical.empty())
    return a.given.lexically_normal() == b.given.lexically_normal();
  return a.canonical == b.canonical;
}

// The folder of every target is there, and no target is a folder itself.
void RequireFolders(FileSystem& files, const std::vector<std::filesystem::path>& targets) {
  std::vector<std::filesystem::path> checked;
  for (const std::filesystem::path& target : targets) {
    const std::filesystem::path folder = Resolver::FolderOf(target);
    bool seen = false;
    for (const std::filesystem::path& earlier : checked)
      seen = seen || earlier == folder;
    if (!seen) {
      if (!files.StatusOf(folder).exists)
        throw MissingFolder(folder);
      checked.push_back(folder);
    }
    if (files.StatusOf(target).directory)
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

void CheckWriteTargets(FileSystem& files, const std::vector<std::filesystem::path>& targets,
                       const std::vector<FileInUse>& inUse) {
  // A file chosen whole (the map's picture) follows the rule a typed name follows.
  for (const std::filesystem::path& target : targets) {
    const std::string fileName = Utf8FromPath(target.filename());
    RequireWriteName(fileName, "of the file to write", {fileName});
  }
  RequireFolders(files, targets);
  Resolver resolver(files);
  std::vector<ResolvedPath> inUsePaths;
  for (const FileInUse& file : inUse)
    inUsePaths.push_back(resolver.Resolve(file.path));
  for (const std::filesystem::path& target : targets) {
    const ResolvedPath targetPath = resolver.Resolve(target);
    for (std::size_t i = 0; i < inUse.size(); ++i) {
      if (inUse[i].path.empty() || !SamePlace(files, targetPath, inUsePaths[i]))
        continue;
      throw Refusal("Cannot write " + QuotedPath(target) + ": it is " + inUse[i].what +
                    ". Choose another name or folder.");
    }
  }
}

}  // namespace zarkel
