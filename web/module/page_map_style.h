// The map's style as the page's canvas takes it: colours as CSS colour texts, the rest as
// numbers, under the names of the session's table.
#pragma once

#include <emscripten/val.h>

namespace zarkel::web {

// {light, dark: {background, paper, grid, counterPaper, hover, sides: [3]}, rims: [3],
// smallAux: [3], coreText, selection, drop, gridFromRadius, ..., fontFamily, fitMargin,
// minRadius, maxRadius, zoomStep}.
emscripten::val MapStyleForPage();

}  // namespace zarkel::web
