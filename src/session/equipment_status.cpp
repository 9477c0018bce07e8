#include "session/equipment_status.h"

#include <vector>

#include "base/latin1_text.h"
#include "base/shown_path.h"
#include "base/utf8_path.h"

namespace zarkel {

namespace {

// A path as the status line shows it: quoted, in the system's own separators.
std::string Quoted(const std::string& path) {
  return "\"" + Utf8OrLatin1(Utf8FromPath(ShownPath(PathFromUtf8(path)).make_preferred())) + "\"";
}

}  // namespace

std::string EquipmentReadText(const EquipmentRead& read) {
  std::vector<std::string> files;
  for (const auto& path : {read.equipmentPath, read.namesPath}) {
    if (path)
      files.push_back(Quoted(*path));
  }
  if (files.empty())
    return "No equipment file read";
  std::string text = "Read equipment from " + files[0];
  if (files.size() == 2)
    text += " and " + files[1];
  return text;
}

std::string WithEquipmentRead(const std::string& opened, const EquipmentRead& read) {
  std::string text = EquipmentReadText(read);
  // The second half of one sentence: "Read ..." and "No ..." start in lower case there.
  text[0] = static_cast<char>(text[0] - 'A' + 'a');
  return opened + "; " + text;
}

}  // namespace zarkel
