// The map as a picture to share: the whole map without the view's marks, every side in full
// colour, written as PNG by "Save Picture" and by `zarkel --save-map`.
#pragma once

#include <QImage>
#include <filesystem>

#include "session/map_model.h"

namespace zarkel {

constexpr int kMinPictureWidth = 64;
constexpr int kMaxPictureSide = 16384;

// The width of a picture when none is asked for: some 56 pixels a hex, within 1024 and 4096.
int DefaultPictureWidth(const MapContent& content);

// The whole map, `width` pixels wide; the height follows from the map. Throws Refusal for a map
// without hexes and for a picture higher than kMaxPictureSide.
QImage RenderMapPicture(const MapContent& content, bool evenColumnsLow, int width);

// Writes `image` as PNG to `path` through OutputFile: under a temporary name beside it, put in
// place only when all of it is on the disk, so that a failure leaves no file behind. Throws
// IoError, or Refusal for a folder that is missing or a target that is a folder. The caller has
// checked the target against the files in use (CheckWriteTargets).
void WritePicture(const QImage& image, const std::filesystem::path& path);

}  // namespace zarkel
