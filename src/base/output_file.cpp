#include "base/output_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "base/errors.h"
#include "base/platform_file.h"
#include "base/utf8_path.h"

namespace zarkel {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

OutputFile::WriteHook& Hook() {
  static OutputFile::WriteHook hook;
  return hook;
}

OutputFile::CommitHook& StepHook() {
  static OutputFile::CommitHook hook;
  return hook;
}

// Lets a test fail a step of putting outputs in place as the system would.
void BeforeStep(OutputFile::CommitStep step, const std::filesystem::path& path) {
  if (StepHook()) {
    if (const int failure = StepHook()(step, path))
      throw IoError::FromSystemError(failure, path);
  }
}

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
void FlushDirectories(const std::vector<OutputFile*>& outputs) {
  for (const std::filesystem::path& directory : DirectoriesOf(outputs)) {
    BeforeStep(OutputFile::CommitStep::DirectoryFlush, directory);
    platform::FlushDirectory(directory);
  }
}

// The same after the earlier files were put back; the failure being reported is the one that
// made them go back.
void FlushDirectoriesQuietly(const std::vector<OutputFile*>& outputs) noexcept {
  for (const std::filesystem::path& directory : DirectoriesOf(outputs)) {
    try {
      platform::FlushDirectory(directory);
    } catch (...) {
    }
  }
}

// Puts the earlier file back at `target`. Should even that fail, it stays under its name beside
// the target, where a person finds it.
void RestoreQuietly(const std::filesystem::path& earlier,
                    const std::filesystem::path& target) noexcept {
  try {
    platform::ReplaceWith(earlier, target);
  } catch (...) {
  }
}

}  // namespace

void OutputFile::SetWriteHookForTesting(WriteHook hook) {
  Hook() = std::move(hook);
}

void OutputFile::SetCommitHookForTesting(CommitHook hook) {
  StepHook() = std::move(hook);
}

OutputFile::OutputFile(std::filesystem::path target) : target_(std::move(target)) {
  const platform::FileStatus replaced = platform::StatusOf(target_);
  if (replaced.directory)
    throw FolderNotFile(target_);
  // A file the user has write-protected is not replaced behind their back.
  if (replaced.exists && !replaced.writable)
    throw IoError::FromSystemError(EACCES, target_);

  buffer_.reset(new std::uint8_t[kBufferSize]);  // uninitialised: pages are touched as filled
  try {
    for (int attempt = 0; attempt < 16 && file_ == platform::kNoFile; ++attempt) {
      temporary_ = NameBeside(target_, "", ".tmp");
      file_ = platform::CreateNew(temporary_, target_);
    }
  } catch (const IoError&) {
    const std::filesystem::path folder = target_.parent_path();
    if (!folder.empty() && !platform::StatusOf(folder).exists)
      throw MissingFolder(folder);
    throw;
  }
  if (file_ == platform::kNoFile) {
    temporary_.clear();
    throw IoError::FromSystemError(EEXIST, target_);
  }
  platform::CopyModeBits(file_, replaced);
}

OutputFile::~OutputFile() {
  Discard();
}

void OutputFile::Discard() noexcept {
  if (file_ != platform::kNoFile) {
    platform::CloseQuietly(file_);
    file_ = platform::kNoFile;
  }
  if (!published_ && !temporary_.empty()) {
    platform::RemoveQuietly(temporary_);
    temporary_.clear();
  }
}

void OutputFile::Write(const std::uint8_t* data, std::size_t count) {
  if (Hook()) {
    const int failure = Hook()(target_, written_, count);
    if (failure != 0)
      throw IoError::FromSystemError(failure, target_);
  }
  if (finished_)
    throw IoError::FromSystemError(EBADF, target_);
  while (count > 0) {
    if (buffered_ == kBufferSize)
      WriteBuffer();
    const std::size_t take = std::min(count, kBufferSize - buffered_);
    std::memcpy(buffer_.get() + buffered_, data, take);
    buffered_ += take;
    data += take;
    count -= take;
    written_ += take;
  }
}

std::uint64_t OutputFile::CopyFrom(SourceFile& source, std::uint64_t offset, std::uint64_t count,
                                   std::size_t chunk) {
  const std::uint64_t available =
      offset >= source.Size() ? 0 : std::min(count, source.Size() - offset);
  if (Hook()) {
    for (std::uint64_t at = 0; at < available; at += chunk) {
      const std::size_t piece =
          static_cast<std::size_t>(std::min<std::uint64_t>(chunk, available - at));
      if (const int failure = Hook()(target_, written_ + at, piece))
        throw IoError::FromSystemError(failure, target_);
    }
  }
  if (finished_)
    throw IoError::FromSystemError(EBADF, target_);
  WriteBuffer();  // the bytes before these go first
  const std::uint64_t copied = platform::CopyAt(source.file_, offset, file_, available, target_);
  written_ += copied;
  return copied;
}

void OutputFile::Write(std::string_view text) {
  Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void OutputFile::WriteBuffer() {
  platform::WriteAll(file_, buffer_.get(), buffered_, target_);
  buffered_ = 0;
}

void OutputFile::Finish() {
  if (finished_)
    return;
  WriteBuffer();
  BeforeStep(CommitStep::Flush, target_);
  platform::FlushToDisk(file_, target_);
  const platform::FileHandle file = file_;
  file_ = platform::kNoFile;
  platform::Close(file, target_);
  finished_ = true;
}

void OutputFile::Publish() {
  BeforeStep(CommitStep::Rename, target_);
  const std::filesystem::path earlier = NameBeside(target_, "earlier-", ".bak");
  const bool kept = platform::KeepUnderSecondName(target_, earlier);
  try {
    rename_(temporary_, target_);
  } catch (...) {
    if (kept)
      platform::RemoveQuietly(earlier);  // the target is still the earlier file
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
    platform::RemoveQuietly(target_);
  } else {
    RestoreQuietly(earlier_, target_);
    earlier_.clear();
  }
  published_ = false;
}

void OutputFile::DropEarlier() noexcept {
  if (!earlier_.empty())
    platform::RemoveQuietly(earlier_);
  earlier_.clear();
}

void OutputFile::Commit() {
  CommitTogether({this});
}

void CommitTogether(const std::vector<OutputFile*>& outputs) {
  for (OutputFile* output : outputs)
    output->Finish();
  std::size_t published = 0;
  try {
    for (; published < outputs.size(); ++published)
      outputs[published]->Publish();
    FlushDirectories(outputs);
  } catch (...) {
    // Back to what the folders held, the last file put in place first.
    while (published > 0)
      outputs[--published]->Unpublish();
    FlushDirectoriesQuietly(outputs);
    throw;
  }
  for (OutputFile* output : outputs)
    output->DropEarlier();
}

bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  return platform::SameExistingFile(a, b);
}

}  // namespace zarkel
