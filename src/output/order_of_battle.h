// "Write OB": every rostered unit, side by side, into a comma-separated text file.
#pragma once

#include <optional>
#include <string>

#include "model/dialogs.h"
#include "model/editor_state.h"
#include "output/write_report.h"

namespace zarkel {

struct OrderOfBattleRequest {
  std::string directory;  // DirectoryListBox3
  std::string name;       // Edit13; ".txt" is added
};

// Writes the file and returns it. Refuses an empty name before anything else; asks before it
// replaces a file that is there, and returns none, having written nothing, when the answer is No.
std::optional<WrittenFiles> WriteOrderOfBattle(const EditorState& state, Dialogs& dialogs,
                                               const OrderOfBattleRequest& request);

}  // namespace zarkel
