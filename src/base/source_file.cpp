#include "base/source_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/errors.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zarkel {

namespace {

constexpr std::size_t kWindowSize = 64 * 1024;

#ifdef _WIN32
int OpenForReading(const std::filesystem::path& path) {
  return _wopen(path.c_str(), _O_RDONLY | _O_BINARY);
}
long long ReadAtOffset(int fd, std::uint8_t* buffer, std::size_t count, std::uint64_t offset) {
  if (_lseeki64(fd, static_cast<long long>(offset), SEEK_SET) < 0)
    return -1;
  return _read(fd, buffer, static_cast<unsigned>(count));
}
int CloseDescriptor(int fd) {
  return _close(fd);
}
#else
int OpenForReading(const std::filesystem::path& path) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  return fd;
}
long long ReadAtOffset(int fd, std::uint8_t* buffer, std::size_t count, std::uint64_t offset) {
  ssize_t got;
  do {
    got = ::pread(fd, buffer, count, static_cast<off_t>(offset));
  } while (got < 0 && errno == EINTR);
  return got;
}
int CloseDescriptor(int fd) {
  return ::close(fd);
}
#endif

}  // namespace

SourceFile::SourceFile(const std::filesystem::path& path) : path_(path) {
  if (path.empty())
    throw IoError::FromSystemError(ENOENT, path);
  descriptor_ = OpenForReading(path);
  if (descriptor_ < 0)
    throw IoError::FromSystemError(errno, path);

  struct stat info {};
  if (::fstat(descriptor_, &info) != 0) {
    const int error = errno;
    CloseDescriptor(descriptor_);
    throw IoError::FromSystemError(error, path);
  }
  if ((info.st_mode & S_IFMT) == S_IFDIR) {
    CloseDescriptor(descriptor_);
    throw IoError::FromSystemError(EISDIR, path);
  }
  size_ = static_cast<std::uint64_t>(info.st_size);
  window_ = std::make_unique<std::uint8_t[]>(kWindowSize);
}

SourceFile::~SourceFile() {
  if (descriptor_ >= 0)
    CloseDescriptor(descriptor_);
}

void SourceFile::Fill(std::uint64_t offset) {
  windowStart_ = offset;
  windowLength_ = 0;
  // Up to the end the file had when opened: asking past it would only confirm the end.
  const std::size_t wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(kWindowSize, size_ - offset));
  while (windowLength_ < wanted) {
    const long long got = ReadAtOffset(descriptor_, window_.get() + windowLength_,
                                       wanted - windowLength_, offset + windowLength_);
    if (got < 0) {
      windowLength_ = 0;
      throw IoError::FromSystemError(errno, path_);
    }
    if (got == 0)
      break;
    windowLength_ += static_cast<std::size_t>(got);
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
