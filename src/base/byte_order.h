// Little-endian 16-bit values, as every multi-byte number of the game's files is stored.
#pragma once

#include <cstdint>

namespace zarkel {

inline std::uint16_t ReadU16(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

inline void WriteU16(std::uint8_t* bytes, std::uint16_t value) {
  bytes[0] = static_cast<std::uint8_t>(value & 0xFFu);
  bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

}  // namespace zarkel
