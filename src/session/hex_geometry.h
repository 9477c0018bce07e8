// Where the hexes of the map lie on a drawing surface. The hexes have flat tops and stand in
// columns, column 0 on the left, row 0 at the top; every other column stands half a hex lower:
// the odd columns (1, 3, ...), or the even ones when the shift is turned round. Coordinates are
// the surface's, in pixels, y growing downwards, as every face draws them.
#pragma once

#include <array>
#include <optional>
#include <utility>

namespace zarkel {

struct MapPoint {
  double x = 0;
  double y = 0;
};

struct MapSize {
  double width = 0;
  double height = 0;
  bool IsEmpty() const { return width <= 0 || height <= 0; }
};

struct MapRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
  MapPoint centre() const { return {left + width / 2, top + height / 2}; }
  // Edges included; a rectangle without area holds nothing.
  bool Contains(MapPoint point) const {
    return width > 0 && height > 0 && point.x >= left && point.x <= right() && point.y >= top &&
           point.y <= bottom();
  }
};

struct Hex {
  int column = 0;
  int row = 0;
  friend bool operator==(Hex a, Hex b) { return a.column == b.column && a.row == b.row; }
  friend bool operator!=(Hex a, Hex b) { return !(a == b); }
};

class HexGeometry {
 public:
  HexGeometry() = default;
  // `radius` is the distance from a hex's centre to a corner, in pixels; `origin` the top left
  // corner of the map's bounding box.
  HexGeometry(int columns, int rows, bool evenColumnsLow, double radius, MapPoint origin);

  int columns() const { return columns_; }
  int rows() const { return rows_; }
  bool evenColumnsLow() const { return evenColumnsLow_; }
  double radius() const { return radius_; }
  double height() const { return height_; }  // of one hex, flat side to flat side
  MapPoint origin() const { return origin_; }

  // The size of a map of `columns` x `rows` hexes of radius 1.
  static MapSize UnitSize(int columns, int rows);

  bool IsLow(int column) const { return (column % 2 == 1) != evenColumnsLow_; }
  bool Contains(Hex hex) const {
    return hex.column >= 0 && hex.column < columns_ && hex.row >= 0 && hex.row < rows_;
  }
  MapPoint Centre(Hex hex) const {
    const double x = radius_ + 1.5 * radius_ * hex.column;
    const double y = height_ * (hex.row + (IsLow(hex.column) ? 1.0 : 0.5));
    return MapPoint{origin_.x + x, origin_.y + y};
  }
  // The six corners, clockwise from the right one.
  std::array<MapPoint, 6> Outline(Hex hex) const {
    const MapPoint c = Centre(hex);
    const double r = radius_;
    const double h = height_ / 2;
    return {MapPoint{c.x + r, c.y}, MapPoint{c.x + r / 2, c.y + h}, MapPoint{c.x - r / 2, c.y + h},
            MapPoint{c.x - r, c.y}, MapPoint{c.x - r / 2, c.y - h}, MapPoint{c.x + r / 2, c.y - h}};
  }
  // The hex of the map under `point`; none off the map.
  std::optional<Hex> HexAt(MapPoint point) const;
  // The map's bounding box.
  MapRect Bounds() const;
  // The columns and rows whose hexes may reach into `area` (first, last; empty when first > last).
  std::pair<int, int> ColumnsIn(const MapRect& area) const;
  std::pair<int, int> RowsIn(const MapRect& area) const;

 private:
  int columns_ = 0;
  int rows_ = 0;
  bool evenColumnsLow_ = false;
  double radius_ = 1.0;
  double height_ = 1.0;
  MapPoint origin_;
};

}  // namespace zarkel
