// Everything the editor knows during one run: the opened scenario, the equipment tables, the
// view of the current side's rosters, what the file dialogs remember, and the edit history.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/file_system.h"
#include "model/campaign_settings.h"
#include "model/edit_history.h"
#include "model/equipment.h"
#include "model/scenario_layout.h"
#include "model/unit_tables.h"

namespace zarkel {

// The companion files of an Original scenario: full paths, set when one is opened.
struct CompanionPaths {
  std::string placeNamePath;
  std::string titlePath;
  std::string descriptionPath;
};

// The scenario type and the eight limits as the user has set them since the opening: the type as
// its spin control holds it (0 to 2), each limit as typed. Only a writer converts them into the
// values it stores (ScenarioData::battleType and ::limits).
struct CampaignEntries {
  std::int32_t battleType = 0;
  LimitTexts limitTexts;
};

// Everything one successful opening sets; an opening replaces it as a whole or not at all.
struct ScenarioData {
  std::optional<ScenarioLayout> layout;  // of the last successful opening; none before
  ScenarioGeometry geometry;
  std::uint64_t sourceSize = 0;  // the source file's size at opening
  UnitTable units;
  UnitNames names;
  Rosters rosters;
  CompanionPaths companions;
  std::uint8_t battleType = 0;  // 0 land, 1 naval, 2 combined
  CampaignLimits limits{};
  CampaignEntries entries;  // the type and limits as set since, read from the two above at opening
};

// What the last roster refresh built for the side shown.
struct RosterView {
  std::int32_t currentSide = 0;           // 0 Axis, 1 Allies
  std::vector<std::int32_t> coreListMap;  // core list line -> roster position
  std::vector<std::int32_t> auxListMap;   // auxiliary list line -> roster position
  std::array<std::int32_t, kUnitClassCount> compositionCounts{};
  std::array<float, kSideCount> experienceAverage{};
  std::array<std::int32_t, 2> newUnitExperience{};

  std::int32_t CoreListLast() const { return static_cast<std::int32_t>(coreListMap.size()) - 1; }
  std::int32_t AuxListLast() const { return static_cast<std::int32_t>(auxListMap.size()) - 1; }
};

// The open-file dialogs of the editor.
enum class FileDialogKind : std::int32_t {
  Equipment,       // OpenDialog1
  EquipmentNames,  // OpenDialog2
  Placenames,      // OpenDialog3
  Title,           // OpenDialog4
  Description,     // OpenDialog5
  OrderOfBattle,   // "Import OB...": an order of battle to import
};
constexpr std::int32_t kFileDialogCount = 6;

// What a dialog remembers between showings.
struct FileDialogMemory {
  std::string initialDirectory;
  std::string lastFile;  // the full path of the file last chosen in it
};

// Figures of "Update Current Values", by side.
struct CurrentUnitCounts {
  std::array<std::int32_t, kSideCount> core{};
  std::array<std::int32_t, kSideCount> aux{};
  std::array<std::int32_t, kSideCount> nonNavalCore{};
  std::array<std::int32_t, kSideCount> navalCore{};
  // Core units whose class the equipment file does not give: counted neither as naval nor as
  // non-naval.
  std::array<std::int32_t, kSideCount> unknownClassCore{};
};

struct EditorState {
  // Where the scenario and every file around it are read from and written to: the disk, or the
  // page's memory. Not owned.
  FileSystem* files = &DiskFileSystem();
  ScenarioData scenario;
  EquipmentTables equipment;
  RosterView view;
  SlotTable slotTable{};
  CurrentUnitCounts unitCounts;
  std::array<FileDialogMemory, kFileDialogCount> fileDialogs;
  EditHistory history;  // of the scenario opened last
};

}  // namespace zarkel
