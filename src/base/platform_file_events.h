// For tests: a record of the flushes and renames the file layer has made, in order, so that a
// test can see that a file reached the disk before it was renamed into place and that its
// directory was flushed after the renames into it. Each is recorded only once the system call
// has returned without failing. When no test has asked for a record, the only cost is a look at
// one pointer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace zarkel::platform {

// A file whatever its names: device and inode on POSIX, volume serial and file index on Windows.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t index = 0;
  bool operator==(const FileIdentity& other) const {
    return device == other.device && index == other.index;
  }
};

struct FileEvent {
  enum class Kind {
    FileFlush,       // FlushToDisk: `file` is the file flushed
    Rename,          // ReplaceWith: `file` is the file renamed, `path` its new name
    DirectoryFlush,  // FlushDirectory: `path` is the directory as given
  };
  Kind kind = Kind::FileFlush;
  FileIdentity file;
  std::filesystem::path path;
};

// Where the layer records, or nullptr when nothing is recorded. Not for threads: a test sets it
// around the work it watches and clears it after.
inline std::vector<FileEvent>*& FileEventRecord() {
  static std::vector<FileEvent>* record = nullptr;
  return record;
}

inline void RecordFileEventsForTesting(std::vector<FileEvent>* record) {
  FileEventRecord() = record;
}

}  // namespace zarkel::platform
