// Plain JavaScript values in and out of the module: the fields of a request object, arrays of
// texts, and the crossing between JavaScript's strings and the game's single-byte text.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zarkel::web {

using emscripten::val;

// A field of a request object, or none when it is missing, null or of another type.
std::optional<std::string> TextField(const val& object, const char* name);
std::optional<std::int32_t> IntegerField(const val& object, const char* name);
std::optional<bool> FlagField(const val& object, const char* name);
// An array of whole numbers; empty when missing. Entries that are no whole number are left out.
std::vector<std::int32_t> IntegersField(const val& object, const char* name);

// JavaScript strings cross embind as UTF-8. The scenario's texts (unit and equipment names) are
// single bytes taken as Latin-1, and so are the texts the user types into the unit and limit
// fields, as the window takes them: a character beyond Latin-1 becomes "?".
std::string TypedAsLatin1(const std::string& utf8);
val Latin1Text(const std::string& latin1);

val Texts(const std::vector<std::string>& utf8);
val Latin1Texts(const std::vector<std::string>& latin1);

}  // namespace zarkel::web
