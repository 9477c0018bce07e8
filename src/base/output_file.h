// Every file the editor writes goes through OutputFile: the bytes go to a temporary file beside
// the target (".NAME.zarkel-XXXXXXXXXXXX.tmp"), and only Commit renames it into place. An
// OutputFile dropped without a commit removes its temporary, so a failed operation leaves no new
// file, no temporary, and whatever stood at the target exactly as it was. Commit stores the
// temporary for good before the rename and flushes the folder after it (as QSaveFile and SQLite
// do), so that after a power cut the target holds either its earlier bytes or all the new ones,
// never an empty or partial file.
//
// Several outputs of one operation are put in place all or nothing (CommitTogether): the file
// each replaces is kept under a second name (".NAME.zarkel-earlier-XXXXXXXXXXXX.bak") until every
// one is in place, and put back if any step fails. Only a machine that stops half-way leaves such
// a file behind.
//
// The files are those of the FileSystem given: the disk's, the page's, or a test's that records
// each step and fails any of them on demand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "base/file_system.h"
#include "base/source_file.h"

namespace zarkel {

class OutputFile {
 public:
  // Creates the temporary beside `target` in `files`. Throws Refusal when the folder is missing
  // or `target` names a folder, IoError when the folder is not writable or an existing target is
  // write-protected.
  OutputFile(FileSystem& files, std::filesystem::path target);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Appends bytes. Throws IoError when the system refuses them (a full disk, for instance).
  void Write(const std::uint8_t* data, std::size_t count);
  void Write(std::string_view text);

  // Appends the `count` bytes of `source` at `offset`, as writes of `chunk` bytes each would,
  // but with the bytes moved by the system in one go where it can, not through memory. A source
  // that ends early gives only the bytes it has; the end is where it ended when it was opened.
  // Returns the bytes appended.
  std::uint64_t CopyFrom(SourceFile& source, std::uint64_t offset, std::uint64_t count,
                         std::size_t chunk);

  std::uint64_t BytesWritten() const { return written_; }
  const std::filesystem::path& Target() const { return target_; }

  // Writes the last bytes, flushes the temporary to the disk and closes it; throws IoError if
  // the bytes cannot be stored.
  void Finish();
  // Finish, rename the temporary over the target, flush the directory.
  void Commit();

 private:
  friend void CommitTogether(const std::vector<OutputFile*>& outputs);
  void Discard() noexcept;
  // Renames the temporary over the target, keeping the file it replaces under `earlier_`.
  void Publish();
  // Puts back what stood at the target before Publish: the earlier file, or nothing.
  void Unpublish() noexcept;
  // Once every output of the operation is in place: the earlier file goes.
  void DropEarlier() noexcept;

  FileSystem& files_;
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::filesystem::path earlier_;  // the file the target replaced; empty when it replaced none
  std::unique_ptr<WritableFile> file_;
  std::uint64_t written_ = 0;
  bool finished_ = false;
  bool published_ = false;
};

// Commits several outputs of one operation together: every one is finished (and flushed to the
// disk) first, so a failure while storing any of them leaves all targets untouched; then each is
// renamed into place, its earlier file kept, and each directory they went into is flushed once.
// A failure of any rename or flush puts back every earlier file and removes every new one, so
// the folders hold what they held before; only then are the earlier files removed.
void CommitTogether(const std::vector<OutputFile*>& outputs);

}  // namespace zarkel
