#include "session/map_style.h"

namespace zarkel {

const MapStyle kMapStyle{
    // light
    MapScheme{
        {150, 150, 150, 255},
        {238, 230, 204, 255},
        {176, 164, 130, 255},
        {252, 250, 242, 255},
        {20, 60, 160, 255},
        {{{72, 80, 96, 255}, {40, 120, 48, 255}, {178, 96, 20, 255}}},
    },
    // dark: a darker paper and background, the sides a little lighter
    MapScheme{
        {24, 25, 22, 255},
        {58, 56, 48, 255},
        {92, 88, 72, 255},
        {30, 30, 27, 255},
        {126, 167, 230, 255},
        {{{112, 126, 154, 255}, {56, 156, 68, 255}, {204, 118, 34, 255}}},
    },
    // rims: the light sides' colours darker by a factor of 1.4 (in value)
    {{{51, 57, 69, 255}, {29, 86, 34, 255}, {127, 69, 14, 255}}},
    // smallAux: the light sides' colours lighter by a factor of 1.7 (in value, then saturation
    // given up where the value would pass 255)
    {{{122, 136, 163, 255}, {68, 204, 82, 255}, {255, 162, 76, 255}}},
    {255, 255, 255, 255},  // coreText
    {255, 180, 0, 255},    // selection
    {255, 214, 0, 120},    // drop
    4.0,                   // gridFromRadius
    6.0,                   // framedFromSide
    20.0,                  // textFromSide
    0.35,                  // dimmedOpacity
    0.3,                   // draggedOpacity
    2.0,                   // hoverWidth
    2,                     // smallSelectionMargin
    1,                     // smallRim
    2,                     // smallAuxFrame
    0.09,                  // border
    0.1,                   // corner
    0.04,                  // gap
    0.04,                  // pad
    0.32,                  // labelSize
    0.3,                   // experienceSize
    0.1,                   // ring
    0.12,                  // ringCorner
    "DejaVu Sans",         // fontFamily
    8.0,                   // fitMargin
    0.25,                  // minRadius
    200.0,                 // maxRadius
    1.25,                  // zoomStep
};

}  // namespace zarkel
