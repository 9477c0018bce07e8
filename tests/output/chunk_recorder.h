// Records the size of every write an output receives, to check the chunks a copy is made of.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "base/output_file.h"

namespace zarkel::testing {

class ChunkRecorder {
 public:
  ChunkRecorder() {
    OutputFile::SetWriteHookForTesting(
        [this](const std::filesystem::path& target, std::uint64_t, std::size_t count) {
          chunks[target.filename().string()].push_back(count);
          return 0;
        });
  }
  ~ChunkRecorder() { OutputFile::SetWriteHookForTesting(nullptr); }
  std::map<std::string, std::vector<std::size_t>> chunks;
};

}  // namespace zarkel::testing
