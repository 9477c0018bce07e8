#include "output/order_of_battle.h"

#include <filesystem>

#include "base/output_file.h"

namespace zarkel {

namespace {

constexpr const char* kHeader =
    "Side,Class,Name,Country,Unit Type,Equipment Name,Land Trans, Naval Trans,Column,Row,Used,"
    "Str,Ent,Exp";
constexpr const char* kLineEnd = "\r\n";
constexpr const char* kSideLabels[kSideCount] = {"Axis", "Allies", "Aux 1"};

// One unit as 14 comma-separated fields; nothing is quoted, so a comma in a name shifts the
// fields after it, as spreadsheet users of these files know.
std::string UnitLine(const EditorState& state, std::int32_t side, const RosterPair& pair) {
  const UnitRecord& unit = state.scenario.units.at(pair.unitIndex);
  const EquipmentTables& equipment = state.equipment;
  std::string line;
  auto field = [&line](const std::string& text) {
    if (!line.empty())
      line += ',';
    line += text;
  };
  field(kSideLabels[side]);
  field(pair.auxFlag == 1 ? "Aux" : "Core");
  line += ',';
  line += state.scenario.names.at(pair.unitIndex);  // all 40 characters
  field(CountryCode(unit.country()));
  field(equipment.ClassName(unit.equipmentId()));
  field(equipment.EquipmentName(unit.equipmentId()));
  field(equipment.TransportName(unit.landTransportId()));
  field(equipment.TransportName(unit.navalTransportId()));
  field(std::to_string(unit.columnLow()));
  field(std::to_string(unit.rowLow()));
  field(UsedStatus(unit));
  field(std::to_string(unit.strength()));
  field(std::to_string(unit.entrenchment()));
  field(std::to_string(unit.experience()));
  return line;
}

}  // namespace

void WriteOrderOfBattle(const EditorState& state, const OrderOfBattleRequest& request) {
  OutputFile output(std::filesystem::path(request.directory) / (request.name + ".txt"));
  output.Write(kHeader);
  output.Write(kLineEnd);
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    for (const RosterPair& pair : state.scenario.rosters[side].pairs) {
      output.Write(UnitLine(state, side, pair));
      output.Write(kLineEnd);
    }
    output.Write(" ");
    output.Write(kLineEnd);
  }
  output.Commit();
}

}  // namespace zarkel
