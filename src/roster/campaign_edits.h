// Setting the scenario type and the limit texts of "Campaign Data" as edits: each change is a
// step of the edit history, and changes of one field one after the other fold into one step.
// Before the first opening a value is only kept (there is no scenario to change).
#pragma once

#include <cstdint>
#include <string>

#include "model/editor_state.h"

namespace zarkel {

// Sets the scenario type as its spin control takes a number: brought into 0..2. Returns false
// when the type already held that value (no step is made then).
bool SetScenarioType(EditorState& state, std::int64_t value);

// Sets the text of limit `field` (a LimitField) as typed: it is converted only by a writer.
// Returns false when the limit already held that text.
bool SetLimitText(EditorState& state, std::int32_t field, const std::string& text);

}  // namespace zarkel
