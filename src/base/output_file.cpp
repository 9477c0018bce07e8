#include "base/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>
#include <system_error>

#include "base/errors.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zarkel {

namespace {

constexpr std::size_t kBufferSize = 64 * 1024;

OutputFile::WriteHook& Hook() {
  static OutputFile::WriteHook hook;
  return hook;
}

#ifdef _WIN32
int CreateExclusive(const std::filesystem::path& path, int mode) {
  return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, mode & 0600);
}
long long WriteSome(int fd, const std::uint8_t* data, std::size_t count) {
  return _write(fd, data, static_cast<unsigned>(count));
}
int CloseDescriptor(int fd) {
  return _close(fd);
}
void ApplyMode(int, int) {}
#else
int CreateExclusive(const std::filesystem::path& path, int mode) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  return fd;
}
long long WriteSome(int fd, const std::uint8_t* data, std::size_t count) {
  ssize_t put;
  do {
    put = ::write(fd, data, count);
  } while (put < 0 && errno == EINTR);
  return put;
}
int CloseDescriptor(int fd) {
  return ::close(fd);
}
void ApplyMode(int fd, int mode) {
  (void)::fchmod(fd, static_cast<mode_t>(mode));
}
#endif

std::string RandomSuffix() {
  static std::mt19937_64 generator{std::random_device{}()};
  static const char kDigits[] = "0123456789abcdef";
  std::string suffix;
  std::uint64_t bits = generator();
  for (int i = 0; i < 12; ++i, bits >>= 4)
    suffix += kDigits[bits & 0xF];
  return suffix;
}

}  // namespace

void OutputFile::SetWriteHookForTesting(WriteHook hook) {
  Hook() = std::move(hook);
}

OutputFile::OutputFile(std::filesystem::path target) : target_(std::move(target)) {
  std::error_code error;
  const auto status = std::filesystem::status(target_, error);
  int mode = 0666;
  if (!error && std::filesystem::exists(status)) {
    if (std::filesystem::is_directory(status))
      throw IoError::FromSystemError(EISDIR, target_);
    // A file the user has write-protected is not replaced behind their back.
    if ((status.permissions() & std::filesystem::perms::owner_write) ==
        std::filesystem::perms::none) {
      throw IoError::FromSystemError(EACCES, target_);
    }
    mode = static_cast<int>(status.permissions() & std::filesystem::perms::mask);
  }

  const std::filesystem::path directory = target_.parent_path();
  const std::string stem = "." + target_.filename().string() + ".zarkel-";
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary_ = directory / (stem + RandomSuffix() + ".tmp");
    descriptor_ = CreateExclusive(temporary_, 0666);
    if (descriptor_ >= 0 || errno != EEXIST)
      break;
  }
  if (descriptor_ < 0) {
    const int failure = errno;
    temporary_.clear();
    throw IoError::FromSystemError(failure, target_);
  }
  if (mode != 0666)
    ApplyMode(descriptor_, mode);
  buffer_ = std::make_unique<std::uint8_t[]>(kBufferSize);
}

OutputFile::~OutputFile() {
  Discard();
}

void OutputFile::Discard() noexcept {
  if (descriptor_ >= 0) {
    CloseDescriptor(descriptor_);
    descriptor_ = -1;
  }
  if (!published_ && !temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
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
      Flush();
    const std::size_t take = std::min(count, kBufferSize - buffered_);
    std::memcpy(buffer_.get() + buffered_, data, take);
    buffered_ += take;
    data += take;
    count -= take;
    written_ += take;
  }
}

void OutputFile::Write(std::string_view text) {
  Write(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

void OutputFile::Flush() {
  std::size_t done = 0;
  while (done < buffered_) {
    const long long put = WriteSome(descriptor_, buffer_.get() + done, buffered_ - done);
    if (put < 0)
      throw IoError::FromSystemError(errno, target_);
    if (put == 0)
      throw IoError::FromSystemError(ENOSPC, target_);
    done += static_cast<std::size_t>(put);
  }
  buffered_ = 0;
}

void OutputFile::Finish() {
  if (finished_)
    return;
  Flush();
  const int descriptor = descriptor_;
  descriptor_ = -1;
  if (CloseDescriptor(descriptor) != 0)
    throw IoError::FromSystemError(errno, target_);
  finished_ = true;
}

void OutputFile::Publish() {
  std::error_code error;
  std::filesystem::rename(temporary_, target_, error);
  if (error)
    throw IoError::FromSystemError(error.value(), target_);
  published_ = true;
  temporary_.clear();
}

void OutputFile::Commit() {
  Finish();
  Publish();
}

void CommitTogether(const std::vector<OutputFile*>& outputs) {
  for (OutputFile* output : outputs)
    output->Finish();
  for (OutputFile* output : outputs)
    output->Publish();
}

bool SameExistingFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  const bool same = std::filesystem::equivalent(a, b, error);
  return !error && same;
}

}  // namespace zarkel
