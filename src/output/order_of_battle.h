// "Write OB": every rostered unit, side by side, into a comma-separated text file.
#pragma once

#include <string>

#include "model/editor_state.h"
#include "output/write_report.h"

namespace zarkel {

struct OrderOfBattleRequest {
  std::string directory;  // DirectoryListBox3
  std::string name;       // Edit13; ".txt" is added
};

// Writes the file and returns it. Refuses an empty name before anything else.
WrittenFiles WriteOrderOfBattle(const EditorState& state, const OrderOfBattleRequest& request);

}  // namespace zarkel
