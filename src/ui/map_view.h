// The map on screen: zoom with the wheel, Ctrl+plus and Ctrl+minus, pan by dragging the
// background, "Fit" to see the whole map. Hovering shows a hex and a counter's tooltip; a
// counter that can be moved is clicked to choose it and dragged to another hex to move it.
#pragma once

#include <QPoint>
#include <QWidget>
#include <memory>

#include "session/hex_geometry.h"
#include "session/map_model.h"
#include "ui/map_renderer.h"

namespace zarkel {

class MapView : public QWidget {
  Q_OBJECT

 public:
  explicit MapView(QWidget* parent = nullptr);

  // A map of another size is fitted into the view; otherwise zoom and position stay.
  void SetContent(std::shared_ptr<const MapContent> content);
  void SetEvenColumnsLow(bool low);
  void SetSelectedUnit(std::int32_t unitIndex);

  const HexGeometry& geometry() const { return geometry_; }
  const MapContent& content() const { return *content_; }
  // Shows the whole map, centred.
  void Fit();
  // Zooms by `factor`, keeping the map point under `anchor` (view coordinates) where it is.
  void ZoomBy(double factor, QPointF anchor);

  QSize sizeHint() const override { return QSize(480, 360); }

 Q_SIGNALS:
  // The hex under the mouse; column and row -1 when the mouse is off the map.
  void hexHovered(int column, int row);
  // A movable counter clicked without moving.
  void unitClicked(std::int32_t unitIndex);
  // A movable counter dropped on another hex of the map.
  void unitDropped(std::int32_t unitIndex, int column, int row);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  enum class Gesture { None, Pressed, Dragging, Panning };

  void SetGeometry(double radius, QPointF origin);
  void Hover(QPointF point);

  std::shared_ptr<const MapContent> content_;
  HexGeometry geometry_;
  bool evenColumnsLow_ = false;
  bool fitted_ = true;  // a resize fits the map again until the user zooms or pans
  MapMarks marks_;
  std::optional<Hex> hovered_;

  Gesture gesture_ = Gesture::None;
  QPoint pressPoint_;
  QPointF panOrigin_;
  std::int32_t pressedUnit_ = 0;
};

}  // namespace zarkel
