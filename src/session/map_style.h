// How the map is drawn and viewed, the same in the window and in the page: its colours, the
// sizes from which detail shows, a counter's proportions, and the view's margin and zoom. Each
// face paints with its own tools (a QPainter, a canvas) and reads its numbers from here.
#pragma once

#include <array>
#include <cstdint>

namespace zarkel {

struct MapColour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t alpha = 255;
};

// The colours that follow the colour scheme.
struct MapScheme {
  MapColour background;            // around the map, and the notches of its ragged edges
  MapColour paper;                 // the hexes
  MapColour grid;                  // the hexes' edges
  MapColour counterPaper;          // inside an auxiliary counter, and a small counter's rim
  MapColour hover;                 // the outline of the hex under the pointer
  std::array<MapColour, 3> sides;  // Axis, Allies and the third side
};

struct MapStyle {
  // The window draws in the light scheme; the page also in the dark one, when the browser
  // asks for it.
  MapScheme light;
  MapScheme dark;

  // In either scheme: a core counter's rim, and an auxiliary counter too small for its frame,
  // by side.
  std::array<MapColour, 3> rims;
  std::array<MapColour, 3> smallAux;
  MapColour coreText;   // the texts on a core counter; an auxiliary one's are in its side's colour
  MapColour selection;  // the ring around the counter under review
  MapColour drop;       // the hex a dragged counter would go to

  // Sizes in pixels from which detail is drawn: a hex's radius for the grid lines and the
  // notches, a counter's side for the frame of an auxiliary one and for the texts.
  double gridFromRadius;
  double framedFromSide;
  double textFromSide;

  double dimmedOpacity;   // the counters of the sides not chosen
  double draggedOpacity;  // a dragged counter at its own hex
  double hoverWidth;      // in pixels

  // A counter too small for texts, in whole pixels: the selection's margin around it, its
  // light rim, and the frame of an auxiliary one inside the rim.
  int smallSelectionMargin;
  int smallRim;
  int smallAuxFrame;

  // A counter with texts, in shares of its side (with a least size in pixels where given).
  double border;          // an auxiliary counter's frame; at least 1
  double corner;          // the rounding of its corners
  double gap;             // between the middle and each text; at least 1
  double pad;             // between the border and the texts, beyond the border
  double labelSize;       // the class, above the middle
  double experienceSize;  // the experience, below it
  double ring;            // the selection's ring; at least 2
  double ringCorner;

  const char* fontFamily;  // bold, at the sizes above

  // The view: pixels left around a map fitted to it, the least and the greatest hex radius a
  // zoom reaches, and the factor of one zoom step (a wheel notch, a key press, a button).
  double fitMargin;
  double minRadius;
  double maxRadius;
  double zoomStep;
};

extern const MapStyle kMapStyle;

}  // namespace zarkel
