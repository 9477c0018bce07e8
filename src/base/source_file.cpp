#include "base/source_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/errors.h"

namespace zarkel {

namespace {
constexpr std::size_t kWindowSize = 64 * 1024;
}  // namespace

SourceFile::SourceFile(FileSystem& files, const std::filesystem::path& path) : path_(path) {
  if (path.empty())
    throw IoError::FromSystemError(ENOENT, path);
  // Left uninitialised: zeroing it would touch every page of it, even for a file of a few bytes.
  window_.reset(new std::uint8_t[kWindowSize]);
  try {
    file_ = files.OpenForReading(path);
  } catch (const IoError&) {
    // The system's word for a folder is "access denied", which sends a person looking at
    // permissions.
    if (files.StatusOf(path).directory)
      throw FolderNotFile(path);
    throw;
  }
  size_ = file_->Size();
}

SourceFile::~SourceFile() = default;

void SourceFile::Fill(std::uint64_t offset) {
  windowStart_ = offset;
  windowLength_ = 0;
  // Up to the end the file had when opened: asking past it would only confirm the end.
  const std::size_t wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(kWindowSize, size_ - offset));
  while (windowLength_ < wanted) {
    std::size_t got = 0;
    try {
      got = file_->ReadAt(offset + windowLength_, window_.get() + windowLength_,
                          wanted - windowLength_);
    } catch (...) {
      windowLength_ = 0;
      throw;
    }
    if (got == 0)
      break;
    windowLength_ += got;
  }
}

std::size_t SourceFile::ReadAt(std::uint64_t offset, std::uint8_t* buffer, std::size_t count) {
  std::size_t delivered = 0;
  while (delivered < count) {
    const std::uint64_t position = offset + delivered;
    // The file is read as it was when opened: past that end there is nothing to ask the system
    // for. A reader that keeps asking there (a name file with fewer lines than entries) costs no
    // system call, and a device without an end reads as empty instead of forever.
    if (position >= size_)
      break;
    const bool inWindow = position >= windowStart_ && position < windowStart_ + windowLength_;
    if (!inWindow) {
      Fill(position);
      if (windowLength_ == 0)
        break;  // end of file
    }
    const std::size_t from = static_cast<std::size_t>(position - windowStart_);
    const std::size_t take = std::min(count - delivered, windowLength_ - from);
    std::memcpy(buffer + delivered, window_.get() + from, take);
    delivered += take;
  }
  return delivered;
}

}  // namespace zarkel
