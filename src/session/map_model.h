// What the map shows of the editor's state: a counter for every placed unit of the three sides,
// where it stands in its hex, and the units that are not placed, by side. Built anew after every
// roster refresh; every face that draws the map draws it from this. Texts are single-byte text,
// as the scenario holds them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/editor_state.h"
#include "model/unit_edit.h"
#include "session/hex_geometry.h"

namespace zarkel {

struct MapCounter {
  std::int32_t unitIndex = 0;  // position in the UnitTable
  std::int32_t side = 0;
  bool aux = false;
  int column = 0;  // the low bytes of the unit's column and row
  int row = 0;
  std::string label;  // the class abbreviation: "Inf", "Tank", ... ("?" for a class without one)
  std::string experience;  // "3"
  std::string name;
  std::string equipmentName;
  // Of the side chosen on "Core/Aux Transfer": its line on "Core Units" or "Aux Units ";
  // -1 for the other sides, which cannot be moved.
  std::int32_t line = -1;
  bool dimmed = false;  // of a side other than the one chosen
  int stackIndex = 0;   // its place among the counters of its hex (0 first), and their number
  int stackSize = 1;

  bool movable() const { return line >= 0; }
  UnitPage page() const { return aux ? UnitPage::Aux : UnitPage::Core; }
};

struct MapContent {
  int columns = 0;                   // mapSizeA
  int rows = 0;                      // mapSizeB
  std::vector<MapCounter> counters;  // the placed units, hex by hex, each hex's stack in order
  // The units not placed, by side, in list order: "Pioneers (core)".
  std::array<std::vector<std::string>, kSideCount> unplaced;
};

// The abbreviation a counter shows for a unit class: the captions of "Core Composition" without
// their colon, and "LTr", "ATr", "NTr" for the three transport classes.
std::string ClassAbbreviation(std::int32_t unitClass);
// The label of a counter whose class the equipment file does not give.
constexpr const char* kUnknownClassLabel = "?";

// A counter's tooltip, one item a line: the name, the equipment name, "Column 3, Row 4",
// "Experience 2", and "core" or "auxiliary".
std::string CounterDescription(const MapCounter& counter);

// `chosenSide` is the side checked on "Core/Aux Transfer" (none: no side is checked, nothing
// is dimmed and nothing can be moved); the lines come from the last roster refresh.
MapContent BuildMapContent(const EditorState& state, std::optional<std::int32_t> chosenSide);

// Where a counter stands: a square in its hex; two on one hex stand side by side, smaller, and
// three or more are set off along the diagonal. Counters are drawn in the order of
// MapContent::counters, so the later of two that overlap lies on top.
MapRect CounterRect(const HexGeometry& geometry, const MapCounter& counter);

// The counter on top at `point`; none where no counter is.
const MapCounter* CounterAt(const MapContent& content, const HexGeometry& geometry, MapPoint point);

}  // namespace zarkel
