#include "output/order_of_battle.h"

#include <charconv>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/output_file.h"
#include "base/utf8_path.h"
#include "output/files_in_use.h"
#include "output/output_name.h"
#include "output/replace_question.h"
#include "output/write_name.h"

namespace zarkel {

namespace {

constexpr const char* kHeader =
    "Side,Class,Name,Country,Unit Type,Equipment Name,Land Trans, Naval Trans,Column,Row,Used,"
    "Str,Ent,Exp";
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kSideLabels[kSideCount] = {"Axis", "Allies", "Aux 1"};
constexpr const char* kNameField = "\"Name of OB file\" on the \"OB's\" page";

// One unit as 14 comma-separated fields, appended to `line`. Nothing is quoted, so a comma in a
// name shifts the fields after it, as spreadsheet users of these files know.
void AppendUnitLine(const EditorState& state, std::int32_t side, const RosterPair& pair,
                    std::string& line) {
  const UnitRecord& unit = state.scenario.units.at(pair.unitIndex);
  const EquipmentTables& equipment = state.equipment;
  auto text = [&line](std::string_view field) {
    line += field;
    line += ',';
  };
  auto number = [&line](unsigned value) {
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    line.append(digits, end);
    line += ',';
  };
  text(kSideLabels[side]);
  text(pair.auxFlag == 1 ? "Aux" : "Core");
  text(state.scenario.names.at(pair.unitIndex));  // all 40 characters
  text(CountryCode(unit.country()));
  text(equipment.ClassName(unit.equipmentId()));
  text(equipment.EquipmentName(unit.equipmentId()));
  text(equipment.TransportName(unit.landTransportId()));
  text(equipment.TransportName(unit.navalTransportId()));
  number(unit.columnLow());
  number(unit.rowLow());
  text(unit.IsUnused() ? kUsedNotPlaced : kUsedPlaced);
  number(unit.strength());
  number(unit.entrenchment());
  number(unit.experience());
  line.back() = '\r';  // the last field ends the line, not a comma
  line += '\n';
}

}  // namespace

std::optional<WrittenFiles> WriteOrderOfBattle(const EditorState& state, Dialogs& dialogs,
                                               const OrderOfBattleRequest& request) {
  RequireOutputName(request.name, kNameField, std::string("Type one into ") + kNameField + ".",
                    OrderOfBattleFileNames(request.name));
  const std::string fileName = request.name + ".txt";
  const std::filesystem::path target = PathFromUtf8(request.directory) / PathFromUtf8(fileName);
  CheckWriteTargets(*state.files, {target}, FilesInUse(state));
  if (!ConfirmReplace(dialogs, *state.files, PathFromUtf8(request.directory), {fileName}))
    return std::nullopt;
  OutputFile output(*state.files, target);
  output.Write(kHeader);
  output.Write(kLineEnd);
  std::string line;  // one buffer for every line
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    for (const RosterPair& pair : state.scenario.rosters[side].pairs) {
      line.clear();
      AppendUnitLine(state, side, pair, line);
      output.Write(line);
    }
    output.Write(" ");
    output.Write(kLineEnd);
  }
  output.Commit();
  return WrittenFiles{PathFromUtf8(request.directory), {fileName}};
}

}  // namespace zarkel
