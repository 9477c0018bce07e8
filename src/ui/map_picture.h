// The map as a picture to share: the whole map without the view's marks, every side in full
// colour, written as PNG by "Save Picture" and by `zarkel --save-map`.
#pragma once

#include <QImage>
#include <filesystem>
#include <string>

#include "session/map_model.h"

namespace zarkel {

constexpr int kMinPictureWidth = 64;
constexpr int kMaxPictureSide = 16384;

// The width of a picture when none is asked for: some 56 pixels a hex, within 1024 and 4096.
int DefaultPictureWidth(const MapContent& content);

// The whole map, `width` pixels wide; the height follows from the map. Throws Refusal for a map
// without hexes and for a picture higher than kMaxPictureSide.
QImage RenderMapPicture(const MapContent& content, bool evenColumnsLow, int width);

// The bytes of `image` as a PNG file, for the session to write to `path` as it writes every file
// (Session::WriteFileOfFace). Throws IoError naming `path` when the picture cannot be encoded.
std::string PngBytes(const QImage& image, const std::filesystem::path& path);

}  // namespace zarkel
