// The equipment-name file from arbitrary bytes, read with the count of an equipment file of 300
// entries: every name is a whole line without its line end (CR LF, CR or LF), and the lines past
// the end of the text are empty.
#include <cstdint>
#include <string>

#include "base/errors.h"
#include "fuzz_support.h"
#include "load/equipment_load.h"
#include "scenario_builder.h"
#include "scripted_dialogs.h"

namespace {

using namespace zarkel;

constexpr int kEntries = 300;

// The state after an equipment file of 300 entries was loaded.
const EditorState& Loaded() {
  static const EditorState state = [] {
    std::vector<std::uint8_t> classes;
    for (int i = 0; i < kEntries; ++i)
      classes.push_back(static_cast<std::uint8_t>(i % 21));
    const auto bytes = testing::BuildEquipmentFile(classes);
    const auto path = fuzz::WriteScratch("equipment.eqp", bytes.data(), bytes.size());
    EditorState loaded;
    testing::ScriptedDialogs dialogs;
    dialogs.Answer(FileDialogKind::Equipment, path.string());
    dialogs.Answer(FileDialogKind::EquipmentNames, std::nullopt);
    LoadEquipment(loaded, dialogs);
    return loaded;
  }();
  return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string namesPath = fuzz::WriteScratch("names.txt", data, size).string();
  EditorState state = Loaded();
  testing::ScriptedDialogs dialogs;
  dialogs.Answer(FileDialogKind::Equipment, std::nullopt);  // keep the equipment file read
  dialogs.Answer(FileDialogKind::EquipmentNames, namesPath);
  ReloadEquipment(state, dialogs);

  // The names, put back together with their line ends, are a prefix of the text read.
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::size_t at = 0;
  for (int id = 0; id < kEntries; ++id) {
    const std::string& name = state.equipment.names.at(id);
    fuzz::Require(name.find_first_of("\r\n") == std::string::npos, "a name holds a line end");
    fuzz::Require(name.find('\x1a') == std::string::npos, "a name runs past the end of the text");
    fuzz::Require(text.compare(std::min(at, size), name.size(), name) == 0,
                  "a name is not the line of the file");
    at += name.size();
    fuzz::Require(at >= size || text[at] == '\r' || text[at] == '\n' || text[at] == '\x1a',
                  "a name stops mid-line");
    // A line end is CR LF, a lone CR or a lone LF.
    if (at < size && text[at] == '\r') {
      ++at;
      if (at < size && text[at] == '\n')
        ++at;
    } else if (at < size && text[at] == '\n') {
      ++at;
    }
  }
  fuzz::Require(state.equipment.equipmentCount == kEntries, "the name file changed the count");
  return 0;
}
