// A fresh directory for one test, removed with everything in it at the end of the test.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zarkel::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // `name` is UTF-8, as every file name inside the editor.
  std::filesystem::path operator/(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// Every file below `directory` (relative name, then its bytes), to compare a directory before
// and after an operation: a failed write must leave it exactly as it was.
std::map<std::string, std::vector<unsigned char>> Snapshot(const std::filesystem::path& directory);

}  // namespace zarkel::testing
