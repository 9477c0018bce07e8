#include "cli/json_writer.h"

namespace zarkel::cli {

namespace {

// Latin-1 is the first 256 code points: two UTF-8 bytes for 0x80..0xFF.
void AppendUtf8(std::string& out, unsigned char byte) {
  if (byte < 0x80) {
    out += static_cast<char>(byte);
    return;
  }
  out += static_cast<char>(0xC0 | (byte >> 6));
  out += static_cast<char>(0x80 | (byte & 0x3F));
}

}  // namespace

std::string Latin1ToUtf8(const std::string& latin1) {
  std::string out;
  for (const char c : latin1)
    AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string JsonString(const std::string& latin1) {
  static const char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    switch (byte) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (byte < 0x20) {
          out += "\\u00";
          out += kHex[byte >> 4];
          out += kHex[byte & 0xF];
        } else {
          AppendUtf8(out, byte);
        }
    }
  }
  out += '"';
  return out;
}

void JsonWriter::Key(const std::string& name) {
  BeforeValue();
  text_ += JsonString(name);
  text_ += ':';
  afterKey_ = true;
}

void JsonWriter::String(const std::string& latin1) {
  BeforeValue();
  text_ += JsonString(latin1);
}

void JsonWriter::Number(std::int64_t value) {
  BeforeValue();
  text_ += std::to_string(value);
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!empty_.empty()) {
    if (!empty_.back())
      text_ += ',';
    empty_.back() = false;
  }
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  text_ += bracket;
  empty_.push_back(true);
}

void JsonWriter::Close(char bracket) {
  empty_.pop_back();
  text_ += bracket;
}

}  // namespace zarkel::cli
