// The files a write put on disk, as the writers answer them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zarkel {

// The status line of a write that a question answered No stopped before it wrote anything.
constexpr const char* kNotWritten = "Not written";

struct WrittenFiles {
  std::filesystem::path directory;
  std::vector<std::string> names;  // the file names, in the order the write made them
};

}  // namespace zarkel
