// "Write OB": every rostered unit, side by side, into a comma-separated text file.
#pragma once

#include <string>

#include "model/editor_state.h"

namespace zarkel {

struct OrderOfBattleRequest {
  std::string directory;  // DirectoryListBox3
  std::string name;       // Edit13; ".txt" is added
};

void WriteOrderOfBattle(const EditorState& state, const OrderOfBattleRequest& request);

}  // namespace zarkel
