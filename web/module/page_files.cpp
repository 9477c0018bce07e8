#include "page_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

#include "base/errors.h"
#include "base/utf8_path.h"

namespace zarkel::web {

namespace {

class PageReadableFile final : public ReadableFile {
 public:
  explicit PageReadableFile(PageFiles::Bytes bytes) : bytes_(std::move(bytes)) {}
  std::uint64_t Size() const override { return bytes_->bytes.size(); }
  std::size_t ReadAt(std::uint64_t offset, std::uint8_t* buffer, std::size_t count) override {
    const std::string& bytes = bytes_->bytes;
    if (offset >= bytes.size())
      return 0;
    const std::size_t take =
        static_cast<std::size_t>(std::min<std::uint64_t>(count, bytes.size() - offset));
    std::memcpy(buffer, bytes.data() + offset, take);
    return take;
  }

 private:
  PageFiles::Bytes bytes_;  // the file as it was when opened, whatever is given after
};

// Bytes gathered in memory; Sync hands them to `store`, which puts them under the file's name.
class PageWritableFile final : public WritableFile {
 public:
  PageWritableFile(std::function<void(std::string)> store, std::filesystem::path reportAs)
      : store_(std::move(store)), reportAs_(std::move(reportAs)) {}

  void Append(const std::uint8_t* data, std::size_t count) override {
    RequireOpen();
    bytes_.append(reinterpret_cast<const char*>(data), count);
  }

  std::uint64_t AppendFrom(ReadableFile& from, std::uint64_t offset, std::uint64_t count,
                           std::size_t) override {
    RequireOpen();
    const std::uint64_t available =
        offset >= from.Size() ? 0 : std::min<std::uint64_t>(count, from.Size() - offset);
    const std::size_t start = bytes_.size();
    bytes_.resize(start + static_cast<std::size_t>(available));
    const std::size_t got = from.ReadAt(
        offset, reinterpret_cast<std::uint8_t*>(bytes_.data() + start), bytes_.size() - start);
    bytes_.resize(start + got);
    return got;
  }

  void Sync() override {
    RequireOpen();
    store_(std::move(bytes_));
    store_ = nullptr;
  }

 private:
  void RequireOpen() const {
    if (!store_)
      throw IoError::FromSystemError(EBADF, reportAs_);
  }

