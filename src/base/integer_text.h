// Conversion of a number typed by the user, and the one-byte store used for every such number.
#pragma once

#include <cstdint>
#include <string>

namespace zarkel {

// Converts `text` as the runtime's integer conversion does: leading blanks are skipped, then
// either one sign (+ or -) or a "$" introducing hexadecimal digits, then at least one digit and
// nothing after the digits. The value must lie in the signed 32-bit range.
// Throws ConversionError ("'<text>' is not a valid integer value") otherwise.
std::int32_t ParseInteger(const std::string& text);

// One-byte fields keep the low 8 bits of a typed number, without a range check
// (300 becomes 44, -1 becomes 255).
inline std::uint8_t LowByte(std::int32_t value) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

}  // namespace zarkel
