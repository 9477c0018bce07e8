#include "model/equipment.h"

namespace zarkel {

namespace {

// Class 20 is the empty name; the spellings are the game's own.
constexpr std::array<const char*, kUnitClassCount> kUnitClassNames = {
    "Infantry",        "Tank",          "Recon",         "Anti-tank",
    "Artillery",       "Anti-aircraft", "Air Defense",   "Fortification",
    "Land Transport",  "Destroyer",     "Battleship",    "Carrier",
    "Heavy Crusier",   "Light Crusier", "Submarine",     "Fighter",
    "Tactical Bomber", "Level Bomber",  "Air Transport", "Naval Transport",
};

constexpr std::array<const char*, 31> kCountryCodes = {
    "Aua", "CF",  "Bal", "Can", "Chi", "Den", "CB",  "Fin", "Fra", "Ge",  "HKg",
    "Ind", "Ira", "Ita", "Jpn", "LAm", "LoC", "Mon", "NZe", "Nor", "Phi", "Pol",
    "Por", "Rus", "SwP", "SAf", "Spa", "Swe", "USA", "UnK", "VFr",
};

}  // namespace

std::string_view UnitClassName(std::int32_t unitClass) {
  if (unitClass < 0 || unitClass >= kUnitClassCount)
    return {};
  return kUnitClassNames[static_cast<std::size_t>(unitClass)];
}

std::string_view CountryCode(std::int32_t country) {
  if (country < 0 || country >= static_cast<std::int32_t>(kCountryCodes.size()))
    return {};
  return kCountryCodes[static_cast<std::size_t>(country)];
}

bool IsNavalClass(std::int32_t unitClass) {
  return unitClass >= kFirstNavalClass && unitClass <= kLastNavalClass;
}

std::string UnknownClassReason(std::int32_t unknown, bool anyEquipment) {
  if (!anyEquipment)
    return "no unit's class is known without the equipment file (.eqp)";
  return std::to_string(unknown) + (unknown == 1 ? " unit has" : " units have") +
         " an equipment id beyond the equipment file, so " + (unknown == 1 ? "its" : "their") +
         " class is unknown";
}

std::int32_t EquipmentTables::ClassOf(std::uint16_t equipmentId) const {
  return equipmentId < classOf.size() ? classOf[equipmentId] : 255;
}

std::string_view EquipmentTables::ClassName(std::uint16_t equipmentId) const {
  return UnitClassName(ClassOf(equipmentId));
}

std::string_view EquipmentTables::EquipmentName(std::uint16_t equipmentId) const {
  if (equipmentId >= names.size())
    return {};
  return names[equipmentId];
}

std::string_view EquipmentTables::TransportName(std::uint16_t transportId) const {
  if (transportId >= 990)
    return {};
  return EquipmentName(transportId);
}

}  // namespace zarkel
