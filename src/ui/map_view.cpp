#include "ui/map_view.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <QTextDocument>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "session/map_style.h"
#include "ui/map_qt.h"

namespace zarkel {

namespace {

const MapStyle& kStyle = kMapStyle;

}  // namespace

MapView::MapView(QWidget* parent) : QWidget(parent), content_(std::make_shared<MapContent>()) {
  setMouseTracking(true);
  setFocusPolicy(Qt::WheelFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(160, 120);
  // Window-wide, but a shortcut of a hidden widget does not fire: they work while the Map page
  // is shown, wherever the focus is.
  const auto zoomKeys = [this](const QList<QKeySequence>& keys, double factor) {
    for (const QKeySequence& key : keys) {
      auto* shortcut = new QShortcut(key, this);
      shortcut->setContext(Qt::WindowShortcut);
      connect(shortcut, &QShortcut::activated, this,
              [this, factor] { ZoomBy(factor, QRectF(rect()).center()); });
    }
  };
  zoomKeys({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
           kStyle.zoomStep);
  zoomKeys({QKeySequence(QKeySequence::ZoomOut)}, 1.0 / kStyle.zoomStep);
}

void MapView::SetContent(std::shared_ptr<const MapContent> content) {
  const bool resized = content->columns != content_->columns || content->rows != content_->rows;
  content_ = std::move(content);
  if (resized || fitted_)
    Fit();
  else
    update();
}

void MapView::SetEvenColumnsLow(bool low) {
  evenColumnsLow_ = low;
  SetGeometry(geometry_.radius(), ToQt(geometry_.origin()));
}

void MapView::SetSelectedUnit(std::int32_t unitIndex) {
  marks_.selectedUnit = unitIndex;
  update();
}

void MapView::SetGeometry(double radius, QPointF origin) {
  geometry_ =
      HexGeometry(content_->columns, content_->rows, evenColumnsLow_, radius, FromQt(origin));
  update();
}

void MapView::Fit() {
  fitted_ = true;
  const MapSize units = HexGeometry::UnitSize(content_->columns, content_->rows);
  if (units.IsEmpty()) {
    SetGeometry(1.0, QPointF());
    return;
  }
  const double room = std::max(1.0, width() - 2 * kStyle.fitMargin);
  const double height = std::max(1.0, this->height() - 2 * kStyle.fitMargin);
  const double radius = std::clamp(std::min(room / units.width, height / units.height),
                                   kStyle.minRadius, kStyle.maxRadius);
  const QPointF centre = QRectF(rect()).center();
  SetGeometry(radius, centre - QPointF(units.width, units.height) * radius / 2);
}

void MapView::ZoomBy(double factor, QPointF anchor) {
  const double radius = std::clamp(geometry_.radius() * factor, kStyle.minRadius, kStyle.maxRadius);
  const QPointF onMap = (anchor - ToQt(geometry_.origin())) / geometry_.radius();
  fitted_ = false;
  SetGeometry(radius, anchor - onMap * radius);
}

void MapView::Hover(QPointF point) {
  const std::optional<Hex> hex = geometry_.HexAt(FromQt(point));
  if (hex == hovered_)
    return;
  hovered_ = hex;
  marks_.hoveredHex = hex;
  update();
  Q_EMIT hexHovered(hex ? hex->column : -1, hex ? hex->row : -1);
}

bool MapView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    if (const MapCounter* counter = CounterAt(*content_, geometry_, FromQt(help->pos()))) {
      QToolTip::showText(help->globalPos(),
                         Qt::convertFromPlainText(MapText(CounterDescription(*counter))), this,
                         ToQt(CounterRect(geometry_, *counter)).toAlignedRect());
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::event(event);
}

void MapView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintMap(painter, *content_, geometry_, QRectF(event->rect()), marks_);
}

void MapView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (fitted_)
    Fit();
}

void MapView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  pressPoint_ = event->position().toPoint();
  const MapCounter* counter = CounterAt(*content_, geometry_, FromQt(event->position()));
  if (counter != nullptr && counter->movable()) {
    gesture_ = Gesture::Pressed;
    pressedUnit_ = counter->unitIndex;
  } else {
    gesture_ = Gesture::Panning;
    panOrigin_ = ToQt(geometry_.origin());
    setCursor(Qt::ClosedHandCursor);
  }
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF point = event->position();
  if (gesture_ == Gesture::Pressed &&
      (point.toPoint() - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
    gesture_ = Gesture::Dragging;
    marks_.draggedUnit = pressedUnit_;
    setCursor(Qt::ClosedHandCursor);
  }
  if (gesture_ == Gesture::Dragging) {
    marks_.dragPoint = point;
    marks_.dropHex = geometry_.HexAt(FromQt(point));
    update();
  } else if (gesture_ == Gesture::Panning) {
    fitted_ = false;
    SetGeometry(geometry_.radius(), panOrigin_ + (point - QPointF(pressPoint_)));
  }
  Hover(point);
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const Gesture gesture = gesture_;
  const std::int32_t unit = pressedUnit_;
  gesture_ = Gesture::None;
  pressedUnit_ = 0;
  marks_.draggedUnit = 0;
  marks_.dropHex.reset();
  unsetCursor();
  update();
  if (gesture == Gesture::Pressed) {
    Q_EMIT unitClicked(unit);
  } else if (gesture == Gesture::Dragging) {
    const std::optional<Hex> target = geometry_.HexAt(FromQt(event->position()));
    const auto counter = std::find_if(content_->counters.begin(), content_->counters.end(),
                                      [unit](const MapCounter& c) { return c.unitIndex == unit; });
    if (target && counter != content_->counters.end() &&
        *target != Hex{counter->column, counter->row})
      Q_EMIT unitDropped(unit, target->column, target->row);
  }
}

void MapView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) {
    event->ignore();
    return;
  }
  ZoomBy(std::pow(kStyle.zoomStep, notches), event->position());
}

void MapView::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (hovered_) {
    hovered_.reset();
    marks_.hoveredHex.reset();
    update();
    Q_EMIT hexHovered(-1, -1);
  }
}

}  // namespace zarkel
