#include "cli/scenario_report.h"

#include <nlohmann/json.hpp>

#include <tuple>
#include <vector>

#include "base/counted.h"
#include "base/latin1_text.h"
#include "model/vocabulary.h"

namespace zarkel::cli {

namespace {

// Objects keep their keys in the order they were added.
using Json = nlohmann::ordered_json;

// The units of a side's core or auxiliary list, in list (roster) order.
std::vector<const UnitRecord*> ListUnits(const ScenarioData& scenario, std::int32_t side,
                                         bool aux) {
  std::vector<const UnitRecord*> units;
  for (const RosterPair& pair : scenario.rosters[side].pairs) {
    if ((pair.auxFlag == 1) == aux)
      units.push_back(&scenario.units.at(pair.unitIndex));
  }
  return units;
}

// Unit and equipment names are single-byte text; JSON is UTF-8.
Json JsonUnit(const EditorState& state, const UnitRecord& unit, bool withEquipment) {
  Json json = {{"name", Latin1ToUtf8(unit.ShownName())},
               {"country", unit.country()},
               {"equipmentId", unit.equipmentId()},
               {"landTransportId", unit.landTransportId()},
               {"navalTransportId", unit.navalTransportId()},
               {"column", unit.columnLow()},
               {"row", unit.rowLow()},
               {"used", UsedStatus(unit)},
               {"strength", unit.strength()},
               {"entrenchment", unit.entrenchment()},
               {"experience", unit.experience()},
               {"orderNumber", unit.orderNumber()}};
  if (withEquipment) {
    json["unitType"] = Latin1ToUtf8(std::string(state.equipment.ClassName(unit.equipmentId())));
    json["equipmentName"] =
        Latin1ToUtf8(std::string(state.equipment.EquipmentName(unit.equipmentId())));
  }
  return json;
}

// `text` right-aligned (negative width: left-aligned) in `width` characters.
std::string Cell(const std::string& text, int width) {
  const bool left = width < 0;
  const std::size_t size = static_cast<std::size_t>(left ? -width : width);
  if (text.size() >= size)
    return text;
  const std::string fill(size - text.size(), ' ');
  return left ? text + fill : fill + text;
}

std::string Cell(std::int64_t number, int width) {
  return Cell(std::to_string(number), width);
}

// A name for a terminal, still single-byte: control bytes shown as "?". The row is padded
// before it becomes UTF-8, so that each column is as many characters wide as its heading.
std::string Printable(std::string name) {
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      c = '?';
  }
  return name;
}

std::string UnitRow(const EditorState& state, std::int32_t line, const UnitRecord& unit,
                    bool withEquipment) {
  std::string row =
      "    " + Cell(line, 4) + "  " + Cell(Printable(unit.ShownName()), -40) +
      Cell(unit.country(), 4) + Cell(unit.equipmentId(), 6) + Cell(unit.landTransportId(), 6) +
      Cell(unit.navalTransportId(), 6) + Cell(unit.columnLow(), 5) + Cell(unit.rowLow(), 5) + "  " +
      Cell(UsedStatus(unit), -4) + Cell(unit.strength(), 4) + Cell(unit.entrenchment(), 4) +
      Cell(unit.experience(), 4) + Cell(unit.orderNumber(), 6);
  if (withEquipment) {
    row += "  " + std::string(state.equipment.ClassName(unit.equipmentId())) + " / " +
           Printable(std::string(state.equipment.EquipmentName(unit.equipmentId())));
  }
  return Latin1ToUtf8(row) + "\n";
}

// An Original scenario's companion file as the summary shows it: what it holds and where it is,
// or why it cannot say.
std::string CompanionLine(const CompanionReading& reading, const char* one = nullptr,
                          const char* many = nullptr) {
  if (reading.path.empty())
    return "no file chosen";
  if (reading.amount) {
    return (one == nullptr ? std::to_string(*reading.amount)
                           : Counted(*reading.amount, one, many)) +
           ", from " + reading.path;
  }
  if (reading.missing)
    return "missing: " + reading.path;
  return "unreadable: " + reading.problem;
}

}  // namespace

std::string TerminalText(const std::string& text) {
  return PrintableLatin1(text);
}

