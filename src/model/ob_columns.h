// The columns of the order of battle, shared by its spreadsheet form and by the import that
// reads both forms back: the unit fields each line shows, in the order of the line.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/equipment.h"
#include "model/unit_tables.h"

namespace zarkel {

// The extension of the order of battle's spreadsheet form ("Write OB" writes ".txt").
inline constexpr const char* kObSpreadsheetExtension = ".csv";

// The fourteen columns of "Write OB", in order. The spreadsheet form puts Position after Side.
enum class ObColumn : std::int32_t {
  Side,
  Class,
  Name,
  Country,
  UnitType,
  EquipmentName,
  LandTrans,
  NavalTrans,
  Column,
  Row,
  Used,
  Str,
  Ent,
  Exp,
};
constexpr std::int32_t kObColumnCount = 14;

// A column's caption as headers and messages give it: "Side", "Class", ..., "Naval Trans" (the
// header of "Write OB" has a space before it, which the spreadsheet form leaves out).
const char* ObColumnCaption(ObColumn column);
// The spreadsheet form's extra column: the unit's place in its side's roster, from 1.
inline constexpr const char* kObPositionCaption = "Position";

// "Axis", "Allies", "Aux 1" for side 0, 1, 2.
const char* ObSideLabel(std::int32_t side);
// "Core" for auxFlag 0, "Aux" for 1.
const char* ObClassLabel(std::uint8_t auxFlag);

// The fourteen fields of a unit's line as UTF-8 texts: the name as shown (without its fill
// bytes) and the equipment and transport names converted from Latin-1, the numbers in decimal.
using ObFields = std::array<std::string, kObColumnCount>;
ObFields ObUnitFields(const UnitRecord& unit, const std::string& fullName, std::int32_t side,
                      std::uint8_t auxFlag, const EquipmentTables& equipment);

}  // namespace zarkel
