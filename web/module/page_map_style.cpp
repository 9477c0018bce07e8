#include "page_map_style.h"

#include <array>
#include <string>

#include "session/map_style.h"

namespace zarkel::web {

namespace {

using emscripten::val;

// "rgb(72 80 96)", or with its opacity "rgb(255 214 0 / 0.470588)".
std::string Css(MapColour colour) {
  std::string text = "rgb(" + std::to_string(colour.red) + " " + std::to_string(colour.green) +
                     " " + std::to_string(colour.blue);
  if (colour.alpha != 255)
    text += " / " + std::to_string(colour.alpha / 255.0);
  return text + ")";
}

val Css(const std::array<MapColour, 3>& colours) {
  val array = val::array();
  for (std::size_t i = 0; i < colours.size(); ++i)
    array.set(i, Css(colours[i]));
  return array;
}

val Scheme(const MapScheme& scheme) {
  val object = val::object();
  object.set("background", Css(scheme.background));
  object.set("paper", Css(scheme.paper));
  object.set("grid", Css(scheme.grid));
  object.set("counterPaper", Css(scheme.counterPaper));
  object.set("hover", Css(scheme.hover));
  object.set("sides", Css(scheme.sides));
  return object;
}

}  // namespace

val MapStyleForPage() {
  const MapStyle& style = kMapStyle;
  val object = val::object();
  object.set("light", Scheme(style.light));
  object.set("dark", Scheme(style.dark));
  object.set("rims", Css(style.rims));
  object.set("smallAux", Css(style.smallAux));
  object.set("coreText", Css(style.coreText));
  object.set("selection", Css(style.selection));
  object.set("drop", Css(style.drop));
  object.set("gridFromRadius", style.gridFromRadius);
  object.set("framedFromSide", style.framedFromSide);
  object.set("textFromSide", style.textFromSide);
  object.set("dimmedOpacity", style.dimmedOpacity);
  object.set("draggedOpacity", style.draggedOpacity);
  object.set("hoverWidth", style.hoverWidth);
  object.set("smallSelectionMargin", style.smallSelectionMargin);
  object.set("smallRim", style.smallRim);
  object.set("smallAuxFrame", style.smallAuxFrame);
  object.set("border", style.border);
  object.set("corner", style.corner);
  object.set("gap", style.gap);
  object.set("pad", style.pad);
  object.set("labelSize", style.labelSize);
  object.set("experienceSize", style.experienceSize);
  object.set("ring", style.ring);
  object.set("ringCorner", style.ringCorner);
  object.set("fontFamily", std::string(style.fontFamily));
  object.set("fitMargin", style.fitMargin);
  object.set("minRadius", style.minRadius);
  object.set("maxRadius", style.maxRadius);
  object.set("zoomStep", style.zoomStep);
  return object;
}

}  // namespace zarkel::web
