// The three kinds of failure an operation of the editor can end with. Each carries the exact
// text the user is shown; the window puts it in an error box, the command-line tool on stderr.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

#include "base/utf8_path.h"

namespace zarkel {

// Common base, so that a caller can catch every failure of an operation in one place.
class EditorError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A failing open, read, write, seek, rename or close of a file: the runtime's text, followed by
// the file it was about, as in `File not found: "/home/me/scn/sorig.tst"`.
class IoError : public EditorError {
 public:
  explicit IoError(const std::string& runtimeText, const std::filesystem::path& path = {});
  // The same, with what made it fail after the file: `Invalid filename: "/nonexist/x.eqp" (the
  // folder "/nonexist" does not exist)`. runtimeText() stays the runtime's text alone.
  IoError(const std::string& runtimeText, const std::filesystem::path& path,
          const std::string& reason);

  // Maps a system error number (errno) to the runtime's text. `path` is the file the failing
  // call was about: a missing file and a missing directory on its way differ only by it. An
  // "Invalid filename" says which kind it is: a folder on the way missing, a file where a folder
  // should be, a name too long.
  static IoError FromSystemError(int errorNumber, const std::filesystem::path& path = {});

  // A failure that the system numbers in a way no errno stands for (a Win32 error code without
  // a counterpart): the runtime's text for an unknown error, with that number.
  static IoError Unclassified(long code, const std::filesystem::path& path = {});

  static IoError ReadBeyondEndOfFile(const std::filesystem::path& path = {}) {
    return IoError("Read beyond end of file", path);
  }

  // The runtime's text alone ("File not found", ...), without the file.
  const std::string& runtimeText() const { return runtimeText_; }

 private:
  std::string runtimeText_;
};

// A text typed by the user that is not an integer. Where the text came from a captioned field,
// the caption follows: `'abc' is not a valid integer value: "max axis core"`.
class ConversionError : public EditorError {
 public:
  explicit ConversionError(const std::string& rejectedText, const std::string& fieldCaption = {});

  // A number that converts but does not fit the field it was typed for:
  // `300 does not fit "max axis core" (0 to 255)`.
  static ConversionError OutOfRange(std::int64_t value, std::int64_t lowest, std::int64_t highest,
                                    const std::string& fieldCaption);

  // The same failure, told of the field `fieldCaption` (a caller that knows the field better).
  ConversionError Naming(const std::string& fieldCaption) const;

 private:
  struct Range {
    std::int64_t value = 0;
    std::int64_t lowest = 0;
    std::int64_t highest = 0;
  };
  ConversionError(const std::string& message, std::string rejectedText, std::optional<Range> range);

  std::string rejectedText_;
  std::optional<Range> range_;  // set for a number out of range
};

// The editor's own refusal to go on (a file that cannot be what the user says it is, an output
// that would destroy its source, a count the file format cannot hold).
class Refusal : public EditorError {
 public:
  explicit Refusal(const std::string& text) : EditorError(text) {}
};

// A file name as messages show it: in double quotes, tidied (ShownPath, shown_path.h).
std::string QuotedPath(const std::filesystem::path& path);

// A folder named where a file is meant: `"/home/me/demo" is a folder, not a scenario file`.
Refusal FolderNotFile(const std::filesystem::path& path, const std::string& fileKind = "file");

// A folder to write into that is not there: `The folder "/home/me/nosuchdir" does not exist`.
Refusal MissingFolder(const std::filesystem::path& folder);

}  // namespace zarkel
