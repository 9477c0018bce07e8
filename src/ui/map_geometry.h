// Where the hexes of the map lie on screen. The hexes have flat tops and stand in columns,
// column 0 on the left, row 0 at the top; every other column stands half a hex lower: the odd
// columns (1, 3, ...), or the even ones when the shift is turned round.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <optional>

namespace zarkel {

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
  HexGeometry(int columns, int rows, bool evenColumnsLow, double radius, QPointF origin);

  int columns() const { return columns_; }
  int rows() const { return rows_; }
  bool evenColumnsLow() const { return evenColumnsLow_; }
  double radius() const { return radius_; }
  double height() const { return height_; }  // of one hex, flat side to flat side
  QPointF origin() const { return origin_; }

  // The size of a map of `columns` x `rows` hexes of radius 1.
  static QSizeF UnitSize(int columns, int rows);

  bool IsLow(int column) const { return (column % 2 == 1) != evenColumnsLow_; }
  bool Contains(Hex hex) const {
    return hex.column >= 0 && hex.column < columns_ && hex.row >= 0 && hex.row < rows_;
  }
  QPointF Centre(Hex hex) const;
  // The six corners, clockwise from the right one.
  QPolygonF Outline(Hex hex) const;
  // The hex of the map under `point`; none off the map.
  std::optional<Hex> HexAt(QPointF point) const;
  // The map's bounding box.
  QRectF Bounds() const;
  // The columns and rows whose hexes may reach into `area` (first, last; empty when first > last).
  std::pair<int, int> ColumnsIn(const QRectF& area) const;
  std::pair<int, int> RowsIn(const QRectF& area) const;

 private:
  int columns_ = 0;
  int rows_ = 0;
  bool evenColumnsLow_ = false;
  double radius_ = 1.0;
  double height_ = 1.0;
  QPointF origin_;
};

}  // namespace zarkel
