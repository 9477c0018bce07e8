#include "session/hex_geometry.h"

#include <algorithm>
#include <cmath>

namespace zarkel {

namespace {

const double kSqrt3 = std::sqrt(3.0);

std::pair<int, int> Clamped(double first, double last, int count) {
  const int from = std::max(0, static_cast<int>(std::floor(first)));
  const int to = std::min(count - 1, static_cast<int>(std::floor(last)));
  return {from, to};
}

}  // namespace

HexGeometry::HexGeometry(int columns, int rows, bool evenColumnsLow, double radius, MapPoint origin)
    : columns_(columns),
      rows_(rows),
      evenColumnsLow_(evenColumnsLow),
      radius_(radius),
      height_(radius * kSqrt3),
      origin_(origin) {}

MapSize HexGeometry::UnitSize(int columns, int rows) {
  if (columns <= 0 || rows <= 0)
    return MapSize{0, 0};
  return MapSize{1.5 * columns + 0.5, kSqrt3 * (rows + 0.5)};
}

std::optional<Hex> HexGeometry::HexAt(MapPoint point) const {
  if (columns_ <= 0 || rows_ <= 0 || radius_ <= 0)
    return std::nullopt;
  // Axial coordinates around the centre of hex (0, 0), rounded to the nearest hex in cube
  // coordinates: the hex whose outline holds the point.
  const MapPoint first = Centre(Hex{0, 0});
  const double x = point.x - first.x;
  const double y = point.y - first.y;
  const double q = (2.0 / 3.0 * x) / radius_;
  const double r = (-1.0 / 3.0 * x + kSqrt3 / 3.0 * y) / radius_;
  const double s = -q - r;
  double rq = std::round(q);
  double rr = std::round(r);
  const double rs = std::round(s);
  const double dq = std::abs(rq - q);
  const double dr = std::abs(rr - r);
  const double ds = std::abs(rs - s);
  if (dq > dr && dq > ds)
    rq = -rr - rs;
  else if (dr > ds)
    rr = -rq - rs;
  const int column = static_cast<int>(rq);
  const int axialRow = static_cast<int>(rr);
  // Column 0 stands high when the odd columns are low, and low when the even ones are.
  const int odd = column & 1;
  const int row = evenColumnsLow_ ? axialRow + (column + odd) / 2 : axialRow + (column - odd) / 2;
  const Hex hex{column, row};
  if (!Contains(hex))
    return std::nullopt;
  return hex;
}

MapRect HexGeometry::Bounds() const {
  const MapSize size = UnitSize(columns_, rows_);
  return MapRect{origin_.x, origin_.y, size.width * radius_, size.height * radius_};
}

std::pair<int, int> HexGeometry::ColumnsIn(const MapRect& area) const {
  const double step = 1.5 * radius_;
  return Clamped((area.left - origin_.x - 2 * radius_) / step + 1,
                 (area.right() - origin_.x) / step, columns_);
}

std::pair<int, int> HexGeometry::RowsIn(const MapRect& area) const {
  return Clamped((area.top - origin_.y - 1.5 * height_) / height_ + 1,
                 (area.bottom() - origin_.y) / height_, rows_);
}

}  // namespace zarkel
