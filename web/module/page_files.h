// The page's files, in memory, under the names the user knows them by, so that every message
// names a file as the user does (`File not found: "absent.scn"`, `Wrote cchina.scn … in
// "downloads"`).
//
// The files the user gave are each under their own name, with no folder. A file the open
// scenario works from keeps the bytes it was read with, whatever is given later under its name
// (a write reads the scenario and its companion files again): the page holds two layers, the
// files as given last and the files in use as read. An opening and a reading of the equipment
// look at the files as given; everything else sees a file in use as it was read.
//
// A write goes into a folder named as the user sees it ("downloads", the zip's name, the folder
// the user picked); its files stay there until the page takes them, to download them or to put
// them into the folder itself.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/file_system.h"

namespace zarkel::web {

class PageFiles : public FileSystem {
 public:
  // A file's bytes and the number the page gave it (0 for a file written here), by which the page
  // finds what it knows of the file (its handle in the user's folder).
  struct PageFile {
    std::string bytes;
    std::int32_t id = 0;
  };
  using Bytes = std::shared_ptr<const PageFile>;

  // The file `name` as the user gave it now; a file given earlier under that name is replaced,
  // except as the file in use it may be.
  void Give(const std::string& name, std::string bytes, std::int32_t id);
  // The number of the file at `path` as a write would read it (a file in use: as read); 0 when
  // there is none.
  std::int32_t IdOf(const std::filesystem::path& path) const;

  // While it lives, reads see the files as given, not as read: for an opening, which reads the
  // files anew. ReadAsGiven then tells which it read.
  class ReadingGiven {
   public:
    explicit ReadingGiven(PageFiles& files) : files_(files) {
      files_.readingGiven_ = true;
      files_.readAsGiven_.clear();
    }
    ~ReadingGiven() { files_.readingGiven_ = false; }
    ReadingGiven(const ReadingGiven&) = delete;
    ReadingGiven& operator=(const ReadingGiven&) = delete;

   private:
    PageFiles& files_;
  };
  // The files opened for reading while the last ReadingGiven lived.
  std::vector<std::filesystem::path> ReadAsGiven() const;
  // The files in use are `inUse` from now on: those of `readNow` as they are given now, the
  // others as they were read before. Called after an opening with every file in use read now,
  // after a reading of the equipment with the equipment files.
  void KeepAsRead(const std::vector<std::filesystem::path>& inUse,
                  const std::vector<std::filesystem::path>& readNow);

  // A folder a write may go into.
  void MakeFolder(const std::string& name);
  // The files of a write, taken out of `folder` in the order given: [{name, bytes}]. Throws
  // IoError for a file not there.
  std::vector<std::pair<std::string, Bytes>> TakeWritten(const std::filesystem::path& folder,
                                                         const std::vector<std::string>& names);
  // The folder and whatever a write left in it go.
  void RemoveFolder(const std::string& name);

  std::unique_ptr<ReadableFile> OpenForReading(const std::filesystem::path& path) override;
  std::unique_ptr<WritableFile> CreateNew(const std::filesystem::path& path,
                                          const std::filesystem::path& reportAs,
                                          const FileStatus& replacing) override;
  void ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) override;
  bool KeepUnderSecondName(const std::filesystem::path& path,
                           const std::filesystem::path& earlier) override;
  void SyncFolder(const std::filesystem::path&) override {}
  void RemoveQuietly(const std::filesystem::path& path) noexcept override;
  FileStatus StatusOf(const std::filesystem::path& path) override;
  bool IsLink(const std::filesystem::path&) override { return false; }
  std::filesystem::path Absolute(const std::filesystem::path& path) override { return path; }
  std::filesystem::path ResolvedFolder(const std::filesystem::path& folder) override;
  bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) override;
  std::vector<std::filesystem::path> NamesIn(const std::filesystem::path& folder) override;

 private:
  // A path as the page keeps it: "name" for a file given, "folder/name" for one written.
  static std::string Key(const std::filesystem::path& path);
  // The bytes at `key` as the reader sees them now; none when no file is there.
  const Bytes* Find(const std::string& key) const;

  std::map<std::string, Bytes> given_;  // also the files being written, and written
  std::map<std::string, Bytes> inUse_;  // the files in use, as they were read
  std::set<std::string> making_;        // being written, not yet stored
  std::set<std::string> folders_;
  bool readingGiven_ = false;
  std::set<std::string> readAsGiven_;
};

}  // namespace zarkel::web
