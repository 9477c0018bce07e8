#include "load/equipment_load.h"

#include <algorithm>
#include <vector>

#include "base/byte_order.h"
#include "base/counted.h"
#include "base/errors.h"
#include "base/source_file.h"
#include "base/text_lines.h"
#include "base/utf8_path.h"

namespace zarkel {

namespace {

struct EquipmentFileContent {
  std::uint16_t count = 0;
  std::vector<std::uint8_t> classes;
};

// Reads the count and the class byte of every entry, seven entries at a time.
EquipmentFileContent ReadEquipmentFile(FileSystem& files, const std::string& path) {
  SourceFile file(files, PathFromUtf8(path));
  std::uint8_t countBytes[2] = {0, 0};
  const std::size_t got = file.ReadAt(0, countBytes, 2);
  EquipmentFileContent content;
  content.count = ReadU16(countBytes);

  if (got < 2) {
    throw Refusal(QuotedPath(file.Path()) + " is not an equipment file: it has " +
                  std::to_string(file.Size()) + (file.Size() == 1 ? " byte" : " bytes") +
                  ", fewer than the 2 bytes of the entry count it starts with.");
  }
  const std::uint64_t needed = 2 + std::uint64_t{kEquipmentEntrySize} * content.count;
  if (file.Size() < needed) {
    const std::uint64_t present = (file.Size() - 2) / kEquipmentEntrySize;
    throw Refusal(QuotedPath(file.Path()) + " is not a complete equipment file: it declares " +
                  Counted(content.count, "entry", "entries") + " but holds " +
                  std::to_string(present) + ".");
  }

  std::vector<std::uint8_t> chunk(kEquipmentChunkEntries * kEquipmentEntrySize);
  std::uint64_t position = 2;
  std::int32_t remainder = content.count;
  content.classes.reserve(content.count);
  auto readEntries = [&](std::int32_t entries) {
    const std::size_t bytes = static_cast<std::size_t>(entries) * kEquipmentEntrySize;
    std::fill(chunk.begin(), chunk.end(), 0);
    file.ReadAt(position, chunk.data(), bytes);
    for (std::int32_t i = 0; i < entries; ++i) {
      content.classes.push_back(chunk[static_cast<std::size_t>(i) * kEquipmentEntrySize]);
    }
    position += bytes;
  };
  while (remainder > kEquipmentChunkEntries) {
    readEntries(kEquipmentChunkEntries);
    remainder -= kEquipmentChunkEntries;
  }
  readEntries(remainder);
  return content;
}

// The first `count` lines of the name file; those past its end are empty. `present` tells how
// many the file held.
std::vector<std::string> ReadEquipmentNames(FileSystem& files, const std::string& path,
                                            std::int32_t count, std::int32_t& present) {
  TextLineReader reader(files, PathFromUtf8(path));
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(count));
  present = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    if (!reader.AtEnd())
      ++present;
    names.push_back(reader.ReadLine());
  }
  return names;
}

// The tables always have room for ids 0..2100 and for every entry of the file read.
void MakeRoom(EquipmentTables& equipment, std::size_t entries) {
  const std::size_t size = std::max<std::size_t>(entries, kMinEquipmentIds);
  if (equipment.classOf.size() < size)
    equipment.classOf.resize(size, 0);
  if (equipment.names.size() < size)
    equipment.names.resize(size);
}

}  // namespace

EquipmentRead LoadEquipment(EditorState& state, Dialogs& dialogs) {
  EquipmentTables& equipment = state.equipment;
  EquipmentRead read;
  if (const auto path = ChooseFile(state, dialogs, FileDialogKind::Equipment)) {
    const EquipmentFileContent content = ReadEquipmentFile(*state.files, *path);
    MakeRoom(equipment, content.count);
    equipment.equipmentCount = content.count;
    std::copy(content.classes.begin(), content.classes.end(), equipment.classOf.begin());
    equipment.equipmentPath = *path;
    read.equipmentPath = *path;
  }
  equipment.note.clear();
  if (const auto path = ChooseFile(state, dialogs, FileDialogKind::EquipmentNames)) {
    std::int32_t present = 0;
    std::vector<std::string> names =
        ReadEquipmentNames(*state.files, *path, equipment.equipmentCount, present);
    if (present < equipment.equipmentCount) {
      equipment.note = QuotedPath(PathFromUtf8(*path)) + " holds " +
                       Counted(present, "name", "names") + " for the " +
                       Counted(equipment.equipmentCount, "entry", "entries") +
                       " of the equipment file: equipment ids from " + std::to_string(present) +
                       " on have no name.";
    }
    MakeRoom(equipment, names.size());
    std::move(names.begin(), names.end(), equipment.names.begin());
    equipment.namesPath = *path;
    read.namesPath = *path;
  }
  equipment.equipmentLoaded = true;
  return read;
}

EquipmentRead ReloadEquipment(EditorState& state, Dialogs& dialogs) {
  state.equipment.equipmentLoaded = false;
  return LoadEquipment(state, dialogs);
}

}  // namespace zarkel
