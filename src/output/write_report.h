// What a write put on disk, as the window's status bar and zarkel-cli report it.
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

// `Wrote cchina.scn, scchina.tst, cchina.tit and cchina.des in "/home/me/camp"`.
std::string WrittenFilesLine(const WrittenFiles& files);

}  // namespace zarkel
