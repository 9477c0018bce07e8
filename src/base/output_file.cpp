#include "base/output_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "base/errors.h"
#include "base/utf8_path.h"

namespace zarkel {

namespace {

std::string RandomSuffix() {
  static std::mt19937_64 generator{std::random_device{}()};
  static const char kDigits[] = "0123456789abcdef";
  std::string suffix;
  std::uint64_t bits = generator();
  for (int i = 0; i < 12; ++i, bits >>= 4)
    suffix += kDigits[bits & 0xF];
  return suffix;
}

// A hidden name beside `target` that says what the file is:
// ".cchina.scn.zarkel-<what><12 hexadecimal digits><end>".
std::filesystem::path NameBeside(const std::filesystem::path& target, const char* what,
                                 const char* end) {
  return target.parent_path() / PathFromUtf8("." + Utf8FromPath(target.filename()) + ".zarkel-" +
                                             what + RandomSuffix() + end);
}

std::vector<std::filesystem::path> DirectoriesOf(const std::vector<OutputFile*>& outputs) {
  std::vector<std::filesystem::path> directories;
  for (const OutputFile* output : outputs) {
    std::filesystem::path directory = output->Target().parent_path();
    if (std::find(directories.begin(), directories.end(), directory) == directories.end())
      directories.push_back(std::move(directory));
  }
  return directories;
}

// After renames, each directory they went into is flushed once, so that the new names survive
// a power cut as the bytes behind them do.
void FlushDirectories(FileSystem& files, const std::vector<OutputFile*>& outputs) {
  for (const std::filesystem::path& directory : DirectoriesOf(outputs))
    files.SyncFolder(directory);
}

// The same after the earlier files were put back; the failure being reported is the one that
// made them go back.
void FlushDirectoriesQuietly(FileSystem& files, const std::vector<OutputFile*>& outputs) noexcept {
  for (const std::filesystem::path& directory : DirectoriesOf(outputs)) {
    try {
      files.SyncFolder(directory);
    } catch (...) {
    }
  }
}

// Puts the earlier file back at `target`. Should even that fail, it stays under its name beside
// the target, where a person finds it.
void RestoreQuietly(FileSystem& files, const std::filesystem::path& earlier,
                    const std::filesystem::path& target) noexcept {
  try {
    files.ReplaceWith(earlier, target);
  } catch (...) {
  }
}

}  // namespace

OutputFile::OutputFile(FileSystem& files, std::filesystem::path target)
    : files_(files), target_(std::move(target)) {
  const FileStatus replaced = files_.StatusOf(target_);
  if (replaced.directory)
    throw FolderNotFile(target_);
  // A file the user has write-protected is not replaced behind their back.
  if (replaced.exists && !replaced.writable)
    throw IoError::FromSystemError(EACCES, target_);

  try {
    for (int attempt = 0; attempt < 16 && !file_; ++attempt) {
      temporary_ = NameBeside(target_, "", ".tmp");
      file_ = files_.CreateNew(temporary_, target_, replaced);
    }
  } catch (const IoError&) {
    const std::filesystem::path folder = target_.parent_path();
    if (!folder.empty() && !files_.StatusOf(folder).exists)
      throw MissingFolder(folder);
    throw;
  }
  if (!file_) {
    temporary_.clear();
    throw IoError::FromSystemError(EEXIST, target_);
  }
}

OutputFile::~OutputFile() {
  Discard();
}

void OutputFile::Discard() noexcept {
  file_.reset();
  if (!published_ && !temporary_.empty()) {
    files_.RemoveQuietly(temporary_);
    temporary_.clear();
  }
}

void OutputFile::Write(const std::uint8_t* data, std::size_t count) {
  if (finished_)
    throw IoError::FromSystemError(EBADF, target_);
  file_->Append(data, count);
  written_ += count;
}

std::uint64_t OutputFile::CopyFrom(SourceFile& source, std::uint64_t offset, std::uint64_t count,
                                   std::size_t chunk) {
  if (finished_)
    throw IoError::FromSystemError(EBADF, target_);
  const std::uint64_t available =
      offset >= source.Size() ? 0 : std::min(count, source.Size() - offset);
  const std::uint64_t copied = file_->AppendFrom(*source.file_, offset, available, chunk);
  written_ += copied;
  return copied;
}

void OutputFile::Write(std::string_view text) {
  Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void OutputFile::Finish() {
  if (finished_)
    return;
  file_->Sync();
  file_.reset();
  finished_ = true;
}

void OutputFile::Publish() {
  const std::filesystem::path earlier = NameBeside(target_, "earlier-", ".bak");
  const bool kept = files_.KeepUnderSecondName(target_, earlier);
  try {
    files_.ReplaceWith(temporary_, target_);
  } catch (...) {
    if (kept)
      files_.RemoveQuietly(earlier);  // the target is still the earlier file
    throw;
  }
  if (kept)
    earlier_ = earlier;
  published_ = true;
  temporary_.clear();
}

void OutputFile::Unpublish() noexcept {
  if (!published_)
    return;
  if (earlier_.empty()) {
    files_.RemoveQuietly(target_);
  } else {
    RestoreQuietly(files_, earlier_, target_);
    earlier_.clear();
  }
  published_ = false;
}

void OutputFile::DropEarlier() noexcept {
  if (!earlier_.empty())
    files_.RemoveQuietly(earlier_);
  earlier_.clear();
}

void OutputFile::Commit() {
  CommitTogether({this});
}

void CommitTogether(const std::vector<OutputFile*>& outputs) {
  if (outputs.empty())
    return;
  // One operation's outputs are all in one file system.
  FileSystem& files = outputs.front()->files_;
  for (OutputFile* output : outputs)
    output->Finish();
  std::size_t published = 0;
  try {
    for (; published < outputs.size(); ++published)
      outputs[published]->Publish();
    FlushDirectories(files, outputs);
  } catch (...) {
    // Back to what the folders held, the last file put in place first.
    while (published > 0)
      outputs[--published]->Unpublish();
    FlushDirectoriesQuietly(files, outputs);
    throw;
  }
  for (OutputFile* output : outputs)
    output->DropEarlier();
}

}  // namespace zarkel
