// The one place where the editor asks the operating system about files. There are two
// implementations, one of them built: platform_file_posix.cpp (POSIX calls) and
// platform_file_win32.cpp (the Win32 API, wide names). Nothing else in the program includes a
// system header. The core reaches it only through DiskFileSystem (file_system.h).
//
// Every failure throws IoError with the runtime's text for the system's error (errno on POSIX,
// GetLastError on Windows, mapped to the same texts), naming the path given for the message.
// Paths are std::filesystem::path: on Windows they hold the wide name, so a name typed or read
// as UTF-8 must become a path through PathFromUtf8 (utf8_path.h), never through the path's own
// narrow constructor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zarkel::platform {

// An open file: a descriptor on POSIX, a HANDLE on Windows.
using FileHandle = std::intptr_t;
constexpr FileHandle kNoFile = -1;

// Opens an existing file for reading and tells its size; other readers, writers and a rename
// of it are not blocked. Throws for a directory ("File access denied") as for a missing file.
struct OpenedFile {
  FileHandle handle = kNoFile;
  std::uint64_t size = 0;
};
OpenedFile OpenForReading(const std::filesystem::path& path);

// Creates `path` for writing, failing if anything stands there: returns kNoFile when a file of
// that name exists (the caller tries another name); throws for any other failure, naming
// `reportAs`.
FileHandle CreateNew(const std::filesystem::path& path, const std::filesystem::path& reportAs);

// Reads up to `count` bytes at `offset`; fewer only at the end of the file (0 past it).
std::size_t ReadAt(FileHandle file, std::uint64_t offset, std::uint8_t* buffer, std::size_t count,
                   const std::filesystem::path& path);

// Writes all `count` bytes at the file's current end.
void WriteAll(FileHandle file, const std::uint8_t* data, std::size_t count,
              const std::filesystem::path& reportAs);

// Appends up to `count` bytes of `from`, starting at `offset`, to the end of `to`: inside the
// kernel where the system can (copy_file_range), else through a buffer. Returns how many were
// copied, fewer only where `from` ends. A failure names `reportAs`, the file written.
std::uint64_t CopyAt(FileHandle from, std::uint64_t offset, FileHandle to, std::uint64_t count,
                     const std::filesystem::path& reportAs);

// Stores the file's bytes on the disk itself (fsync, FlushFileBuffers): after it returns, a
// power cut does not lose them.
void FlushToDisk(FileHandle file, const std::filesystem::path& reportAs);

// Close reports a failure; CloseQuietly is for a file being abandoned anyway.
void Close(FileHandle file, const std::filesystem::path& reportAs);
void CloseQuietly(FileHandle file) noexcept;

// Renames `from` to `to`, replacing a file at `to` in one step; names `to` in a failure. On
// Windows the rename itself is written through to the disk.
void ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to);

// Keeps the file at `path` under the second name `earlier` as well (a hard link), so that it
// outlives being replaced at `path`. Where the file system has no hard links (FAT, for one), or
// allows none to this file, `earlier` is made a copy of it instead. `path` names the file all
// along. Returns false, doing nothing, when no file stands at `path`. A failure names `path`.
bool KeepUnderSecondName(const std::filesystem::path& path, const std::filesystem::path& earlier);

// Stores a directory's entries (the renames into it) on the disk. Only POSIX needs it; a file
// system that cannot flush a directory is not an error.
void FlushDirectory(const std::filesystem::path& directory);

void RemoveQuietly(const std::filesystem::path& path) noexcept;

struct FileStatus {
  bool exists = false;
  bool directory = false;
  bool writable = true;        // false for a write-protected (read-only) file
  std::uint32_t modeBits = 0;  // POSIX permission bits; 0 on Windows
};
// What stands at `path`, following links; a path that cannot be looked at reads as absent.
FileStatus StatusOf(const std::filesystem::path& path);

// Gives a freshly created file the permission bits of the file it will replace (POSIX only).
void CopyModeBits(FileHandle file, const FileStatus& replaced);

// True when both paths reach the same existing file (through links, other spellings).
bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b);

// The program's arguments as UTF-8: on Windows taken from the wide command line (the narrow
// argv holds them in the ANSI code page), elsewhere argv as given.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace zarkel::platform
