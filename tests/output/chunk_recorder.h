// Records the size of every write an output receives, to check the chunks a copy is made of.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "recording_file_system.h"

namespace zarkel::testing {

class ChunkRecorder {
 public:
  // The chunks written so far, by the file name of their target.
  std::map<std::string, std::vector<std::size_t>> Chunks() const {
    std::map<std::string, std::vector<std::size_t>> chunks;
    for (const RecordingFileSystem::Step& step : files.steps) {
      if (step.kind == RecordingFileSystem::Step::Kind::Append)
        chunks[step.target.filename().string()].push_back(step.count);
    }
    return chunks;
  }
  // The files whose writes are recorded.
  RecordingFileSystem files;
};

}  // namespace zarkel::testing
