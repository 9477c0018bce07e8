// A small writer of compact JSON text. The game's files hold single-byte text; every string
// given here is taken as Latin-1 and written as UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarkel::cli {

// Single-byte text taken as Latin-1, in UTF-8.
std::string Latin1ToUtf8(const std::string& latin1);

// `latin1` as a JSON string literal: quoted, UTF-8, with quotes, backslashes and control
// characters escaped.
std::string JsonString(const std::string& latin1);

class JsonWriter {
 public:
  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  // Names the member whose value comes next.
  void Key(const std::string& name);
  void String(const std::string& latin1);
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
