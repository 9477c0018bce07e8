// Loading the equipment file (.eqp) and the equipment-name file.
//
// The equipment file is a 16-bit entry count N followed by N entries of 168 bytes; byte 0 of
// entry i is the unit class of equipment id i. The name file holds one name per line, line i
// naming id i; exactly N lines are read.
#pragma once

#include <optional>
#include <string>

#include "model/dialogs.h"
#include "model/editor_state.h"
#include "model/equipment_read.h"

namespace zarkel {

constexpr std::int32_t kEquipmentEntrySize = 168;
constexpr std::int32_t kEquipmentChunkEntries = 7;  // entries read at a time (1176 bytes)

// Asks for the equipment file, then for the name file; a cancelled dialog skips its file and
// keeps what the tables held. Marks the equipment as loaded whatever the user answered, unless a
// file fails to load (then the next opening asks again). An equipment file shorter than its
// count is refused with a Refusal and changes nothing. Answers the files read.
EquipmentRead LoadEquipment(EditorState& state, Dialogs& dialogs);

// "Reload Equipment File": the load again, at any time; nothing else is read or refreshed.
EquipmentRead ReloadEquipment(EditorState& state, Dialogs& dialogs);

}  // namespace zarkel
