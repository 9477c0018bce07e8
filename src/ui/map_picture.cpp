#include "ui/map_picture.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "base/errors.h"
#include "session/hex_geometry.h"
#include "ui/map_renderer.h"

namespace zarkel {

namespace {

constexpr double kMarginRadii = 0.25;  // around the map, in hex radii
constexpr double kDefaultRadius = 28.0;

}  // namespace

int DefaultPictureWidth(const MapContent& content) {
  const MapSize units = HexGeometry::UnitSize(content.columns, content.rows);
  const double width = (units.width + 2 * kMarginRadii) * kDefaultRadius;
  return std::clamp(static_cast<int>(std::lround(width)), 1024, 4096);
}

QImage RenderMapPicture(const MapContent& content, bool evenColumnsLow, int width) {
  const MapSize units = HexGeometry::UnitSize(content.columns, content.rows);
  if (units.IsEmpty()) {
    throw Refusal("The map has no hexes to draw: it is " + std::to_string(content.columns) + " x " +
                  std::to_string(content.rows) + ".");
  }
  const double radius = width / (units.width + 2 * kMarginRadii);
  const double height = std::ceil((units.height + 2 * kMarginRadii) * radius);
  if (height > kMaxPictureSide) {
    throw Refusal("A picture of this map " + std::to_string(width) + " pixels wide would be " +
                  std::to_string(static_cast<long long>(height)) +
                  " pixels high; a picture is at most " + std::to_string(kMaxPictureSide) +
                  " pixels high.");
  }
  QImage image(width, static_cast<int>(height), QImage::Format_RGB32);
  QPainter painter(&image);
  const HexGeometry geometry(content.columns, content.rows, evenColumnsLow, radius,
                             MapPoint{kMarginRadii * radius, kMarginRadii * radius});
  PaintMap(painter, content, geometry, QRectF(image.rect()));
  return image;
}

std::string PngBytes(const QImage& image, const std::filesystem::path& path) {
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG"))
    throw IoError("Cannot make the picture", path);
  return png.toStdString();
}

}  // namespace zarkel
