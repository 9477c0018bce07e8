// Where the editor's files are: every read and every write of the core goes through a FileSystem
// object handed to it, never to the system directly. There are three:
//  - DiskFileSystem() (disk_file_system.cpp): the system's files through the platform layer,
//    each write stored on the disk before it is renamed into place;
//  - the page's (web/module/page_files.*): the files the user gave the page and the files a
//    write hands back to it, in memory, under the names the user knows them by;
//  - the tests' (tests/support/recording_file_system.h): the disk's, with every append, flush,
//    rename and directory flush recorded in order, and any of them failing on demand.
//
// Every failure throws IoError (or Refusal where the runtime has no word for it), naming the
// path given for the message. OutputFile and SourceFile are built on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/platform_file.h"

namespace zarkel {

// A file open for reading, as it was when opened.
class ReadableFile {
 public:
  virtual ~ReadableFile() = default;
  // The file's size when it was opened.
  virtual std::uint64_t Size() const = 0;
  // Reads up to `count` bytes at `offset`; fewer only at the end of the file (0 past it).
  virtual std::size_t ReadAt(std::uint64_t offset, std::uint8_t* buffer, std::size_t count) = 0;
};

// A file being made: bytes are appended, then Sync stores them and closes it. Dropped without a
// Sync, it is closed as it stands; the file itself stays until removed.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual void Append(const std::uint8_t* data, std::size_t count) = 0;
  // Appends up to `count` bytes of `from`, starting at `offset`, as appends of `chunk` bytes
  // each would, but moved by the system in one go where it can. Returns how many were appended,
  // fewer only where `from` ends.
  virtual std::uint64_t AppendFrom(ReadableFile& from, std::uint64_t offset, std::uint64_t count,
                                   std::size_t chunk) = 0;
  // Every byte appended stored for good (on the disk: a power cut does not lose them), and the
  // file closed. Nothing may be appended after.
  virtual void Sync() = 0;
};

// What stands at a path: whether anything, a folder, write-protected, its permission bits.
using platform::FileStatus;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens an existing file for reading; other readers, writers and a rename of it are not
  // blocked. Throws IoError for a missing file and for a folder.
  virtual std::unique_ptr<ReadableFile> OpenForReading(const std::filesystem::path& path) = 0;

  // Creates `path` for writing, failing if anything stands there: returns none when a file of
  // that name exists (the caller tries another name); throws for any other failure, naming
  // `reportAs`. The new file takes the permission bits of `replacing`, the file it will replace.
  virtual std::unique_ptr<WritableFile> CreateNew(const std::filesystem::path& path,
                                                  const std::filesystem::path& reportAs,
                                                  const FileStatus& replacing) = 0;

  // Renames `from` to `to`, replacing a file at `to` in one step; names `to` in a failure.
  virtual void ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) = 0;

  // Keeps the file at `path` under the second name `earlier` as well, so that it outlives being
  // replaced at `path` (a hard link, or a copy where there are none). Returns false, doing
  // nothing, when no file stands at `path`. A failure names `path`.
  virtual bool KeepUnderSecondName(const std::filesystem::path& path,
                                   const std::filesystem::path& earlier) = 0;

  // Stores a folder's entries (the renames into it) for good. A folder that cannot be flushed
  // is not an error.
  virtual void SyncFolder(const std::filesystem::path& folder) = 0;

  virtual void RemoveQuietly(const std::filesystem::path& path) noexcept = 0;

  // What stands at `path`, following links; a path that cannot be looked at reads as absent.
  virtual FileStatus StatusOf(const std::filesystem::path& path) = 0;
  // True for a link, also one that leads nowhere.
  virtual bool IsLink(const std::filesystem::path& path) = 0;

  // The path a relative `path` stands for: on the disk, taken from the working folder.
  virtual std::filesystem::path Absolute(const std::filesystem::path& path) = 0;

  // `folder` with every link on its way resolved, as far as it exists; empty when it cannot be
  // resolved.
  virtual std::filesystem::path ResolvedFolder(const std::filesystem::path& folder) = 0;

  // True when both paths reach the same existing file (through links, other spellings).
  virtual bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) = 0;

  // The names in `folder` (an empty path: the working folder); none when it cannot be listed.
  virtual std::vector<std::filesystem::path> NamesIn(const std::filesystem::path& folder) = 0;
};

// The system's files.
FileSystem& DiskFileSystem();

}  // namespace zarkel
