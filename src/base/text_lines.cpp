#include "base/text_lines.h"

namespace zarkel {

namespace {
constexpr int kCarriageReturn = 0x0D;
constexpr int kLineFeed = 0x0A;
constexpr int kEndOfText = 0x1A;
}  // namespace

TextLineReader::TextLineReader(FileSystem& files, const std::filesystem::path& path)
    : file_(files, path) {}

int TextLineReader::Peek() {
  std::uint8_t byte = 0;
  return file_.ReadAt(position_, &byte, 1) == 1 ? byte : -1;
}

bool TextLineReader::AtEnd() {
  const int next = Peek();
  return next < 0 || next == kEndOfText;
}

std::string TextLineReader::ReadLine() {
  std::string line;
  endedByLineEnd_ = false;
  for (int next = Peek(); next >= 0 && next != kEndOfText; next = Peek()) {
    ++position_;
    if (next == kLineFeed || next == kCarriageReturn) {
      if (next == kCarriageReturn && Peek() == kLineFeed)
        ++position_;
      endedByLineEnd_ = true;
      break;
    }
    line += static_cast<char>(next);
  }
  return line;
}

}  // namespace zarkel
