// The disk's files, with every step a write takes recorded in order, and any step failing on a
// test's word as the system would fail it: a test sees that each file reached the disk before it
// was renamed into place and that its folder was flushed after, watches the chunks a copy is
// made of, and makes a full disk or a failed rename happen where it likes.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/file_system.h"

namespace zarkel::testing {

class RecordingFileSystem : public FileSystem {
 public:
  struct Step {
    enum class Kind {
      Append,      // bytes appended to `path` (a temporary), written for `target`
      Sync,        // `path` stored for good and closed, written for `target`
      Rename,      // `path` renamed over `target`
      FolderSync,  // the folder `path` (= `target`) flushed
    };
    Kind kind = Kind::Append;
    std::filesystem::path path;
    std::filesystem::path target;
    std::uint64_t offset = 0;  // Append: where the bytes go in the file
    std::size_t count = 0;     // Append: how many
  };

  // Asked before every step; a non-zero answer is the system error number the step fails with
  // (ENOSPC: the disk is full), and the step is not made.
  std::function<int(const Step&)> failing;
  // The steps made, in order; a failed one is not among them.
  std::vector<Step> steps;

  // The steps of one kind, each as the file name of its target.
  std::vector<std::string> TargetsOf(Step::Kind kind) const {
    std::vector<std::string> names;
    for (const Step& step : steps) {
      if (step.kind == kind)
        names.push_back(step.target.filename().string());
    }
    return names;
  }

  std::unique_ptr<ReadableFile> OpenForReading(const std::filesystem::path& path) override {
    return disk_.OpenForReading(path);
  }

  std::unique_ptr<WritableFile> CreateNew(const std::filesystem::path& path,
                                          const std::filesystem::path& reportAs,
                                          const FileStatus& replacing) override {
    std::unique_ptr<WritableFile> file = disk_.CreateNew(path, reportAs, replacing);
    if (!file)
      return nullptr;
    return std::make_unique<Recorded>(*this, std::move(file), path, reportAs);
  }

  void ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) override {
    Take({Step::Kind::Rename, from, to}, [&] { disk_.ReplaceWith(from, to); });
  }

  bool KeepUnderSecondName(const std::filesystem::path& path,
                           const std::filesystem::path& earlier) override {
    return disk_.KeepUnderSecondName(path, earlier);
  }

  void SyncFolder(const std::filesystem::path& folder) override {
    Take({Step::Kind::FolderSync, folder, folder}, [&] { disk_.SyncFolder(folder); });
  }

  void RemoveQuietly(const std::filesystem::path& path) noexcept override {
    disk_.RemoveQuietly(path);
  }
  FileStatus StatusOf(const std::filesystem::path& path) override { return disk_.StatusOf(path); }
  bool IsLink(const std::filesystem::path& path) override { return disk_.IsLink(path); }
  std::filesystem::path Absolute(const std::filesystem::path& path) override {
    return disk_.Absolute(path);
  }
  std::filesystem::path ResolvedFolder(const std::filesystem::path& folder) override {
    return disk_.ResolvedFolder(folder);
  }
  bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) override {
    return disk_.SameExistingFile(a, b);
  }
  std::vector<std::filesystem::path> NamesIn(const std::filesystem::path& folder) override {
    return disk_.NamesIn(folder);
  }

 private:
  template <typename Work>
  void Take(Step step, Work&& work) {
    if (failing) {
      if (const int failure = failing(step))
        throw IoError::FromSystemError(failure, step.target);
    }
    work();
    steps.push_back(std::move(step));
  }

  class Recorded : public WritableFile {
   public:
    Recorded(RecordingFileSystem& owner, std::unique_ptr<WritableFile> file,
             std::filesystem::path path, std::filesystem::path target)
        : owner_(owner),
          file_(std::move(file)),
          path_(std::move(path)),
          target_(std::move(target)) {}

    void Append(const std::uint8_t* data, std::size_t count) override {
      Step step{Step::Kind::Append, path_, target_, size_, count};
      owner_.Take(step, [&] { file_->Append(data, count); });
      size_ += count;
    }

    // Each chunk is a step of its own, as the writes it stands for would be; the bytes then go
    // in one go.
    std::uint64_t AppendFrom(ReadableFile& from, std::uint64_t offset, std::uint64_t count,
                             std::size_t chunk) override {
      const std::uint64_t available =
          offset >= from.Size() ? 0 : std::min<std::uint64_t>(count, from.Size() - offset);
      std::vector<Step> pieces;
      for (std::uint64_t at = 0; at < available; at += std::max<std::size_t>(chunk, 1)) {
        const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(chunk, available - at));
        pieces.push_back({Step::Kind::Append, path_, target_, size_ + at, piece});
        if (owner_.failing) {
          if (const int failure = owner_.failing(pieces.back()))
            throw IoError::FromSystemError(failure, target_);
        }
      }
      const std::uint64_t copied = file_->AppendFrom(from, offset, count, chunk);
      owner_.steps.insert(owner_.steps.end(), pieces.begin(), pieces.end());
      size_ += copied;
      return copied;
    }

    void Sync() override {
      owner_.Take({Step::Kind::Sync, path_, target_}, [&] { file_->Sync(); });
    }

   private:
    RecordingFileSystem& owner_;
    std::unique_ptr<WritableFile> file_;
    std::filesystem::path path_;
    std::filesystem::path target_;
    std::uint64_t size_ = 0;
  };

  FileSystem& disk_ = DiskFileSystem();
};

}  // namespace zarkel::testing