std::string ScenarioSummary(const Session& session, const Command& command) {
  const EditorState& state = session.state();
  const ScenarioData& scenario = state.scenario;
  const ScenarioGeometry& geometry = scenario.geometry;
  const bool withEquipment = command.equipment.has_value();
  std::string text;
  auto line = [&text](const std::string& label, const std::string& value) {
    text += Cell(label, -17) + value + "\n";
  };
  line("Scenario:", geometry.sourcePath);  // file names are UTF-8 already
  line("Layout:", LayoutCaption(command.layout));
  line("Map:", std::to_string(geometry.mapSizeA) + " x " + std::to_string(geometry.mapSizeB));
  if (command.layout == ScenarioLayout::Homemade) {
    line("Place names:", std::to_string(geometry.placeNameCount));
    line("Description:", Counted(geometry.descriptionLength, "byte", "bytes"));
    line("Title:", Counted(geometry.titleLength, "byte", "bytes"));
  } else {
    // An Original scenario keeps these beside it; the writers read them from there.
    const CompanionSummary companions = session.Companions();
    line("Place names:", CompanionLine(companions.placeNames));
    line("Description:", CompanionLine(companions.description, "byte", "bytes"));
    line("Title:", CompanionLine(companions.title, "byte", "bytes"));
  }
  line("Scenario type:", std::to_string(scenario.battleType));
  line("Units:", std::to_string(scenario.units.size()));
  text += "Campaign limits:\n";
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
    text += "  " + Cell(Limit(field).name, -20) + std::to_string(scenario.limits[field]) + "\n";
  }

  const std::string header = "    " + Cell("line", 4) + "  " + Cell("name", -40) + Cell("cty", 4) +
                             Cell("equip", 6) + Cell("land", 6) + Cell("naval", 6) +
                             Cell("col", 5) + Cell("row", 5) + "  " + Cell("used", -4) +
                             Cell("str", 4) + Cell("ent", 4) + Cell("exp", 4) + Cell("order", 6) +
                             (withEquipment ? "  type / equipment" : "") + "\n";
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    const auto core = ListUnits(scenario, side, false);
    const auto aux = ListUnits(scenario, side, true);
    text += "\n" + std::string(kSideWords[static_cast<std::size_t>(side)].title) + ": " +
            std::to_string(core.size()) + " core, " + std::to_string(aux.size()) + " auxiliary\n";
    for (const bool isAux : {false, true}) {
      const auto& units = isAux ? aux : core;
      if (units.empty())
        continue;
      text += isAux ? "  Auxiliary units\n" : "  Core units\n";
      text += header;
      for (std::size_t i = 0; i < units.size(); ++i)
        text += UnitRow(state, static_cast<std::int32_t>(i), *units[i], withEquipment);
    }
  }
  return text;
}

std::string ScenarioJson(const Session& session, const Command& command) {
  const EditorState& state = session.state();
  const ScenarioData& scenario = state.scenario;
  const ScenarioGeometry& geometry = scenario.geometry;
  const bool withEquipment = command.equipment.has_value();
  Json json = {{"layout", command.layoutName},
               {"mapSizeA", geometry.mapSizeA},
               {"mapSizeB", geometry.mapSizeB}};
  if (command.layout == ScenarioLayout::Homemade) {
    json["placeNameCount"] = geometry.placeNameCount;
    json["descriptionLength"] = geometry.descriptionLength;
    json["titleLength"] = geometry.titleLength;
  } else {
    // Read from the companion files; null for one that cannot be read, whose path says which.
    const CompanionSummary companions = session.Companions();
    const std::tuple<const char*, const char*, const CompanionReading&> texts[] = {
        {"placeNameCount", "placeNameFile", companions.placeNames},
        {"descriptionLength", "descriptionFile", companions.description},
        {"titleLength", "titleFile", companions.title}};
    for (const auto& [key, fileKey, reading] : texts) {
      json[key] = reading.amount ? Json(*reading.amount) : Json(nullptr);
      json[fileKey] = Utf8OrLatin1(reading.path);
    }
  }
  json["battleType"] = scenario.battleType;
  Json& limits = json["limits"] = Json::object();
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field)
    limits[Limit(field).name] = scenario.limits[field];
  json["unitCount"] = scenario.units.size();
  Json& sides = json["sides"] = Json::array();
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    Json lists = Json::object();
    for (const bool aux : {false, true}) {
      Json& units = lists[aux ? "aux" : "core"] = Json::array();
      for (const UnitRecord* unit : ListUnits(scenario, side, aux))
        units.push_back(JsonUnit(state, *unit, withEquipment));
    }
    sides.push_back(std::move(lists));
  }
  // Compact, on one line; every text is UTF-8 by now.
  return json.dump() + "\n";
}

}  // namespace zarkel::cli
