// What the Map page shows of the editor's state: a counter for every placed unit of the three
// sides, and the units that are not placed, by side. Built anew after every roster refresh.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/editor_state.h"
#include "roster/unit_review.h"

namespace zarkel {

struct MapCounter {
  std::int32_t unitIndex = 0;  // position in the UnitTable
  std::int32_t side = 0;
  bool aux = false;
  int column = 0;  // the low bytes of the unit's column and row
  int row = 0;
  QString label;       // the class abbreviation: "Inf", "Tank", ... ("?" for a class without one)
  QString experience;  // "3"
  QString name;
  QString equipmentName;
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
  std::array<std::vector<QString>, kSideCount> unplaced;
};

// The abbreviation a counter shows for a unit class: the captions of "Core Composition" without
// their colon, and "LTr", "ATr", "NTr" for the three transport classes.
QString ClassAbbreviation(std::int32_t unitClass);

// A counter's tooltip, one item a line: the name, the equipment name, "Column 3, Row 4",
// "Experience 2", and "core" or "auxiliary".
QString CounterDescription(const MapCounter& counter);

// `chosenSide` is the side checked on "Core/Aux Transfer" (none: no side is checked, nothing
// is dimmed and nothing can be moved); the lines come from the last roster refresh.
MapContent BuildMapContent(const EditorState& state, std::optional<std::int32_t> chosenSide);

}  // namespace zarkel
