// Reading a text file line by line: a line ends at CR LF, as the game's own tools wrote them, or
// at a lone LF or a lone CR, as files edited elsewhere have them. A byte 0x1A (the old
// end-of-text mark) or the end of the file ends the text. Bytes are taken as they are: no
// trimming, no character-set conversion.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/source_file.h"

namespace zarkel {

class TextLineReader {
 public:
  // Throws IoError when the file cannot be opened.
  TextLineReader(FileSystem& files, const std::filesystem::path& path);

  // True when no further line can be read: the end of the file or a 0x1A byte is next.
  bool AtEnd();

  // Reads the next line without its line end; at the end of the text, returns the empty line.
  std::string ReadLine();

  // True when the last line read ended at a line end, not at the end of the text.
  bool EndedByLineEnd() const { return endedByLineEnd_; }

  const std::filesystem::path& Path() const { return file_.Path(); }

 private:
  int Peek();  // the next byte, or -1 at the end of the file
  SourceFile file_;
  std::uint64_t position_ = 0;
  bool endedByLineEnd_ = false;
};

}  // namespace zarkel
