#include "page_map.h"

#include <algorithm>
#include <vector>

#include "page_session.h"
#include "session/map_style.h"
#include "session_values.h"

namespace zarkel::web {

namespace {

val Floats(const std::vector<float>& values) {
  // A copy: the view into the module's memory is gone with `values`.
  return val::global("Float32Array")
      .new_(val(emscripten::typed_memory_view(values.size(), values.data())));
}

void Add(std::vector<float>& out, MapPoint point) {
  out.push_back(static_cast<float>(point.x));
  out.push_back(static_cast<float>(point.y));
}

// The background's polygons along the map's ragged edges within the visible columns and rows:
// the notches between the hexes of the first and last row and column and the bounding box.
std::vector<std::vector<float>> Notches(const HexGeometry& g, std::pair<int, int> columns,
                                        std::pair<int, int> rows) {
  std::vector<std::vector<float>> polygons;
  const MapRect bounds = g.Bounds();
  const double r = g.radius();
  const int lastColumn = g.columns() - 1;
  const int lastRow = g.rows() - 1;
  auto corner = [&g](int column, int row, int index) {
    return g.Outline(Hex{column, row})[static_cast<std::size_t>(index)];
  };
  // Along the top or the bottom: two corners of each hex of the row, and beyond them the edge
  // of the bounding box.
  auto alongRow = [&](int row, int leftCorner, int rightCorner, double outside) {
    std::vector<float> notches;
    const MapPoint first = corner(columns.first, row, leftCorner);
    if (columns.first == 0) {
      Add(notches, {bounds.left, outside});
      Add(notches, {bounds.left, first.y});
    } else {
      Add(notches, {first.x - r / 2, outside});
    }
    MapPoint last;
    for (int column = columns.first; column <= columns.second; ++column) {
      Add(notches, corner(column, row, leftCorner));
      last = corner(column, row, rightCorner);
      Add(notches, last);
    }
    if (columns.second == lastColumn) {
      Add(notches, {bounds.right(), last.y});
      Add(notches, {bounds.right(), outside});
    } else {
      Add(notches, {last.x + r / 2, outside});
    }
    polygons.push_back(std::move(notches));
  };
  // Along the left or the right side: the upper and the side corner of each hex of the column,
  // the lower corner of the last.
  auto alongColumn = [&](int column, int upperCorner, int sideCorner, int lowerCorner,
                         double outside) {
    std::vector<float> notches;
    Add(notches, {outside, corner(column, rows.first, upperCorner).y});
    for (int row = rows.first; row <= rows.second; ++row) {
      Add(notches, corner(column, row, upperCorner));
      Add(notches, corner(column, row, sideCorner));
    }
    const MapPoint last = corner(column, rows.second, lowerCorner);
    Add(notches, last);
    Add(notches, {outside, last.y});
    polygons.push_back(std::move(notches));
  };
  if (rows.first == 0)
    alongRow(0, 4, 5, bounds.top);
  if (rows.second == lastRow)
    alongRow(lastRow, 2, 1, bounds.bottom());
  if (columns.first == 0)
    alongColumn(0, 4, 3, 2, bounds.left);
  if (columns.second == lastColumn)
    alongColumn(lastColumn, 5, 0, 1, bounds.right());
  return polygons;
}

// Every edge once: each hex gives its three upper edges, and its lower ones where no hex of the
// map lies beyond them.
std::vector<float> Grid(const HexGeometry& g, std::pair<int, int> columns,
                        std::pair<int, int> rows) {
  std::vector<float> lines;
  lines.reserve(static_cast<std::size_t>(columns.second - columns.first + 1) *
                static_cast<std::size_t>(rows.second - rows.first + 1) * 12);
  auto edge = [&lines](MapPoint a, MapPoint b) {
    Add(lines, a);
    Add(lines, b);
  };
  for (int column = columns.first; column <= columns.second; ++column) {
    const int lowerRowShift = g.IsLow(column) ? 1 : 0;
    for (int row = rows.first; row <= rows.second; ++row) {
      const std::array<MapPoint, 6> k = g.Outline(Hex{column, row});
      edge(k[3], k[4]);
      edge(k[4], k[5]);
      edge(k[5], k[0]);
      const int lowerRow = row + lowerRowShift;
      if (!g.Contains(Hex{column - 1, lowerRow}))
        edge(k[2], k[3]);
      if (!g.Contains(Hex{column + 1, lowerRow}))
        edge(k[0], k[1]);
      if (row == g.rows() - 1)
        edge(k[1], k[2]);
    }
  }
  return lines;
}

bool Overlap(const MapRect& a, const MapRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

}  // namespace

val PageMap::SetContent(const PageSession& session) {
  content_ = session.session().Map();
  SetView(geometry_.evenColumnsLow(), geometry_.radius(), geometry_.origin().x,
          geometry_.origin().y);
  return ToJs(content_);
}

void PageMap::SetView(bool evenColumnsLow, double radius, double x, double y) {
  geometry_ =
      HexGeometry(content_.columns, content_.rows, evenColumnsLow,
                  std::clamp(radius, kMapStyle.minRadius, kMapStyle.maxRadius), MapPoint{x, y});
}

val PageMap::View() const {
  val view = val::object();
  view.set("radius", geometry_.radius());
  view.set("x", geometry_.origin().x);
  view.set("y", geometry_.origin().y);
  view.set("evenColumnsLow", geometry_.evenColumnsLow());
  return view;
}

val PageMap::Fit(double width, double height) {
  const MapSize units = HexGeometry::UnitSize(content_.columns, content_.rows);
  if (units.IsEmpty()) {
    SetView(geometry_.evenColumnsLow(), 1.0, 0, 0);
    return View();
  }
  const double room = std::max(1.0, width - 2 * kMapStyle.fitMargin);
  const double tall = std::max(1.0, height - 2 * kMapStyle.fitMargin);
  const double radius = std::clamp(std::min(room / units.width, tall / units.height),
                                   kMapStyle.minRadius, kMapStyle.maxRadius);
  SetView(geometry_.evenColumnsLow(), radius, width / 2 - units.width * radius / 2,
          height / 2 - units.height * radius / 2);
  return View();
}

val PageMap::HexAt(double x, double y) const {
  const std::optional<Hex> hex = geometry_.HexAt(MapPoint{x, y});
  if (!hex)
    return val::null();
  val object = val::object();
  object.set("column", hex->column);
  object.set("row", hex->row);
  return object;
}

std::int32_t PageMap::CounterAt(double x, double y) const {
  const MapCounter* counter = zarkel::CounterAt(content_, geometry_, MapPoint{x, y});
  return counter == nullptr ? -1 : static_cast<std::int32_t>(counter - content_.counters.data());
}

val PageMap::HexOutline(std::int32_t column, std::int32_t row) const {
  std::vector<float> corners;
  for (const MapPoint& point : geometry_.Outline(Hex{column, row}))
    Add(corners, point);
  return Floats(corners);
}

val PageMap::Frame(double width, double height) const {
  const MapRect area{0, 0, width, height};
  val frame = val::object();
  const MapRect bounds = geometry_.Bounds();
  const double left = std::max(area.left, bounds.left);
  const double top = std::max(area.top, bounds.top);
  const double right = std::min(area.right(), bounds.right());
  const double bottom = std::min(area.bottom(), bounds.bottom());
  const std::pair<int, int> columns = geometry_.ColumnsIn(area);
  const std::pair<int, int> rows = geometry_.RowsIn(area);
  const bool visible =
      right > left && bottom > top && columns.first <= columns.second && rows.first <= rows.second;
  val notches = val::array();
  std::vector<float> grid;
  if (visible) {
    val paper = val::array();
    for (const double value : {left, top, right - left, bottom - top})
      paper.call<void>("push", value);
    frame.set("paper", paper);
    if (geometry_.radius() >= kMapStyle.gridFromRadius) {
      const std::vector<std::vector<float>> polygons = Notches(geometry_, columns, rows);
      for (std::size_t i = 0; i < polygons.size(); ++i)
        notches.set(i, Floats(polygons[i]));
      grid = Grid(geometry_, columns, rows);
    }
  } else {
    frame.set("paper", val::null());
  }
  frame.set("notches", notches);
  frame.set("grid", Floats(grid));

  std::vector<float> counters;
  for (std::size_t i = 0; i < content_.counters.size(); ++i) {
    const MapRect rect = CounterRect(geometry_, content_.counters[i]);
    if (!Overlap(rect, area))
      continue;
    counters.push_back(static_cast<float>(i));
    counters.push_back(static_cast<float>(rect.left));
    counters.push_back(static_cast<float>(rect.top));
    counters.push_back(static_cast<float>(rect.width));
  }
  frame.set("counters", Floats(counters));
  return frame;
}

}  // namespace zarkel::web
