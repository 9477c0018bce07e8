// A path as messages show it: tidied of "." parts, and of ".." parts by the file system, since a
// ".." after a link leads into the link's target's parent, not back to where the text says.
#pragma once

#include <filesystem>

namespace zarkel {

// `path` without its "." parts; one with a ".." part is resolved on the disk as far as it
// exists (its links resolved too). A path that cannot be resolved is only rid of its "." parts.
std::filesystem::path ShownPath(const std::filesystem::path& path);

}  // namespace zarkel
