// Every file the editor writes goes through OutputFile: the bytes go to a temporary file beside
// the target (".NAME.zarkel-XXXXXXXXXXXX.tmp"), and only Commit renames it into place. An
// OutputFile dropped without a commit removes its temporary, so a failed operation leaves no new
// file, no temporary, and whatever stood at the target exactly as it was. Commit flushes the
// temporary to the disk before the rename and the directory after it (as QSaveFile and SQLite
// do), so that after a power cut the target holds either its earlier bytes or all the new ones,
// never an empty or partial file.
//
// Several outputs of one operation are put in place all or nothing (CommitTogether): the file
// each replaces is kept under a second name (".NAME.zarkel-earlier-XXXXXXXXXXXX.bak") until every
// one is in place, and put back if any step fails. Only a machine that stops half-way leaves such
// a file behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "base/platform_file.h"
#include "base/source_file.h"

namespace zarkel {

class OutputFile {
 public:
  // Creates the temporary beside `target`. Throws Refusal when the folder is missing or `target`
  // names a folder, IoError when the folder is not writable or an existing target is
  // write-protected.
  explicit OutputFile(std::filesystem::path target);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Appends bytes. Throws IoError when the system refuses them (a full disk, for instance).
  void Write(const std::uint8_t* data, std::size_t count);
  void Write(std::string_view text);

  // Appends the `count` bytes of `source` at `offset`, as writes of `chunk` bytes each would
  // (the write hook sees every chunk), but with the bytes moved by the system in one go where
  // it can, not through memory. A source that ends early gives only the bytes it has; the end
  // is where it ended when it was opened. Returns the bytes appended.
  std::uint64_t CopyFrom(SourceFile& source, std::uint64_t offset, std::uint64_t count,
                         std::size_t chunk);

  std::uint64_t BytesWritten() const { return written_; }
  const std::filesystem::path& Target() const { return target_; }

  // Writes the last bytes, flushes the temporary to the disk and closes it; throws IoError if
  // the bytes cannot be stored.
  void Finish();
  // Finish, rename the temporary over the target, flush the directory.
  void Commit();

  // For tests: called before every Write with the target, the offset the bytes would go to and
  // their count. A non-zero result is taken as the system error number of a failed write, so a
  // test can make any write fail (ENOSPC behaves as a full disk) and watch the chunks written.
  using WriteHook = std::function<int(const std::filesystem::path& target, std::uint64_t offset,
                                      std::size_t count)>;
  static void SetWriteHookForTesting(WriteHook hook);

  // For tests: called before each step that puts outputs in place: Flush (an output's bytes to
  // the disk, with its target), Rename (its temporary over the target, the earlier file kept)
  // and DirectoryFlush (once per directory, after the renames, with the directory). A non-zero
  // result is taken as the system error number of that step failing, so a test can watch the
  // order of the steps and make any of them fail. Putting earlier files back after a failure is
  // not a step: it must not fail on the test's word.
  enum class CommitStep { Flush, Rename, DirectoryFlush };
  using CommitHook =
      std::function<int(CommitStep step, const std::filesystem::path& targetOrDirectory)>;
  static void SetCommitHookForTesting(CommitHook hook);

  // For tests: what renames this output's temporary over its target, in place of the system's
  // rename (platform::ReplaceWith). It is called after the file it replaces has been kept under
  // its second name, so a test can fail the rename itself there, as the system would.
  using Rename =
      std::function<void(const std::filesystem::path& from, const std::filesystem::path& to)>;
  void SetRenameForTesting(Rename rename) { rename_ = std::move(rename); }

 private:
  friend void CommitTogether(const std::vector<OutputFile*>& outputs);
  void WriteBuffer();
  void Discard() noexcept;
  // Renames the temporary over the target, keeping the file it replaces under `earlier_`.
  void Publish();
  // Puts back what stood at the target before Publish: the earlier file, or nothing.
  void Unpublish() noexcept;
  // Once every output of the operation is in place: the earlier file goes.
  void DropEarlier() noexcept;

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::filesystem::path earlier_;  // the file the target replaced; empty when it replaced none
  Rename rename_ = platform::ReplaceWith;
  platform::FileHandle file_ = platform::kNoFile;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t buffered_ = 0;
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

// True when `a` and `b` name the same existing file, by path or by another way to reach it
// (a link, "..", a different spelling of the same directory).
bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace zarkel
