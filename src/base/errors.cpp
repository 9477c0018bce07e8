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

// A file named in a message: in double quotes after the text; nothing when there is no name.
std::string NamedFile(const std::string& text, const std::filesystem::path& path) {
  return path.empty() ? text : text + ": " + QuotedPath(path);
}

std::string SystemErrorText(int errorNumber, const std::filesystem::path& path) {
  switch (errorNumber) {
    case ENOENT:
      return ParentDirectoryMissing(path) ? "Invalid filename" : "File not found";
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
#ifdef EILSEQ
    case EILSEQ:
#endif
      return "Invalid filename";
    case EMFILE:
    case ENFILE:
      return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
#ifdef ETXTBSY
    case ETXTBSY:
#endif
      return "File access denied";
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(errorNumber);
  }
}

}  // namespace

IoError::IoError(const std::string& runtimeText, const std::filesystem::path& path)
    : EditorError(NamedFile(runtimeText, path)), runtimeText_(runtimeText) {}

IoError IoError::FromSystemError(int errorNumber, const std::filesystem::path& path) {
  return IoError(SystemErrorText(errorNumber, path), path);
}

ConversionError::ConversionError(const std::string& rejectedText, const std::string& fieldCaption)
    : EditorError("'" + rejectedText + "' is not a valid integer value" +
                  (fieldCaption.empty() ? "" : ": \"" + fieldCaption + "\"")) {}

}  // namespace zarkel
