#include "base/errors.h"

#include <cerrno>
#include <system_error>

#include "base/shown_path.h"

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

// Which of the paths the runtime calls "Invalid filename" this one is: a folder on its way that
// is not there, or is a file, or a name longer than the system takes. Empty when none of them
// is found (a name the system refuses for another reason).
std::string InvalidFilenameReason(const std::filesystem::path& path) {
  if (path.empty())
    return "no file name was given";
  for (const std::filesystem::path& part : path) {
    if (part.native().size() > 255) {
      return "a name in it has " + std::to_string(part.native().size()) +
             " bytes, and a file name may have 255";
    }
  }
  // The nearest folder on the way that is there; the part after it is missing, or it is a file.
  std::error_code ignored;
  std::filesystem::path missing;
  for (std::filesystem::path folder = path.parent_path(); !folder.empty();
       folder = folder.parent_path()) {
    const std::filesystem::file_status status = std::filesystem::status(folder, ignored);
    if (std::filesystem::is_directory(status))
      break;
    if (std::filesystem::exists(status))
      return QuotedPath(folder) + " is a file, not a folder";
    missing = folder;
    if (folder == folder.parent_path())
      break;
  }
  if (!missing.empty())
    return "the folder " + QuotedPath(missing) + " does not exist";
  return std::string();
}

std::string UnclassifiedText(long code) {
  return "I/O error " + std::to_string(code);
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
      return UnclassifiedText(errorNumber);
  }
}

}  // namespace

IoError::IoError(const std::string& runtimeText, const std::filesystem::path& path)
    : EditorError(NamedFile(runtimeText, path)), runtimeText_(runtimeText) {}

IoError::IoError(const std::string& runtimeText, const std::filesystem::path& path,
                 const std::string& reason)
    : EditorError(NamedFile(runtimeText, path) + (reason.empty() ? "" : " (" + reason + ")")),
      runtimeText_(runtimeText) {}

IoError IoError::FromSystemError(int errorNumber, const std::filesystem::path& path) {
  const std::string text = SystemErrorText(errorNumber, path);
  if (text == "Invalid filename")
    return IoError(text, path, InvalidFilenameReason(path));
  return IoError(text, path);
}

IoError IoError::Unclassified(long code, const std::filesystem::path& path) {
  return IoError(UnclassifiedText(code), path);
}

namespace {

std::string NotANumberText(const std::string& rejectedText, const std::string& fieldCaption) {
  return "'" + rejectedText + "' is not a valid integer value" +
         (fieldCaption.empty() ? "" : ": \"" + fieldCaption + "\"");
}

std::string OutOfRangeText(std::int64_t value, std::int64_t lowest, std::int64_t highest,
                           const std::string& fieldCaption) {
  const std::string range = std::to_string(lowest) + " to " + std::to_string(highest);
  if (fieldCaption.empty())
    return std::to_string(value) + " does not fit " + range;
  return std::to_string(value) + " does not fit \"" + fieldCaption + "\" (" + range + ")";
}

}  // namespace

ConversionError::ConversionError(const std::string& rejectedText, const std::string& fieldCaption)
    : ConversionError(NotANumberText(rejectedText, fieldCaption), rejectedText, std::nullopt) {}

ConversionError::ConversionError(const std::string& message, std::string rejectedText,
                                 std::optional<Range> range)
    : EditorError(message), rejectedText_(std::move(rejectedText)), range_(range) {}

ConversionError ConversionError::OutOfRange(std::int64_t value, std::int64_t lowest,
                                            std::int64_t highest, const std::string& fieldCaption) {
  return ConversionError(OutOfRangeText(value, lowest, highest, fieldCaption),
                         std::to_string(value), Range{value, lowest, highest});
}

ConversionError ConversionError::Naming(const std::string& fieldCaption) const {
  if (range_)
    return OutOfRange(range_->value, range_->lowest, range_->highest, fieldCaption);
  return ConversionError(rejectedText_, fieldCaption);
}

std::string QuotedPath(const std::filesystem::path& path) {
  return "\"" + Utf8FromPath(ShownPath(path)) + "\"";
}

Refusal FolderNotFile(const std::filesystem::path& path, const std::string& fileKind) {
  return Refusal(QuotedPath(path) + " is a folder, not a " + fileKind);
}

Refusal MissingFolder(const std::filesystem::path& folder) {
  return Refusal("The folder " + QuotedPath(folder) + " does not exist");
}

}  // namespace zarkel
