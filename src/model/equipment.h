// What the editor knows about equipment: the class of every equipment id (from the game's
// equipment file), the equipment names (from the equipment-name text file), and the two fixed
// tables of unit-class names and country codes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zarkel {

constexpr std::int32_t kUnitClassCount = 20;     // classes 0..19 have a name
constexpr std::int32_t kMinEquipmentIds = 2101;  // ids 0..2100 always look up
constexpr std::int32_t kFirstNavalClass = 9;     // "Destroyer"
constexpr std::int32_t kLastNavalClass = 14;     // "Submarine"

// The class name of a unit class, or the empty text for a class of 20 or more.
std::string_view UnitClassName(std::int32_t unitClass);
// The country code of a country number, or the empty text for one above 30.
std::string_view CountryCode(std::int32_t country);
// Destroyer, battleship, carrier, the two cruisers and the submarine.
bool IsNavalClass(std::int32_t unitClass);

// Why a count that needs the units' classes is not given, when `unknown` of its units have no
// known class and `anyEquipment` tells whether an equipment file was read: "no unit's class is
// known without the equipment file (.eqp)" or "3 units have an equipment id beyond the
// equipment file, so their class is unknown".
std::string UnknownClassReason(std::int32_t unknown, bool anyEquipment);

struct EquipmentTables {
  bool equipmentLoaded = false;      // the load has run (whatever the dialogs answered)
  std::uint16_t equipmentCount = 0;  // entries of the last equipment file read
  std::vector<std::uint8_t> classOf = std::vector<std::uint8_t>(kMinEquipmentIds, 0);
  std::vector<std::string> names = std::vector<std::string>(kMinEquipmentIds);
  // The files the classes and the names were last read from: empty until one is read. A
  // cancelled dialog reads nothing and keeps what the tables hold, and with it their file.
  std::string equipmentPath;
  std::string namesPath;

  // True when the equipment file read gives the id's class. Without an equipment file every
  // class byte reads 0, which would pass for infantry: such a class is unknown, not infantry.
  bool ClassKnown(std::uint16_t equipmentId) const { return equipmentId < equipmentCount; }
  // The class byte of an id; 255 (no class) for an id beyond the table.
  std::int32_t ClassOf(std::uint16_t equipmentId) const;
  std::string_view ClassName(std::uint16_t equipmentId) const;
  // The equipment name of an id, with no bound but the table's; empty beyond it.
  std::string_view EquipmentName(std::uint16_t equipmentId) const;
  // A transport's name: empty for an id of 990 or more, which means "no transport".
  std::string_view TransportName(std::uint16_t transportId) const;
};

}  // namespace zarkel
