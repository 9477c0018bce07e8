// What a load of the equipment read, as the status line says it. UTF-8.
#pragma once

#include <string>

#include "model/equipment_read.h"

namespace zarkel {

// `Read equipment from "/scn/equipment.eqp" and "/scn/equipment.txt"`, or from one of them;
// `No equipment file read` when both dialogs were cancelled.
std::string EquipmentReadText(const EquipmentRead& read);

// An opening's status followed by what it read of the equipment:
// `Opened "/scn/kardel.scn"; read equipment from "/scn/equipment.eqp" and "/scn/equipment.txt"`.
std::string WithEquipmentRead(const std::string& opened, const EquipmentRead& read);

}  // namespace zarkel
