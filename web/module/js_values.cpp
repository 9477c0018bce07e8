#include "js_values.h"

#include <cmath>

#include "base/latin1_text.h"

namespace zarkel::web {

std::optional<std::string> TextField(const val& object, const char* name) {
  const val field = object[name];
  if (!field.isString())
    return std::nullopt;
  return field.as<std::string>();
}

namespace {

std::optional<std::int32_t> WholeNumber(const val& value) {
  if (!value.isNumber())
    return std::nullopt;
  const double number = value.as<double>();
  if (!std::isfinite(number) || number != std::trunc(number) || number < INT32_MIN ||
      number > INT32_MAX)
    return std::nullopt;
  return static_cast<std::int32_t>(number);
}

}  // namespace

std::optional<std::int32_t> IntegerField(const val& object, const char* name) {
  return WholeNumber(object[name]);
}

std::optional<bool> FlagField(const val& object, const char* name) {
  const val field = object[name];
  if (field.isTrue())
    return true;
  if (field.isFalse())
    return false;
  return std::nullopt;
}

std::vector<std::int32_t> IntegersField(const val& object, const char* name) {
  std::vector<std::int32_t> numbers;
  const val field = object[name];
  if (!val::global("Array").call<bool>("isArray", field))
    return numbers;
  const auto length = field["length"].as<std::uint32_t>();
  numbers.reserve(length);
  for (std::uint32_t i = 0; i < length; ++i) {
    if (const std::optional<std::int32_t> number = WholeNumber(field[i]))
      numbers.push_back(*number);
  }
  return numbers;
}

std::string TypedAsLatin1(const std::string& utf8) {
  std::string latin1;
  latin1.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length > utf8.size() - i)
      length = utf8.size() - i;
    if (length == 1) {
      latin1 += static_cast<char>(lead);
    } else if (length == 2 && lead >= 0xC2 && lead <= 0xC3) {
      // U+0080 to U+00FF: two bytes, 110000xx 10xxxxxx.
      latin1 += static_cast<char>(((lead & 0x03) << 6) | (utf8[i + 1] & 0x3F));
    } else {
      latin1 += '?';
    }
    i += length;
  }
  return latin1;
}

val Latin1Text(const std::string& latin1) {
  return val(Latin1ToUtf8(latin1));
}

val Texts(const std::vector<std::string>& utf8) {
  val array = val::array();
  for (std::size_t i = 0; i < utf8.size(); ++i)
    array.set(i, utf8[i]);
  return array;
}

val Latin1Texts(const std::vector<std::string>& latin1) {
  val array = val::array();
  for (std::size_t i = 0; i < latin1.size(); ++i)
    array.set(i, Latin1ToUtf8(latin1[i]));
  return array;
}

}  // namespace zarkel::web
