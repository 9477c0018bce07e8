#include "ui/map_renderer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <vector>

#include "session/map_style.h"
#include "ui/map_qt.h"

namespace zarkel {

namespace {

const MapStyle& kStyle = kMapStyle;

// A side's colour of `colours`, the third side's for any other number.
QColor OfSide(const std::array<MapColour, 3>& colours, std::int32_t side) {
  return ToQt(colours[side == 0 || side == 1 ? static_cast<std::size_t>(side) : 2]);
}

// The hexes of the visible columns and rows in paper colour: the map's bounding box, and where
// a hex is more than a few pixels across, the notches of its ragged edges in the background
// colour again, each edge as one polygon.
void FillHexes(QPainter& painter, const HexGeometry& g, const QRectF& area,
               std::pair<int, int> columns, std::pair<int, int> rows) {
  const QRectF bounds = ToQt(g.Bounds());
  painter.fillRect(bounds & area, PaperColour());
  if (g.radius() < kStyle.gridFromRadius)
    return;
  painter.setPen(Qt::NoPen);
  painter.setBrush(BackgroundColour());
  auto corner = [&g](int column, int row, int index) {
    return ToQt(g.Outline(Hex{column, row})[static_cast<std::size_t>(index)]);
  };
  const double r = g.radius();
  const int lastColumn = g.columns() - 1;
  const int lastRow = g.rows() - 1;
  // Along the top or the bottom: two corners of each hex of the row (see Outline), and beyond
  // them the edge of the bounding box.
  auto alongRow = [&](int row, int leftCorner, int rightCorner, double outside) {
    QPolygonF notches;
    const QPointF first = corner(columns.first, row, leftCorner);
    if (columns.first == 0)
      notches << QPointF(bounds.left(), outside) << QPointF(bounds.left(), first.y());
    else
      notches << QPointF(first.x() - r / 2, outside);
    for (int column = columns.first; column <= columns.second; ++column)
      notches << corner(column, row, leftCorner) << corner(column, row, rightCorner);
    const QPointF last = notches.back();
    if (columns.second == lastColumn)
      notches << QPointF(bounds.right(), last.y()) << QPointF(bounds.right(), outside);
    else
      notches << QPointF(last.x() + r / 2, outside);
    painter.drawPolygon(notches);
  };
  // Along the left or the right side: the upper and the side corner of each hex of the column,
  // the lower corner of the last.
  auto alongColumn = [&](int column, int upperCorner, int sideCorner, int lowerCorner,
                         double outside) {
    QPolygonF notches;
    notches << QPointF(outside, corner(column, rows.first, upperCorner).y());
    for (int row = rows.first; row <= rows.second; ++row)
      notches << corner(column, row, upperCorner) << corner(column, row, sideCorner);
    const QPointF last = corner(column, rows.second, lowerCorner);
    notches << last << QPointF(outside, last.y());
    painter.drawPolygon(notches);
  };
  if (rows.first == 0)
    alongRow(0, 4, 5, bounds.top());
  if (rows.second == lastRow)
    alongRow(lastRow, 2, 1, bounds.bottom());
  if (columns.first == 0)
    alongColumn(0, 4, 3, 2, bounds.left());
  if (columns.second == lastColumn)
    alongColumn(lastColumn, 5, 0, 1, bounds.right());
}

// The outline of `hex` with the painter's pen and brush.
void DrawHexOutline(QPainter& painter, const HexGeometry& g, Hex hex) {
  const std::array<QPointF, 6> outline = ToQt(g.Outline(hex));
  painter.drawPolygon(outline.data(), static_cast<int>(outline.size()));
}

// Every edge once: each hex draws its three upper edges, and its lower ones where no hex of the
// map lies beyond them.
void DrawGrid(QPainter& painter, const HexGeometry& g, std::pair<int, int> columns,
              std::pair<int, int> rows) {
  std::vector<QLineF> lines;
  lines.reserve(static_cast<std::size_t>(
      (columns.second - columns.first + 1) * (rows.second - rows.first + 1) * 3 + 64));
  for (int column = columns.first; column <= columns.second; ++column) {
    const int lowerRowShift = g.IsLow(column) ? 1 : 0;
    for (int row = rows.first; row <= rows.second; ++row) {
      const std::array<QPointF, 6> k = ToQt(g.Outline(Hex{column, row}));
      lines.emplace_back(k[3], k[4]);
      lines.emplace_back(k[4], k[5]);
      lines.emplace_back(k[5], k[0]);
      const int lowerRow = row + lowerRowShift;
      if (!g.Contains(Hex{column - 1, lowerRow}))
        lines.emplace_back(k[2], k[3]);
      if (!g.Contains(Hex{column + 1, lowerRow}))
        lines.emplace_back(k[0], k[1]);
      if (row == g.rows() - 1)
        lines.emplace_back(k[1], k[2]);
    }
  }
  painter.setPen(QPen(ToQt(kStyle.light.grid), 0));
  painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

// `text` centred in `box`, at `pixels` or smaller so that it fits the box's width.
void DrawFitted(QPainter& painter, const QRectF& box, int alignment, const QString& text,
                double pixels) {
  QFont font(QString::fromLatin1(kStyle.fontFamily));
  font.setBold(true);
  font.setPixelSize(std::max(1, static_cast<int>(pixels)));
  const double width = QFontMetricsF(font).horizontalAdvance(text);
  if (width > box.width())
    font.setPixelSize(std::max(1, static_cast<int>(pixels * box.width() / width)));
  painter.setFont(font);
  painter.drawText(box, alignment, text);
}

void DrawCounter(QPainter& painter, const QRectF& rect, const MapCounter& counter, double opacity,
                 bool selected) {
  const QColor colour = SideColour(counter.side);
  const double side = rect.width();
  painter.setOpacity(opacity);
  if (side < kStyle.textFromSide) {
    // Too small for texts: a plain square with a light rim, so that the counters of a stack
    // stay apart; an auxiliary one framed in the side's colour or, where there is no room for a
    // frame, lighter.
    QRect square = rect.toRect();
    const QColor counterPaper = ToQt(kStyle.light.counterPaper);
    if (selected) {
      const int margin = kStyle.smallSelectionMargin;
      painter.fillRect(square.adjusted(-margin, -margin, margin, margin), ToQt(kStyle.selection));
    }
    if (side < kStyle.framedFromSide) {
      painter.fillRect(square, counter.aux ? OfSide(kStyle.smallAux, counter.side) : colour);
    } else {
      painter.fillRect(square, counterPaper);
      const int rim = kStyle.smallRim;
      square.adjust(rim, rim, -rim, -rim);
      painter.fillRect(square, colour);
      const int frame = kStyle.smallAuxFrame;
      if (counter.aux)
        painter.fillRect(square.adjusted(frame, frame, -frame, -frame), counterPaper);
    }
    painter.setOpacity(1.0);
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing, true);
  const double border = std::max(1.0, side * kStyle.border);
  if (counter.aux) {
    painter.setPen(QPen(colour, border));
    painter.setBrush(ToQt(kStyle.light.counterPaper));
  } else {
    painter.setPen(QPen(OfSide(kStyle.rims, counter.side), 1.0));
    painter.setBrush(colour);
  }
  const double inset = counter.aux ? border / 2 : 0.5;
  painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), side * kStyle.corner,
                          side * kStyle.corner);

