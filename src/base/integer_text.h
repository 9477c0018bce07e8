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

// Converts a number typed for a one-byte field (a unit's column, row or experience, a campaign
// limit): as ParseInteger, and the value must lie in 0 to 255, since storing only its low 8 bits
// would put another number in the file than the one typed (300 would become 44). A text that is
// not a number throws ParseInteger's ConversionError, which names no field; a number outside the
// range throws `300 does not fit "<fieldCaption>" (0 to 255)`.
std::uint8_t ParseByte(const std::string& text, const std::string& fieldCaption);

// The low 8 bits of a number: for the scenario type, which its control keeps within 0 to 2.
inline std::uint8_t LowByte(std::int32_t value) {
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

}  // namespace zarkel
