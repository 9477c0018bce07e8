// The system's files, through the platform layer. Appends are gathered in a buffer, so that the
// many small writes of a scenario cost one system call per 64 KiB.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "base/errors.h"
#include "base/file_system.h"
#include "base/platform_file.h"

namespace zarkel {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

class DiskReadableFile final : public ReadableFile {
 public:
  DiskReadableFile(platform::OpenedFile opened, std::filesystem::path path)
      : opened_(opened), path_(std::move(path)) {}
  ~DiskReadableFile() override { platform::CloseQuietly(opened_.handle); }

  std::uint64_t Size() const override { return opened_.size; }
  std::size_t ReadAt(std::uint64_t offset, std::uint8_t* buffer, std::size_t count) override {
    return platform::ReadAt(opened_.handle, offset, buffer, count, path_);
  }
  platform::FileHandle Handle() const { return opened_.handle; }

 private:
  platform::OpenedFile opened_;
  std::filesystem::path path_;
};

class DiskWritableFile final : public WritableFile {
 public:
  DiskWritableFile(platform::FileHandle file, std::filesystem::path reportAs)
      : file_(file), reportAs_(std::move(reportAs)) {
    // Left uninitialised: pages are touched only as they are filled.
    buffer_.reset(new std::uint8_t[kBufferSize]);
  }
  ~DiskWritableFile() override {
    if (file_ != platform::kNoFile)
      platform::CloseQuietly(file_);
  }

  void Append(const std::uint8_t* data, std::size_t count) override {
    RequireOpen();
    while (count > 0) {
      if (buffered_ == kBufferSize)
        WriteBuffer();
      const std::size_t take = std::min(count, kBufferSize - buffered_);
      std::memcpy(buffer_.get() + buffered_, data, take);
      buffered_ += take;
      data += take;
      count -= take;
    }
  }

  std::uint64_t AppendFrom(ReadableFile& from, std::uint64_t offset, std::uint64_t count,
                           std::size_t chunk) override {
    RequireOpen();
    WriteBuffer();  // the bytes before these go first
    if (auto* disk = dynamic_cast<DiskReadableFile*>(&from))
      return platform::CopyAt(disk->Handle(), offset, file_, count, reportAs_);
    // Another file system's file: through memory, a chunk at a time.
    std::uint64_t done = 0;
    std::unique_ptr<std::uint8_t[]> piece(new std::uint8_t[std::max<std::size_t>(chunk, 1)]);
    while (done < count) {
      const std::size_t want = static_cast<std::size_t>(
          std::min<std::uint64_t>(std::max<std::size_t>(chunk, 1), count - done));
      const std::size_t got = from.ReadAt(offset + done, piece.get(), want);
      if (got == 0)
        break;
      platform::WriteAll(file_, piece.get(), got, reportAs_);
      done += got;
    }
    return done;
  }

  void Sync() override {
    RequireOpen();
    WriteBuffer();
    platform::FlushToDisk(file_, reportAs_);
    const platform::FileHandle file = file_;
    file_ = platform::kNoFile;
    platform::Close(file, reportAs_);
  }

 private:
  void RequireOpen() const {
    if (file_ == platform::kNoFile)
      throw IoError::FromSystemError(EBADF, reportAs_);
  }
  void WriteBuffer() {
    platform::WriteAll(file_, buffer_.get(), buffered_, reportAs_);
    buffered_ = 0;
  }

  platform::FileHandle file_;
  std::filesystem::path reportAs_;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t buffered_ = 0;
};

class Disk final : public FileSystem {
 public:
  std::unique_ptr<ReadableFile> OpenForReading(const std::filesystem::path& path) override {
    return std::make_unique<DiskReadableFile>(platform::OpenForReading(path), path);
  }

  std::unique_ptr<WritableFile> CreateNew(const std::filesystem::path& path,
                                          const std::filesystem::path& reportAs,
                                          const FileStatus& replacing) override {
    const platform::FileHandle file = platform::CreateNew(path, reportAs);
    if (file == platform::kNoFile)
      return nullptr;
    auto created = std::make_unique<DiskWritableFile>(file, reportAs);
    platform::CopyModeBits(file, replacing);
    return created;
  }

  void ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) override {
    platform::ReplaceWith(from, to);
  }

  bool KeepUnderSecondName(const std::filesystem::path& path,
                           const std::filesystem::path& earlier) override {
    return platform::KeepUnderSecondName(path, earlier);
  }

  void SyncFolder(const std::filesystem::path& folder) override {
    platform::FlushDirectory(folder);
  }

  void RemoveQuietly(const std::filesystem::path& path) noexcept override {
    platform::RemoveQuietly(path);
  }

  FileStatus StatusOf(const std::filesystem::path& path) override {
    return platform::StatusOf(path);
  }

  bool IsLink(const std::filesystem::path& path) override {
    std::error_code ignored;
    return std::filesystem::is_symlink(path, ignored);
  }

  std::filesystem::path Absolute(const std::filesystem::path& path) override {
    return std::filesystem::absolute(path);
  }

  std::filesystem::path ResolvedFolder(const std::filesystem::path& folder) override {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(folder, error);
    if (error)
      resolved.clear();
    return resolved;
  }

  bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) override {
    return platform::SameExistingFile(a, b);
  }

  std::vector<std::filesystem::path> NamesIn(const std::filesystem::path& folder) override {
    std::vector<std::filesystem::path> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end;
         !error && it != end; it.increment(error)) {
      names.push_back(it->path().filename());
    }
    return names;
  }
};

}  // namespace

FileSystem& DiskFileSystem() {
  static Disk disk;
  return disk;
}

}  // namespace zarkel