  std::function<void(std::string)> store_;
  std::filesystem::path reportAs_;
  std::string bytes_;
};

std::string ParentOf(const std::string& key) {
  const std::size_t slash = key.rfind('/');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

std::string NameOf(const std::string& key) {
  const std::size_t slash = key.rfind('/');
  return slash == std::string::npos ? key : key.substr(slash + 1);
}

}  // namespace

std::string PageFiles::Key(const std::filesystem::path& path) {
  std::string key = Utf8FromPath(path.lexically_normal());
  while (key.rfind("./", 0) == 0)
    key.erase(0, 2);
  if (key == ".")
    key.clear();
  while (!key.empty() && key.back() == '/')
    key.pop_back();
  return key;
}

const PageFiles::Bytes* PageFiles::Find(const std::string& key) const {
  if (!readingGiven_) {
    const auto used = inUse_.find(key);
    if (used != inUse_.end())
      return &used->second;
  }
  const auto found = given_.find(key);
  return found == given_.end() ? nullptr : &found->second;
}

void PageFiles::Give(const std::string& name, std::string bytes, std::int32_t id) {
  given_[Key(PathFromUtf8(name))] =
      std::make_shared<const PageFile>(PageFile{std::move(bytes), id});
}

std::int32_t PageFiles::IdOf(const std::filesystem::path& path) const {
  const Bytes* file = Find(Key(path));
  return file ? (*file)->id : 0;
}

void PageFiles::KeepAsRead(const std::vector<std::filesystem::path>& inUse,
                           const std::vector<std::filesystem::path>& readNow) {
  std::map<std::string, Bytes> kept;
  for (const std::filesystem::path& path : inUse) {
    const std::string key = Key(path);
    const bool fresh = std::any_of(readNow.begin(), readNow.end(),
                                   [&](const std::filesystem::path& p) { return Key(p) == key; });
    const auto earlier = inUse_.find(key);
    if (!fresh && earlier != inUse_.end()) {
      kept[key] = earlier->second;
    } else if (const auto given = given_.find(key); given != given_.end()) {
      kept[key] = given->second;
    }
  }
  inUse_ = std::move(kept);
}

std::vector<std::filesystem::path> PageFiles::ReadAsGiven() const {
  std::vector<std::filesystem::path> paths;
  for (const std::string& key : readAsGiven_)
    paths.push_back(PathFromUtf8(key));
  return paths;
}

void PageFiles::MakeFolder(const std::string& name) {
  folders_.insert(Key(PathFromUtf8(name)));
}

std::vector<std::pair<std::string, PageFiles::Bytes>> PageFiles::TakeWritten(
    const std::filesystem::path& folder, const std::vector<std::string>& names) {
  std::vector<std::pair<std::string, Bytes>> taken;
  for (const std::string& name : names) {
    const std::filesystem::path path = folder / PathFromUtf8(name);
    const auto found = given_.find(Key(path));
    if (found == given_.end())
      throw IoError("File not found", path);
    taken.emplace_back(name, found->second);
    given_.erase(found);
  }
  return taken;
}

void PageFiles::RemoveFolder(const std::string& name) {
  const std::string folder = Key(PathFromUtf8(name));
  folders_.erase(folder);
  for (auto it = given_.begin(); it != given_.end();) {
    it = ParentOf(it->first) == folder ? given_.erase(it) : std::next(it);
  }
}

std::unique_ptr<ReadableFile> PageFiles::OpenForReading(const std::filesystem::path& path) {
  const std::string key = Key(path);
  const Bytes* bytes = Find(key);
  if (!bytes)
    throw IoError("File not found", path);
  if (readingGiven_)
    readAsGiven_.insert(key);
  return std::make_unique<PageReadableFile>(*bytes);
}

std::unique_ptr<WritableFile> PageFiles::CreateNew(const std::filesystem::path& path,
                                                   const std::filesystem::path& reportAs,
                                                   const FileStatus&) {
  const std::string key = Key(path);
  if (!StatusOf(path.parent_path()).directory)
    throw IoError("Invalid filename", reportAs);
  if (Find(key) || making_.count(key) > 0)
    return nullptr;
  making_.insert(key);
  return std::make_unique<PageWritableFile>(
      [this, key](std::string bytes) {
        making_.erase(key);
        given_[key] = std::make_shared<const PageFile>(PageFile{std::move(bytes), 0});
      },
      reportAs);
}

void PageFiles::ReplaceWith(const std::filesystem::path& from, const std::filesystem::path& to) {
  const auto found = given_.find(Key(from));
  if (found == given_.end())
    throw IoError("File not found", to);
  Bytes moved = found->second;
  given_.erase(found);
  given_[Key(to)] = std::move(moved);
}

bool PageFiles::KeepUnderSecondName(const std::filesystem::path& path,
                                    const std::filesystem::path& earlier) {
  const auto found = given_.find(Key(path));
  if (found == given_.end())
    return false;
  given_[Key(earlier)] = found->second;
  return true;
}

void PageFiles::RemoveQuietly(const std::filesystem::path& path) noexcept {
  const std::string key = Key(path);
  given_.erase(key);
  making_.erase(key);
}

FileStatus PageFiles::StatusOf(const std::filesystem::path& path) {
  const std::string key = Key(path);
  FileStatus status;
  if (key.empty() || folders_.count(key) > 0) {
    status.exists = true;
    status.directory = true;
  } else if (Find(key)) {
    status.exists = true;
  }
  return status;
}

std::filesystem::path PageFiles::ResolvedFolder(const std::filesystem::path& folder) {
  return PathFromUtf8(Key(folder));
}

bool PageFiles::SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  const std::string key = Key(a);
  return key == Key(b) && Find(key) != nullptr;
}

std::vector<std::filesystem::path> PageFiles::NamesIn(const std::filesystem::path& folder) {
  const std::string wanted = Key(folder);
  std::set<std::string> names;
  for (const auto* layer : {&given_, &inUse_}) {
    for (const auto& [key, bytes] : *layer) {
      if (ParentOf(key) == wanted)
        names.insert(NameOf(key));
    }
  }
  std::vector<std::filesystem::path> paths;
  for (const std::string& name : names)
    paths.push_back(PathFromUtf8(name));
  return paths;
}

}  // namespace zarkel::web
