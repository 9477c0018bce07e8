// The file layer over the Win32 API. Names go to the system as the wide strings the paths hold.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cerrno>

#include "base/errors.h"
#include "base/platform_file.h"
#include "base/utf8_path.h"

namespace zarkel::platform {

namespace {

// A Win32 error code as the errno of the same failure, so that both systems give the user the
// same text; 0 for a code with no counterpart.
int ErrnoOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;  // "File not found" or "Invalid filename", as the path's folder decides
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY:
      return EINVAL;
    case ERROR_TOO_MANY_OPEN_FILES:
      return EMFILE;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
      return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    case ERROR_INVALID_HANDLE:
      return EBADF;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_IO_DEVICE:
      return EIO;
    default:
      return 0;
  }
}

// No Windows file system holds a name of more than 255 characters, yet some report one as
// missing rather than as invalid.
bool HasOverlongName(const std::filesystem::path& path) {
  for (const std::filesystem::path& part : path) {
    if (part.native().size() > 255)
      return true;
  }
  return false;
}

[[noreturn]] void Fail(DWORD code, const std::filesystem::path& path) {
  int errorNumber = ErrnoOf(code);
  if (errorNumber == ENOENT && HasOverlongName(path))
    errorNumber = EINVAL;
  if (errorNumber != 0)
    throw IoError::FromSystemError(errorNumber, path);
  throw IoError::Unclassified(static_cast<long>(code), path);
}

[[noreturn]] void FailLast(const std::filesystem::path& path) {
  Fail(GetLastError(), path);
}

HANDLE Native(FileHandle file) {
  return reinterpret_cast<HANDLE>(file);
}

FileHandle Wrapped(HANDLE handle) {
  return reinterpret_cast<FileHandle>(handle);
}

// ReadFile and WriteFile take a 32-bit count.
constexpr std::size_t kLargestTransfer = std::size_t{1} << 30;

bool Identify(const std::filesystem::path& path, BY_HANDLE_FILE_INFORMATION& info);

}  // namespace

OpenedFile OpenForReading(const std::filesystem::path& path) {
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    FailLast(path);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(handle, &size)) {
    const DWORD code = GetLastError();
    CloseHandle(handle);
    Fail(code, path);
  }
  return {Wrapped(handle), static_cast<std::uint64_t>(size.QuadPart)};
}

FileHandle CreateNew(const std::filesystem::path& path, const std::filesystem::path& reportAs) {
  const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle != INVALID_HANDLE_VALUE)
    return Wrapped(handle);
  const DWORD code = GetLastError();
  if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS)
    return kNoFile;
  Fail(code, reportAs);
}

std::size_t ReadAt(FileHandle file, std::uint64_t offset, std::uint8_t* buffer, std::size_t count,
                   const std::filesystem::path& path) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  const DWORD asked = static_cast<DWORD>(std::min(count, kLargestTransfer));
  if (!ReadFile(Native(file), buffer, asked, &got, &at)) {
    const DWORD code = GetLastError();
    if (code == ERROR_HANDLE_EOF)
      return 0;
    Fail(code, path);
  }
  return got;
}

void WriteAll(FileHandle file, const std::uint8_t* data, std::size_t count,
              const std::filesystem::path& reportAs) {
  while (count > 0) {
    DWORD put = 0;
    const DWORD asked = static_cast<DWORD>(std::min(count, kLargestTransfer));
    if (!WriteFile(Native(file), data, asked, &put, nullptr))
      FailLast(reportAs);
    if (put == 0)
      Fail(ERROR_DISK_FULL, reportAs);
    data += put;
    count -= put;
  }
}

std::uint64_t CopyAt(FileHandle from, std::uint64_t offset, FileHandle to, std::uint64_t count,
                     const std::filesystem::path& reportAs) {
  constexpr std::size_t kPiece = 64 * 1024;
  std::vector<std::uint8_t> buffer(
      static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, count)));
  std::uint64_t done = 0;
  while (done < count) {
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(kPiece, count - done));
    const std::size_t got = ReadAt(from, offset + done, buffer.data(), want, reportAs);
    if (got == 0)
      break;
    WriteAll(to, buffer.data(), got, reportAs);
    done += got;
  }
  return done;
}

void FlushToDisk(FileHandle file, const std::filesystem::path& reportAs) {
  if (!FlushFileBuffers(Native(file)))
    FailLast(reportAs);
}

void Close(FileHandle file, const std::filesystem::path& reportAs) {
  if (!CloseHandle(Native(file)))
    FailLast(reportAs);
}

void CloseQuietly(FileHandle file) noexcept {
  CloseHandle(Native(file));
}

void ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    FailLast(to);
}

bool KeepUnderSecondName(const std::filesystem::path& path, const std::filesystem::path& earlier) {
  if (CreateHardLinkW(earlier.c_str(), path.c_str(), nullptr))
    return true;
  if (GetLastError() == ERROR_FILE_NOT_FOUND || !StatusOf(path).exists)
    return false;
  // No hard links on this volume (FAT, exFAT, some network shares): a copy keeps the bytes.
  if (!CopyFileW(path.c_str(), earlier.c_str(), TRUE))
    FailLast(path);
  return true;
}

void FlushDirectory(const std::filesystem::path& directory) {
  // MOVEFILE_WRITE_THROUGH has stored each rename already: the directory is as flushed as a
  // POSIX one is after its fsync.
  (void)directory;
}

void RemoveQuietly(const std::filesystem::path& path) noexcept {
  DeleteFileW(path.c_str());
}

FileStatus StatusOf(const std::filesystem::path& path) {
  FileStatus status;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
    return status;
  status.exists = true;
  status.directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  status.writable = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) == 0;
  return status;
}

void CopyModeBits(FileHandle, const FileStatus&) {}

namespace {

// The volume and the file's index on it, which tell one file from another whatever the names.
bool Identify(const std::filesystem::path& path, BY_HANDLE_FILE_INFORMATION& info) {
  const HANDLE handle =
      CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE)
    return false;
  const bool known = GetFileInformationByHandle(handle, &info) != 0;
  CloseHandle(handle);
  return known;
}

}  // namespace

bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  return Identify(a, first) && Identify(b, second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr || count != argc) {
    if (wide != nullptr)
      LocalFree(wide);
    return std::vector<std::string>(argv, argv + argc);
  }
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i)
    arguments.push_back(Utf8FromPath(std::filesystem::path(wide[i])));
  LocalFree(wide);
  return arguments;
}

}  // namespace zarkel::platform
