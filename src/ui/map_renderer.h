// Paints the map, its hex grid and its counters, into any painter: the Map page's view, the
// picture "Save Picture" and --save-map write, and the benchmark's frames. Only the part of the
// map inside the area asked for is worked on, and the detail follows the size of a hex: below a
// few pixels the grid lines and the counters' texts are left out.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <cstdint>
#include <optional>

#include "session/hex_geometry.h"
#include "session/map_model.h"

class QPainter;

namespace zarkel {

// What the view marks on top of the map; a picture marks nothing.
struct MapMarks {
  std::int32_t selectedUnit = 0;  // ringed; 0 for none
  std::optional<Hex> hoveredHex;
  std::int32_t draggedUnit = 0;  // drawn at dragPoint, faded at its own hex; 0 for none
  QPointF dragPoint;
  std::optional<Hex> dropHex;  // where the dragged counter would go
};

// Axis, Allies and the third side.
QColor SideColour(std::int32_t side);
QColor PaperColour();       // the hexes
QColor BackgroundColour();  // around the map

// Paints `area` (in the painter's coordinates, which are the geometry's).
void PaintMap(QPainter& painter, const MapContent& content, const HexGeometry& geometry,
              const QRectF& area, const MapMarks& marks = {});

}  // namespace zarkel
