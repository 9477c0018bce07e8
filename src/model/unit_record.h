// One unit of a scenario: a 218-byte record, the same bytes in the file slot and in memory.
// The editor knows the fields below; every other byte travels from the file read to the file
// written unchanged.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/byte_order.h"
#include "model/scenario_layout.h"

namespace zarkel {

namespace unit {

constexpr std::int32_t kNameOffset = 0;
constexpr std::int32_t kNameSize = 40;              // all 40 bytes belong to the name
constexpr std::int32_t kCountryOffset = 40;         // index into the country codes
constexpr std::int32_t kEquipmentIdOffset = 41;     // u16; 0xFFFF marks an empty slot
constexpr std::int32_t kLandTransportOffset = 43;   // u16 equipment id; 990 or more: none
constexpr std::int32_t kNavalTransportOffset = 45;  // u16 equipment id; 990 or more: none
constexpr std::int32_t kColumnOffset = 51;    // low byte: map column; high byte: not-placed mark
constexpr std::int32_t kRowOffset = 53;       // low byte: map row; high byte: not-placed mark
constexpr std::int32_t kStrengthOffset = 55;  // 0 makes the slot read as empty
constexpr std::int32_t kEntrenchmentOffset = 61;
constexpr std::int32_t kExperienceOffset = 64;
constexpr std::int32_t kSideOffset = 191;         // 0 Axis, 1 Allies, 2 third side, 3+ none
constexpr std::int32_t kOrderNumberOffset = 197;  // core 0..79, auxiliary 80..199

constexpr std::uint16_t kNoTransportFrom = 990;  // transport ids from here on mean "none"
constexpr std::uint8_t kFirstAuxOrderNumber = 80;

}  // namespace unit

// A unit's used status: "0" when placed on the map, "NO" when not placed.
inline constexpr const char* kUsedPlaced = "0";
inline constexpr const char* kUsedNotPlaced = "NO";

struct UnitRecord {
  std::array<std::uint8_t, scn::kUnitRecordSize> bytes{};

  std::uint8_t Byte(std::int32_t offset) const { return bytes[offset]; }
  std::uint16_t Word(std::int32_t offset) const { return ReadU16(&bytes[offset]); }

  std::uint8_t country() const { return Byte(unit::kCountryOffset); }
  std::uint16_t equipmentId() const { return Word(unit::kEquipmentIdOffset); }
  std::uint16_t landTransportId() const { return Word(unit::kLandTransportOffset); }
  std::uint16_t navalTransportId() const { return Word(unit::kNavalTransportOffset); }
  std::uint16_t column() const { return Word(unit::kColumnOffset); }
  std::uint16_t row() const { return Word(unit::kRowOffset); }
  std::uint8_t columnLow() const { return Byte(unit::kColumnOffset); }
  std::uint8_t rowLow() const { return Byte(unit::kRowOffset); }
  std::uint8_t strength() const { return Byte(unit::kStrengthOffset); }
  std::uint8_t entrenchment() const { return Byte(unit::kEntrenchmentOffset); }
  std::uint8_t experience() const { return Byte(unit::kExperienceOffset); }
  std::uint8_t side() const { return Byte(unit::kSideOffset); }
  std::uint8_t orderNumber() const { return Byte(unit::kOrderNumberOffset); }

  void setColumnLow(std::uint8_t value) { bytes[unit::kColumnOffset] = value; }
  void setRowLow(std::uint8_t value) { bytes[unit::kRowOffset] = value; }
  // Sets the not-placed mark: the high bytes of column and row.
  void setPlacementMarks(std::uint8_t mark) {
    bytes[unit::kColumnOffset + 1] = mark;
    bytes[unit::kRowOffset + 1] = mark;
  }
  void setExperience(std::uint8_t value) { bytes[unit::kExperienceOffset] = value; }
  void setOrderNumber(std::uint8_t value) { bytes[unit::kOrderNumberOffset] = value; }

  // The 40 name bytes as a string of exactly 40 characters, zero bytes included.
  std::string FullName() const;
  // The name as lists and labels show it: up to its first zero byte.
  std::string ShownName() const;
  // Unused (not placed) when the high byte of column or of row is non-zero.
  bool IsUnused() const {
    return (bytes[unit::kColumnOffset + 1] | bytes[unit::kRowOffset + 1]) != 0;
  }
};

// "0" or "NO".
std::string UsedStatus(const UnitRecord& unit);

// A name string as shown: its characters up to the first zero byte.
std::string ShownName(const std::string& fullName);

// The form of an empty slot as the editor writes it: zero bytes, equipment id 0xFFFF.
const std::array<std::uint8_t, scn::kUnitRecordSize>& EmptySlot();

// A slot read from a file is empty when its equipment id bytes are both 0xFF or its strength is
// 0; whatever else it holds is then ignored. `slot` points at 218 bytes.
bool IsEmptySlot(const std::uint8_t* slot);

}  // namespace zarkel
