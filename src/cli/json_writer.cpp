#include "cli/json_writer.h"

#include "base/latin1_text.h"

namespace zarkel::cli {

std::string JsonString(const std::string& text, bool latin1) {
  static const char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (const char c : text) {
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
        } else if (latin1) {
          AppendLatin1AsUtf8(out, byte);
        } else {
          out += c;
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

void JsonWriter::Utf8String(const std::string& utf8) {
  BeforeValue();
  text_ += JsonString(utf8, false);
}

void JsonWriter::Null() {
  BeforeValue();
  text_ += "null";
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
