#include "session/map_model.h"

#include <algorithm>
#include <map>
#include <utility>

#include "roster/side_rosters.h"

namespace zarkel {

namespace {

constexpr std::int32_t kLandTransportClass = 8;
constexpr std::int32_t kAirTransportClass = 18;
constexpr std::int32_t kNavalTransportClass = 19;

constexpr double kSingleSide = 1.25;  // counter side alone on a hex, in hex radii
constexpr double kPairSide = 0.82;    // counter side of a pair, side by side
constexpr double kPairOffset = 0.45;  // from the hex's centre to the centre of either
constexpr double kStackSide = 0.95;   // counter side in a stack of three or more
constexpr double kStackSpread = 0.3;  // from the first counter of a stack to the last

// The list line of each unit of the side shown, from the maps of the last refresh.
std::map<std::int32_t, std::int32_t> ListLines(const EditorState& state) {
  std::map<std::int32_t, std::int32_t> lines;
  const SideRoster& roster = state.scenario.rosters.at(state.view.currentSide);
  for (const auto* map : {&state.view.coreListMap, &state.view.auxListMap}) {
    for (std::size_t line = 0; line < map->size(); ++line) {
      const std::int32_t position = (*map)[line];
      if (position >= 1 && position <= roster.rosterCount())
        lines[roster.pairs.at(position).unitIndex] = static_cast<std::int32_t>(line);
    }
  }
  return lines;
}

const char* PlacementWord(bool aux) {
  return aux ? "auxiliary" : "core";
}

// Numbers the counters of each hex; they stand next to each other, hex by hex.
void NumberStacks(std::vector<MapCounter>& counters) {
  for (std::size_t first = 0; first < counters.size();) {
    std::size_t end = first;
    while (end < counters.size() && counters[end].column == counters[first].column &&
           counters[end].row == counters[first].row)
      ++end;
    for (std::size_t i = first; i < end; ++i) {
      counters[i].stackIndex = static_cast<int>(i - first);
      counters[i].stackSize = static_cast<int>(end - first);
    }
    first = end;
  }
}

}  // namespace

std::string ClassAbbreviation(std::int32_t unitClass) {
  switch (unitClass) {
    case kLandTransportClass:
      return "LTr";
    case kAirTransportClass:
      return "ATr";
    case kNavalTransportClass:
      return "NTr";
    default:
      break;
  }
  for (const CompositionRow& row : CompositionRows()) {
    if (row.unitClass == unitClass) {
      std::string caption = row.caption;
      caption.pop_back();  // the colon
      return caption;
    }
  }
  return "?";
}

std::string CounterDescription(const MapCounter& counter) {
  return counter.name + '\n' + counter.equipmentName + "\nColumn " +
         std::to_string(counter.column) + ", Row " + std::to_string(counter.row) + "\nExperience " +
         counter.experience + '\n' + PlacementWord(counter.aux);
}

MapContent BuildMapContent(const EditorState& state, std::optional<std::int32_t> chosenSide) {
  const ScenarioData& scenario = state.scenario;
  MapContent content;
  content.columns = scenario.geometry.mapSizeA;
  content.rows = scenario.geometry.mapSizeB;
  const bool linesValid = chosenSide && *chosenSide == state.view.currentSide;
  const std::map<std::int32_t, std::int32_t> lines =
      linesValid ? ListLines(state) : std::map<std::int32_t, std::int32_t>{};
  std::size_t units = 0;
  for (const SideRoster& roster : scenario.rosters)
    units += static_cast<std::size_t>(roster.rosterCount());
  content.counters.reserve(units);

  for (std::int32_t side = 0; side < kSideCount; ++side) {
    for (const RosterPair& pair : scenario.rosters[side].pairs) {
      const UnitRecord& unit = scenario.units.at(pair.unitIndex);
      const bool aux = pair.auxFlag == 1;
      if (unit.IsUnused()) {
        content.unplaced[side].push_back(unit.ShownName() + " (" + PlacementWord(aux) + ")");
        continue;
      }
      MapCounter counter;
      counter.unitIndex = pair.unitIndex;
      counter.side = side;
      counter.aux = aux;
      counter.column = unit.columnLow();
      counter.row = unit.rowLow();
      counter.label = state.equipment.ClassKnown(unit.equipmentId())
                          ? ClassAbbreviation(state.equipment.ClassOf(unit.equipmentId()))
                          : std::string(kUnknownClassLabel);
      counter.experience = std::to_string(unit.experience());
      counter.name = unit.ShownName();
      counter.equipmentName = std::string(state.equipment.EquipmentName(unit.equipmentId()));
      counter.dimmed = chosenSide && side != *chosenSide;
      if (linesValid && side == *chosenSide) {
        const auto line = lines.find(pair.unitIndex);
        if (line != lines.end())
          counter.line = line->second;
      }
      content.counters.push_back(std::move(counter));
    }
  }

  // Hex by hex; the counters of one hex keep the order of the lists.
  std::stable_sort(content.counters.begin(), content.counters.end(),
                   [](const MapCounter& a, const MapCounter& b) {
                     return std::make_pair(a.column, a.row) < std::make_pair(b.column, b.row);
                   });
  NumberStacks(content.counters);
  return content;
}

MapRect CounterRect(const HexGeometry& geometry, const MapCounter& counter) {
  const MapPoint centre = geometry.Centre(Hex{counter.column, counter.row});
  const double r = geometry.radius();
  if (counter.stackSize <= 1) {
    const double side = kSingleSide * r;
    return MapRect{centre.x - side / 2, centre.y - side / 2, side, side};
  }
  if (counter.stackSize == 2) {
    // Two units, the usual stack: side by side, so that both show their texts.
    const double side = kPairSide * r;
    const double x = (counter.stackIndex == 0 ? -kPairOffset : kPairOffset) * r;
    return MapRect{centre.x + x - side / 2, centre.y - side / 2, side, side};
  }
  const double side = kStackSide * r;
  const double step = kStackSpread * r / (counter.stackSize - 1);
  const double offset = counter.stackIndex * step - kStackSpread * r / 2;
  return MapRect{centre.x + offset - side / 2, centre.y + offset - side / 2, side, side};
}

const MapCounter* CounterAt(const MapContent& content, const HexGeometry& geometry,
                            MapPoint point) {
  // The last drawn lies on top.
  for (auto it = content.counters.rbegin(); it != content.counters.rend(); ++it) {
    if (CounterRect(geometry, *it).Contains(point))
      return &*it;
  }
  return nullptr;
}

}  // namespace zarkel
