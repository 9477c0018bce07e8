// The files the editor works from while a scenario is open, and the one check every write makes
// of its targets before it asks a question or writes a byte: a write may never put its bytes in
// place of a file the open scenario still depends on, nor land where there is no folder for it.
#pragma once

#include <filesystem>
#include <vector>

#include "model/editor_state.h"
#include "model/file_in_use.h"

namespace zarkel {

// The opened scenario and, of an Original one, its place-name, title and description files
// (the writers read them again); the equipment file and the equipment-name file the tables were
// last read from. Files not read (no scenario open, a dialog cancelled) are not listed.
std::vector<FileInUse> FilesInUse(const EditorState& state);

// Checks the targets of one write, all of them, before anything is asked or written: the file
// name of each follows the write-name rule (write_name.h), the folder
// of each exists (`The folder "…/nosuchdir" does not exist`), none is itself a folder
// (`"…/x.txt" is a folder, not a file`), and none is a file in use. A target is a file in use
// when it is the same file by the file system's identity (a link, "..", another spelling of a
// folder, another letter case where the file system ignores case) or, for a file in use that is
// gone since, the same path once every link of its folder is resolved. Throws Refusal:
// `Cannot write "…/equipment.txt": it is the equipment-name file in use. Choose another name or
// folder.`
void CheckWriteTargets(FileSystem& files, const std::vector<std::filesystem::path>& targets,
                       const std::vector<FileInUse>& inUse);

}  // namespace zarkel