  // The class above the middle, the experience below it; the middle itself stays clear.
  painter.setPen(counter.aux ? colour : ToQt(kStyle.coreText));
  const double gap = std::max(1.0, side * kStyle.gap);
  const double pad = border + side * kStyle.pad;
  const QPointF middle = rect.center();
  const QRectF upper(QPointF(rect.left() + pad, rect.top() + pad),
                     QPointF(rect.right() - pad, middle.y() - gap));
  const QRectF lower(QPointF(rect.left() + pad, middle.y() + gap),
                     QPointF(rect.right() - pad, rect.bottom() - pad));
  DrawFitted(painter, upper, Qt::AlignHCenter | Qt::AlignBottom, MapText(counter.label),
             side * kStyle.labelSize);
  DrawFitted(painter, lower, Qt::AlignHCenter | Qt::AlignTop, MapText(counter.experience),
             side * kStyle.experienceSize);
  if (selected) {
    const double ring = std::max(2.0, side * kStyle.ring);
    painter.setPen(QPen(ToQt(kStyle.selection), ring));
    painter.setBrush(Qt::NoBrush);
    const double out = ring / 2 + 1;
    painter.drawRoundedRect(rect.adjusted(-out, -out, out, out), side * kStyle.ringCorner,
                            side * kStyle.ringCorner);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setOpacity(1.0);
}

}  // namespace

QColor SideColour(std::int32_t side) {
  return OfSide(kStyle.light.sides, side);
}

QColor PaperColour() {
  return ToQt(kStyle.light.paper);
}

QColor BackgroundColour() {
  return ToQt(kStyle.light.background);
}

void PaintMap(QPainter& painter, const MapContent& content, const HexGeometry& geometry,
              const QRectF& area, const MapMarks& marks) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(area, BackgroundColour());
  const std::pair<int, int> columns = geometry.ColumnsIn(FromQt(area));
  const std::pair<int, int> rows = geometry.RowsIn(FromQt(area));
  if (columns.first <= columns.second && rows.first <= rows.second) {
    FillHexes(painter, geometry, area, columns, rows);
    if (geometry.radius() >= kStyle.gridFromRadius)
      DrawGrid(painter, geometry, columns, rows);
  }
  if (marks.dropHex) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQt(kStyle.drop));
    DrawHexOutline(painter, geometry, *marks.dropHex);
  }
  if (marks.hoveredHex) {
    painter.setPen(QPen(ToQt(kStyle.light.hover), kStyle.hoverWidth));
    painter.setBrush(Qt::NoBrush);
    DrawHexOutline(painter, geometry, *marks.hoveredHex);
  }

  const MapCounter* dragged = nullptr;
  for (const MapCounter& counter : content.counters) {
    const QRectF rect = ToQt(CounterRect(geometry, counter));
    if (!rect.intersects(area))
      continue;
    double opacity = counter.dimmed ? kStyle.dimmedOpacity : 1.0;
    if (counter.unitIndex == marks.draggedUnit) {
      dragged = &counter;
      opacity = kStyle.draggedOpacity;
    }
    DrawCounter(painter, rect, counter, opacity, counter.unitIndex == marks.selectedUnit);
  }
  if (dragged != nullptr) {
    QRectF rect = ToQt(CounterRect(geometry, *dragged));
    rect.moveCenter(marks.dragPoint);
    DrawCounter(painter, rect, *dragged, 1.0, true);
  }
  painter.restore();
}

}  // namespace zarkel
