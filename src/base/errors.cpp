#include "base/errors.h"

#include <cerrno>
#include <system_error>

namespace zarkel {

namespace {

// A path whose parent directory does not exist is "Invalid filename" (the runtime's word for a
// path it cannot even look into), while a missing file in an existing directory is
// "File not found".
bool ParentDirectoryMissing(const std::filesystem::path& path) {
  if (path.empty())
    return true;
  const std::filesystem::path parent = path.parent_path();
  if (parent.empty())
    return false;
  std::error_code ignored;
  return !std::filesystem::is_directory(parent, ignored);
}

}  // namespace

IoError IoError::FromSystemError(int errorNumber, const std::filesystem::path& path) {
  switch (errorNumber) {
    case ENOENT:
      return IoError(ParentDirectoryMissing(path) ? "Invalid filename" : "File not found");
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
#ifdef EILSEQ
    case EILSEQ:
#endif
      return IoError("Invalid filename");
    case EMFILE:
    case ENFILE:
      return IoError("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
      return IoError("File access denied");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
      return IoError("Disk full");
    default:
      return Unclassified(errorNumber, path);
  }
}

IoError IoError::Unclassified(long code, const std::filesystem::path&) {
  return IoError("I/O error " + std::to_string(code));
}

ConversionError::ConversionError(const std::string& rejectedText)
    : EditorError("'" + rejectedText + "' is not a valid integer value") {}

}  // namespace zarkel
