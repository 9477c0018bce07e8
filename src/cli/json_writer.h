// A small writer of compact JSON text. The game's files hold single-byte text, taken as Latin-1
// and written as UTF-8; file names are UTF-8 already.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarkel::cli {

// `text` as a JSON string literal: quoted, UTF-8, with quotes, backslashes and control
// characters escaped. `latin1` says whether its bytes are Latin-1 or UTF-8 already.
std::string JsonString(const std::string& text, bool latin1 = true);

class JsonWriter {
 public:
  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  // Names the member whose value comes next.
  void Key(const std::string& name);
  void String(const std::string& latin1);
  void Utf8String(const std::string& utf8);
  void Null();
  void Number(std::int64_t value);

  const std::string& text() const { return text_; }

 private:
  void BeforeValue();
  void Open(char bracket);
  void Close(char bracket);

  std::string text_;
  std::vector<bool> empty_;  // per open object or array: nothing written in it yet
  bool afterKey_ = false;
};

}  // namespace zarkel::cli
