#include "model/unit_record.h"

namespace zarkel {

std::string UnitRecord::FullName() const {
  return std::string(reinterpret_cast<const char*>(bytes.data()) + unit::kNameOffset,
                     unit::kNameSize);
}

std::string UnitRecord::ShownName() const {
  return zarkel::ShownName(FullName());
}

std::string ShownName(const std::string& fullName) {
  return fullName.substr(0, fullName.find('\0'));
}

std::string UsedStatus(const UnitRecord& unit) {
  return unit.IsUnused() ? kUsedNotPlaced : kUsedPlaced;
}

const std::array<std::uint8_t, scn::kUnitRecordSize>& EmptySlot() {
  static const std::array<std::uint8_t, scn::kUnitRecordSize> slot = [] {
    std::array<std::uint8_t, scn::kUnitRecordSize> bytes{};
    bytes[unit::kEquipmentIdOffset] = 0xFF;
    bytes[unit::kEquipmentIdOffset + 1] = 0xFF;
    return bytes;
  }();
  return slot;
}

bool IsEmptySlot(const std::uint8_t* slot) {
  const bool noEquipment =
      slot[unit::kEquipmentIdOffset] == 0xFF && slot[unit::kEquipmentIdOffset + 1] == 0xFF;
  return noEquipment || slot[unit::kStrengthOffset] == 0;
}

}  // namespace zarkel
