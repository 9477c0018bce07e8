#include "base/integer_text.h"

#include <cstdint>

#include "base/errors.h"

namespace zarkel {

namespace {

int DigitValue(char c, int radix) {
  int value = -1;
  if (c >= '0' && c <= '9') {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value < radix ? value : -1;
}

}  // namespace

std::int32_t ParseInteger(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;

  bool negative = false;
  int radix = 10;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  } else if (i < text.size() && text[i] == '$') {
    radix = 16;
    ++i;
  }

  // Accumulate the magnitude; 2^31 is the largest magnitude any accepted text can have.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  const std::size_t firstDigit = i;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], radix);
    if (digit < 0)
      throw ConversionError(text);
    magnitude = magnitude * radix + digit;
    if (magnitude > kLimit)
      throw ConversionError(text);
  }
  if (i == firstDigit)
    throw ConversionError(text);

  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX || value < INT32_MIN)
    throw ConversionError(text);
  return static_cast<std::int32_t>(value);
}

std::uint8_t ParseByte(const std::string& text, const std::string& fieldCaption) {
  const std::int32_t value = ParseInteger(text);
  if (value < 0 || value > 255)
    throw ConversionError::OutOfRange(value, 0, 255, fieldCaption);
  return static_cast<std::uint8_t>(value);
}

}  // namespace zarkel
