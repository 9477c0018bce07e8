// A file the open scenario depends on, which no write may replace.
#pragma once

#include <filesystem>

namespace zarkel {

// A file the editor has read and still works from, with the words that name it in a refusal.
struct FileInUse {
  std::filesystem::path path;
  const char* what;  // "the opened scenario", "the equipment-name file in use", ...
};

}  // namespace zarkel
