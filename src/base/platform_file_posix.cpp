// The file layer over POSIX calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "base/errors.h"
#include "base/platform_file.h"

namespace zarkel::platform {

namespace {

[[noreturn]] void Fail(int errorNumber, const std::filesystem::path& path) {
  throw IoError::FromSystemError(errorNumber, path);
}

int Descriptor(FileHandle file) {
  return static_cast<int>(file);
}

}  // namespace

OpenedFile OpenForReading(const std::filesystem::path& path) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0)
    Fail(errno, path);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    const int failure = S_ISDIR(info.st_mode) ? EISDIR : errno;
    ::close(fd);
    Fail(failure, path);
  }
  return {fd, static_cast<std::uint64_t>(info.st_size)};
}

FileHandle CreateNew(const std::filesystem::path& path, const std::filesystem::path& reportAs) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd >= 0)
    return fd;
  if (errno == EEXIST)
    return kNoFile;
  Fail(errno, reportAs);
}

std::size_t ReadAt(FileHandle file, std::uint64_t offset, std::uint8_t* buffer, std::size_t count,
                   const std::filesystem::path& path) {
  ssize_t got;
  do {
    got = ::pread(Descriptor(file), buffer, count, static_cast<off_t>(offset));
  } while (got < 0 && errno == EINTR);
  if (got < 0)
    Fail(errno, path);
  return static_cast<std::size_t>(got);
}

void WriteAll(FileHandle file, const std::uint8_t* data, std::size_t count,
              const std::filesystem::path& reportAs) {
  while (count > 0) {
    const ssize_t put = ::write(Descriptor(file), data, count);
    if (put < 0 && errno == EINTR)
      continue;
    if (put < 0)
      Fail(errno, reportAs);
    if (put == 0)
      Fail(ENOSPC, reportAs);
    data += put;
    count -= static_cast<std::size_t>(put);
  }
}

std::uint64_t CopyAt(FileHandle from, std::uint64_t offset, FileHandle to, std::uint64_t count,
                     const std::filesystem::path& reportAs) {
  std::uint64_t done = 0;
#ifdef __linux__
  while (done < count) {
    loff_t at = static_cast<loff_t>(offset + done);
    const ssize_t moved =
        ::copy_file_range(Descriptor(from), &at, Descriptor(to), nullptr, count - done, 0);
    if (moved > 0) {
      done += static_cast<std::uint64_t>(moved);
    } else if (moved == 0) {
      return done;  // the end of `from`
    } else if (errno != EINTR) {
      // Not between these two files (another file system, an old kernel): copy through memory.
      if (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)
        break;
      Fail(errno, reportAs);
    }
  }
#endif
  constexpr std::size_t kPiece = 64 * 1024;
  std::unique_ptr<std::uint8_t[]> buffer;
  while (done < count) {
    if (!buffer)
      buffer = std::make_unique<std::uint8_t[]>(kPiece);
    const std::size_t got =
        ReadAt(from, offset + done, buffer.get(),
               static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, count - done)), reportAs);
    if (got == 0)
      break;
    WriteAll(to, buffer.get(), got, reportAs);
    done += got;
  }
  return done;
}

void FlushToDisk(FileHandle file, const std::filesystem::path& reportAs) {
  int result;
  do {
    result = ::fsync(Descriptor(file));
  } while (result != 0 && errno == EINTR);
  if (result != 0)
    Fail(errno, reportAs);
}

void Close(FileHandle file, const std::filesystem::path& reportAs) {
  if (::close(Descriptor(file)) != 0 && errno != EINTR)
    Fail(errno, reportAs);
}

void CloseQuietly(FileHandle file) noexcept {
  ::close(Descriptor(file));
}

void ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0)
    Fail(errno, to);
}

bool KeepUnderSecondName(const std::filesystem::path& path, const std::filesystem::path& earlier) {
  // linkat without AT_SYMLINK_FOLLOW: a link at `path` is kept as the link it is.
  if (::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, earlier.c_str(), 0) == 0)
    return true;
  if (errno == ENOENT || !StatusOf(path).exists)
    return false;
  // No hard links here, or none allowed to this file: a copy keeps the bytes.
  const OpenedFile from = OpenForReading(path);
  FileHandle to = kNoFile;
  try {
    to = CreateNew(earlier, path);
    if (to == kNoFile)
      Fail(EEXIST, path);
    CopyAt(from.handle, 0, to, from.size, path);
    const FileHandle copied = to;
    to = kNoFile;
    Close(copied, path);
  } catch (...) {
    CloseQuietly(from.handle);
    if (to != kNoFile)
      CloseQuietly(to);
    RemoveQuietly(earlier);
    throw;
  }
  CloseQuietly(from.handle);
  return true;
}

void FlushDirectory(const std::filesystem::path& directory) {
  const std::filesystem::path name = directory.empty() ? "." : directory;
  const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0)
    return;  // a directory that cannot be opened for reading cannot be flushed either
  const int result = ::fsync(fd);
  const int failure = errno;
  ::close(fd);
  // EINVAL: a file system that does not sync directories (its renames are as durable as it gets).
  if (result != 0 && failure != EINVAL && failure != EROFS)
    Fail(failure, directory);
}

void RemoveQuietly(const std::filesystem::path& path) noexcept {
  ::unlink(path.c_str());
}

FileStatus StatusOf(const std::filesystem::path& path) {
  FileStatus status;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0)
    return status;
  status.exists = true;
  status.directory = S_ISDIR(info.st_mode);
  status.writable = (info.st_mode & S_IWUSR) != 0;
  status.modeBits = static_cast<std::uint32_t>(info.st_mode & 07777);
  return status;
}

void CopyModeBits(FileHandle file, const FileStatus& replaced) {
  if (replaced.exists && replaced.modeBits != 0)
    (void)::fchmod(Descriptor(file), static_cast<mode_t>(replaced.modeBits));
}

bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace zarkel::platform
