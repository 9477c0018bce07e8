#include "model/dialogs.h"

#include <array>

namespace zarkel {

const FileDialogLook& DialogLook(FileDialogKind kind) {
  // The titles are the game's own words, spelling included.
  static const std::array<FileDialogLook, kFileDialogCount> kLooks = {{
      {"OpenDialog1", "Open Quennet Equipment File", "eqp", "*.eqp"},
      {"OpenDialog2", "Open Equipment Txt File", "txt", "*.txt"},
      {"OpenDialog3", "Select Placename File for Orvane Scenario", "tst", "*.tst"},
      {"OpenDialog4", "Select Title File for Orvane Scenario", "tit", "*.tit"},
      {"OpenDialog5", "Select Decsription File for Orvane Scenario", "des", "*.des"},
      {"ImportObDialog", "Import Order of Battle", "Order of battle", "*.csv *.txt"},
  }};
  return kLooks[static_cast<std::size_t>(kind)];
}

std::optional<std::string> ChooseFile(EditorState& state, Dialogs& dialogs, FileDialogKind kind) {
  FileDialogMemory& memory = state.fileDialogs[static_cast<std::size_t>(kind)];
  std::optional<std::string> chosen = dialogs.ChooseFile(kind, memory);
  if (chosen)
    memory.lastFile = *chosen;
  return chosen;
}

}  // namespace zarkel
