#include "ui/map_geometry.h"

#include <QSizeF>
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

HexGeometry::HexGeometry(int columns, int rows, bool evenColumnsLow, double radius, QPointF origin)
    : columns_(columns),
      rows_(rows),
      evenColumnsLow_(evenColumnsLow),
      radius_(radius),
      height_(radius * kSqrt3),
      origin_(origin) {}

QSizeF HexGeometry::UnitSize(int columns, int rows) {
  if (columns <= 0 || rows <= 0)
    return QSizeF(0, 0);
  return QSizeF(1.5 * columns + 0.5, kSqrt3 * (rows + 0.5));
}

QPointF HexGeometry::Centre(Hex hex) const {
  const double x = radius_ + 1.5 * radius_ * hex.column;
  const double y = height_ * (hex.row + (IsLow(hex.column) ? 1.0 : 0.5));
  return origin_ + QPointF(x, y);
}

QPolygonF HexGeometry::Outline(Hex hex) const {
  const QPointF c = Centre(hex);
  const double r = radius_;
  const double h = height_ / 2;
  return QPolygonF({c + QPointF(r, 0), c + QPointF(r / 2, h), c + QPointF(-r / 2, h),
                    c + QPointF(-r, 0), c + QPointF(-r / 2, -h), c + QPointF(r / 2, -h)});
}

std::optional<Hex> HexGeometry::HexAt(QPointF point) const {
  if (columns_ <= 0 || rows_ <= 0 || radius_ <= 0)
    return std::nullopt;
  // Axial coordinates around the centre of hex (0, 0), rounded to the nearest hex in cube
  // coordinates: the hex whose outline holds the point.
  const QPointF p = point - Centre(Hex{0, 0});
  const double q = (2.0 / 3.0 * p.x()) / radius_;
  const double r = (-1.0 / 3.0 * p.x() + kSqrt3 / 3.0 * p.y()) / radius_;
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

QRectF HexGeometry::Bounds() const {
  const QSizeF size = UnitSize(columns_, rows_);
  return QRectF(origin_, size * radius_);
}

std::pair<int, int> HexGeometry::ColumnsIn(const QRectF& area) const {
  const double step = 1.5 * radius_;
  return Clamped((area.left() - origin_.x() - 2 * radius_) / step + 1,
                 (area.right() - origin_.x()) / step, columns_);
}

std::pair<int, int> HexGeometry::RowsIn(const QRectF& area) const {
  return Clamped((area.top() - origin_.y() - 1.5 * height_) / height_ + 1,
                 (area.bottom() - origin_.y()) / height_, rows_);
}

}  // namespace zarkel
