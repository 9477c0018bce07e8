#include "base/utf8_path.h"

#include <cerrno>

#include "base/errors.h"

namespace zarkel {

// u8path and u8string convert between UTF-8 and the wide names of Windows, and are the
// identity where names are narrow bytes already.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
  try {
    return std::filesystem::u8path(utf8.begin(), utf8.end());
  } catch (const std::filesystem::filesystem_error&) {
    // Bytes that are not UTF-8 cannot name a file where names are wide.
    throw IoError::FromSystemError(EINVAL);
  }
}

std::string Utf8FromPath(const std::filesystem::path& path) {
  return path.u8string();
}

}  // namespace zarkel
