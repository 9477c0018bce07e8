// A file opened for reading bytes at explicit offsets: the scenario being opened or copied
// from, the equipment file, the companion files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "base/file_system.h"

namespace zarkel {

class SourceFile {
 public:
  // Opens `path` of `files` for reading. Throws IoError when it cannot be opened, Refusal when
  // it names a folder (`"…/demo" is a folder, not a file`).
  SourceFile(FileSystem& files, const std::filesystem::path& path);
  ~SourceFile();
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;

  // Reads up to `count` bytes at `offset` into `buffer` and returns how many the file
  // delivered: fewer than asked for only at the end of the file, which is not an error. The end
  // is where the file ended when it was opened. Throws IoError when the read fails.
  std::size_t ReadAt(std::uint64_t offset, std::uint8_t* buffer, std::size_t count);

  std::uint64_t Size() const { return size_; }
  const std::filesystem::path& Path() const { return path_; }

 private:
  friend class OutputFile;  // copies from the file without the window, see OutputFile::CopyFrom

  void Fill(std::uint64_t offset);

  std::filesystem::path path_;
  std::unique_ptr<ReadableFile> file_;
  std::uint64_t size_ = 0;
  // A window of the file kept in memory, so that the many small reads of a copy cost one
  // system call per window rather than one per chunk. Its size is fixed, whatever the file.
  std::unique_ptr<std::uint8_t[]> window_;
  std::uint64_t windowStart_ = 0;
  std::size_t windowLength_ = 0;
};

}  // namespace zarkel
