// The map's plain points, rectangles, colours and texts as Qt takes them, and back: where the
// Map page's painting and mouse meet the map's rules.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <string>

#include "session/hex_geometry.h"
#include "session/map_style.h"

namespace zarkel {

inline QPointF ToQt(MapPoint point) {
  return QPointF(point.x, point.y);
}

inline MapPoint FromQt(QPointF point) {
  return MapPoint{point.x(), point.y()};
}

inline QRectF ToQt(const MapRect& rect) {
  return QRectF(rect.left, rect.top, rect.width, rect.height);
}

inline MapRect FromQt(const QRectF& rect) {
  return MapRect{rect.left(), rect.top(), rect.width(), rect.height()};
}

inline std::array<QPointF, 6> ToQt(const std::array<MapPoint, 6>& corners) {
  return {ToQt(corners[0]), ToQt(corners[1]), ToQt(corners[2]),
          ToQt(corners[3]), ToQt(corners[4]), ToQt(corners[5])};
}

inline QColor ToQt(MapColour colour) {
  return QColor(colour.red, colour.green, colour.blue, colour.alpha);
}

// Names and equipment names are single-byte text.
inline QString MapText(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zarkel
