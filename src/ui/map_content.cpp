#include "ui/map_content.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "roster/side_rosters.h"

namespace zarkel {

namespace {

constexpr std::int32_t kLandTransportClass = 8;
constexpr std::int32_t kAirTransportClass = 18;
constexpr std::int32_t kNavalTransportClass = 19;

// Names and equipment names are single-byte text.
QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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

}  // namespace

QString ClassAbbreviation(std::int32_t unitClass) {
  switch (unitClass) {
    case kLandTransportClass:
      return QStringLiteral("LTr");
    case kAirTransportClass:
      return QStringLiteral("ATr");
    case kNavalTransportClass:
      return QStringLiteral("NTr");
    default:
      break;
  }
  for (const CompositionRow& row : CompositionRows()) {
    if (row.unitClass == unitClass) {
      QString caption = QString::fromLatin1(row.caption);
      caption.chop(1);  // the colon
      return caption;
    }
  }
  return QStringLiteral("?");
}

QString CounterDescription(const MapCounter& counter) {
  return QStringLiteral("%1\n%2\nColumn %3, Row %4\nExperience %5\n%6")
      .arg(counter.name, counter.equipmentName)
      .arg(counter.column)
      .arg(counter.row)
      .arg(counter.experience, counter.aux ? QStringLiteral("auxiliary") : QStringLiteral("core"));
}

MapContent BuildMapContent(const EditorState& state, std::optional<std::int32_t> chosenSide) {
  const ScenarioData& scenario = state.scenario;
  MapContent content;
  content.columns = scenario.geometry.mapSizeA;
  content.rows = scenario.geometry.mapSizeB;
  const bool linesValid = chosenSide && *chosenSide == state.view.currentSide;
  const std::map<std::int32_t, std::int32_t> lines =
      linesValid ? ListLines(state) : std::map<std::int32_t, std::int32_t>{};

  for (std::int32_t side = 0; side < kSideCount; ++side) {
    for (const RosterPair& pair : scenario.rosters[side].pairs) {
      const UnitRecord& unit = scenario.units.at(pair.unitIndex);
      const bool aux = pair.auxFlag == 1;
      if (unit.IsUnused()) {
        content.unplaced[side].push_back(
            Latin1(unit.ShownName()) +
            (aux ? QStringLiteral(" (auxiliary)") : QStringLiteral(" (core)")));
        continue;
      }
      MapCounter counter;
      counter.unitIndex = pair.unitIndex;
      counter.side = side;
      counter.aux = aux;
      counter.column = unit.columnLow();
      counter.row = unit.rowLow();
      counter.label = ClassAbbreviation(state.equipment.ClassOf(unit.equipmentId()));
      counter.experience = QString::number(unit.experience());
      counter.name = Latin1(unit.ShownName());
      counter.equipmentName = Latin1(state.equipment.EquipmentName(unit.equipmentId()));
      counter.dimmed = chosenSide && side != *chosenSide;
      if (linesValid && side == *chosenSide) {
        const auto line = lines.find(pair.unitIndex);
        if (line != lines.end())
          counter.line = line->second;
      }
      content.counters.push_back(counter);
    }
  }

  // Hex by hex; the counters of one hex keep the order of the lists.
  std::stable_sort(content.counters.begin(), content.counters.end(),
                   [](const MapCounter& a, const MapCounter& b) {
                     return std::make_pair(a.column, a.row) < std::make_pair(b.column, b.row);
                   });
  for (std::size_t first = 0; first < content.counters.size();) {
    std::size_t end = first;
    while (end < content.counters.size() &&
           content.counters[end].column == content.counters[first].column &&
           content.counters[end].row == content.counters[first].row)
      ++end;
    for (std::size_t i = first; i < end; ++i) {
      content.counters[i].stackIndex = static_cast<int>(i - first);
      content.counters[i].stackSize = static_cast<int>(end - first);
    }
    first = end;
  }
  return content;
}

}  // namespace zarkel
