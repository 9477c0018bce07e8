#include "model/ob_columns.h"

#include "base/latin1_text.h"

namespace zarkel {

const char* ObColumnCaption(ObColumn column) {
  static constexpr std::array<const char*, kObColumnCount> kCaptions = {
      "Side",           "Class",      "Name",        "Country", "Unit Type",
      "Equipment Name", "Land Trans", "Naval Trans", "Column",  "Row",
      "Used",           "Str",        "Ent",         "Exp",
  };
  return kCaptions[static_cast<std::size_t>(column)];
}

const char* ObSideLabel(std::int32_t side) {
  static constexpr std::array<const char*, kSideCount> kLabels = {"Axis", "Allies", "Aux 1"};
  return kLabels.at(static_cast<std::size_t>(side));
}

const char* ObClassLabel(std::uint8_t auxFlag) {
  return auxFlag == 1 ? "Aux" : "Core";
}

ObFields ObUnitFields(const UnitRecord& unit, const std::string& fullName, std::int32_t side,
                      std::uint8_t auxFlag, const EquipmentTables& equipment) {
  const auto at = [](ObColumn column) { return static_cast<std::size_t>(column); };
  ObFields fields;
  fields[at(ObColumn::Side)] = ObSideLabel(side);
  fields[at(ObColumn::Class)] = ObClassLabel(auxFlag);
  fields[at(ObColumn::Name)] = Latin1ToUtf8(ShownName(fullName));
  fields[at(ObColumn::Country)] = CountryCode(unit.country());
  fields[at(ObColumn::UnitType)] = equipment.ClassName(unit.equipmentId());
  fields[at(ObColumn::EquipmentName)] =
      Latin1ToUtf8(std::string(equipment.EquipmentName(unit.equipmentId())));
  fields[at(ObColumn::LandTrans)] =
      Latin1ToUtf8(std::string(equipment.TransportName(unit.landTransportId())));
  fields[at(ObColumn::NavalTrans)] =
      Latin1ToUtf8(std::string(equipment.TransportName(unit.navalTransportId())));
  fields[at(ObColumn::Column)] = std::to_string(unit.columnLow());
  fields[at(ObColumn::Row)] = std::to_string(unit.rowLow());
  fields[at(ObColumn::Used)] = UsedStatus(unit);
  fields[at(ObColumn::Str)] = std::to_string(unit.strength());
  fields[at(ObColumn::Ent)] = std::to_string(unit.entrenchment());
  fields[at(ObColumn::Exp)] = std::to_string(unit.experience());
  return fields;
}

}  // namespace zarkel
