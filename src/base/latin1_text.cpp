#include "base/latin1_text.h"

namespace zarkel {

void AppendLatin1AsUtf8(std::string& out, unsigned char byte) {
  // Latin-1 is the first 256 code points.
  if (byte < 0x80) {
    out += static_cast<char>(byte);
    return;
  }
  out += static_cast<char>(0xC0 | (byte >> 6));
  out += static_cast<char>(0x80 | (byte & 0x3F));
}

std::string Latin1ToUtf8(const std::string& latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char c : latin1)
    AppendLatin1AsUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string PrintableLatin1(const std::string& latin1) {
  std::string shown = latin1;
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      c = '?';
  }
  return Latin1ToUtf8(shown);
}

}  // namespace zarkel
