// The Map page's view of the session's map: the counters of the last content, the hexes' place
// on the canvas (the session's hex geometry), and what one frame draws, computed here in one
// call so that the page's canvas only paints.
#pragma once

#include <emscripten/val.h>

#include <cstdint>

#include "session/hex_geometry.h"
#include "session/map_model.h"

namespace zarkel::web {

using emscripten::val;

class PageSession;

class PageMap {
 public:
  // The counters of the session's map, built anew; answers them for the page (ToJs(MapContent)).
  // The view keeps its zoom and position.
  val SetContent(const PageSession& session);

  // The hex radius in pixels and the canvas point of the map's top left corner.
  void SetView(bool evenColumnsLow, double radius, double x, double y);
  // {radius, x, y, evenColumnsLow}.
  val View() const;
  // The whole map centred in a canvas of `width` x `height` with a margin of a few pixels;
  // sets the view and answers it.
  val Fit(double width, double height);

  // {column, row} of the hex under a canvas point; null off the map.
  val HexAt(double x, double y) const;
  // The counter on top at a canvas point, by its place in the content's counters; -1 for none.
  std::int32_t CounterAt(double x, double y) const;
  // The six corners of a hex, clockwise from the right one: [x0, y0, ... x5, y5].
  val HexOutline(std::int32_t column, std::int32_t row) const;

  // What a frame of `width` x `height` draws: {paper: [left, top, width, height] of the map
  // within the frame, or null; notches: [Float32Array of x, y pairs], the background's polygons
  // along the ragged edges of the map; grid: Float32Array of line segments x1, y1, x2, y2, every
  // hex edge once; counters: Float32Array of index, left, top, side for each counter in the
  // frame, in drawing order}. Without room for lines (a radius under the map style's
  // gridFromRadius) the grid and the notches are empty.
  val Frame(double width, double height) const;

 private:
  MapContent content_;
  HexGeometry geometry_;
};

}  // namespace zarkel::web
