#include "session/hex_geometry.h"

#include <gtest/gtest.h>

namespace zarkel {
namespace {

constexpr int kColumns = 7;
constexpr int kRows = 5;

MapPoint Between(MapPoint from, MapPoint to, double share) {
  return {from.x + (to.x - from.x) * share, from.y + (to.y - from.y) * share};
}

TEST(HexGeometryTest, EachPointFindsTheHexItLiesInWithEitherColumnShift) {
  for (const bool evenLow : {false, true}) {
    SCOPED_TRACE(evenLow ? "even columns low" : "odd columns low");
    const HexGeometry g(kColumns, kRows, evenLow, 10.0, MapPoint{3, 4});
    // Which column stands lower follows the choice.
    const double shift = g.Centre(Hex{1, 2}).y - g.Centre(Hex{0, 2}).y;
    EXPECT_DOUBLE_EQ(shift, evenLow ? -g.height() / 2 : g.height() / 2);

    const MapRect bounds = g.Bounds();
    for (int column = 0; column < kColumns; ++column) {
      for (int row = 0; row < kRows; ++row) {
        const Hex hex{column, row};
        const MapPoint centre = g.Centre(hex);
        EXPECT_EQ(g.HexAt(centre), hex);
        // Points just inside each corner, the corners themselves being shared.
        for (const MapPoint& corner : g.Outline(hex)) {
          EXPECT_EQ(g.HexAt(Between(centre, corner, 0.9)), hex) << column << ", " << row;
          EXPECT_TRUE(bounds.Contains(Between(centre, corner, 0.999)));
        }
      }
    }
    // Off the map: the bounding box's corner, right of the last column, below the last row.
    EXPECT_FALSE(g.HexAt(MapPoint{bounds.left + 1, bounds.top + 1}));
    const MapPoint right = g.Centre(Hex{kColumns - 1, 2});
    EXPECT_FALSE(g.HexAt(MapPoint{right.x + 12, right.y}));
    const MapPoint bottom = g.Centre(Hex{3, kRows - 1});
    EXPECT_FALSE(g.HexAt(MapPoint{bottom.x, bottom.y + g.height()}));
    EXPECT_FALSE(g.HexAt(MapPoint{-50, -50}));
  }
  EXPECT_FALSE(HexGeometry(0, 5, false, 10.0, MapPoint{}).HexAt(MapPoint{10, 10}));
}

// An area painted must get every hex that reaches into it, or the map shows holes at the edges
// of the area repainted.
TEST(HexGeometryTest, ColumnsAndRowsInAnAreaHoldEveryHexReachingIntoIt) {
  const MapRect areas[] = {{0, 0, 400, 300}, {31, 27, 40, 33},    {-20, -20, 25, 25},
                           {88, 61, 1, 1},   {100, 10, 500, 500}, {-60, 40, 20, 10}};
  for (const bool evenLow : {false, true}) {
    const HexGeometry g(kColumns, kRows, evenLow, 10.0, MapPoint{5, 7});
    for (const MapRect& area : areas) {
      const auto [firstColumn, lastColumn] = g.ColumnsIn(area);
      const auto [firstRow, lastRow] = g.RowsIn(area);
      for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < kRows; ++row) {
          const auto corners = g.Outline(Hex{column, row});
          const double left = corners[3].x, right = corners[0].x;
          const double top = corners[4].y, bottom = corners[1].y;
          const bool reaches =
              left < area.right() && right > area.left && top < area.bottom() && bottom > area.top;
          if (!reaches)
            continue;
          EXPECT_TRUE(column >= firstColumn && column <= lastColumn)
              << "column " << column << " of area at " << area.left << ", " << area.top;
          EXPECT_TRUE(row >= firstRow && row <= lastRow)
              << "row " << row << " of area at " << area.left << ", " << area.top;
        }
      }
    }
  }
}

}  // namespace
}  // namespace zarkel
