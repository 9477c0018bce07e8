#include "ui/field_undo.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zarkel {

namespace {

enum class Key { None, Undo, Redo };

Key UndoKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers =
      event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
  if (event.key() == Qt::Key_Z && modifiers == Qt::ControlModifier)
    return Key::Undo;
  if ((event.key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) ||
      (event.key() == Qt::Key_Y && modifiers == Qt::ControlModifier))
    return Key::Redo;
  return Key::None;
}

}  // namespace

FieldUndo::FieldUndo(std::function<std::optional<QString>(const QLineEdit*)> held,
                     std::function<void(QLineEdit*)> undo, std::function<void(QLineEdit*)> redo,
                     QObject* parent)
    : QObject(parent), held_(std::move(held)), undo_(std::move(undo)), redo_(std::move(redo)) {}

void FieldUndo::Watch(QLineEdit* edit) {
  edit->installEventFilter(this);
}

bool FieldUndo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
    return QObject::eventFilter(watched, event);
  auto* edit = qobject_cast<QLineEdit*>(watched);
  const Key key = edit == nullptr ? Key::None : UndoKey(*static_cast<QKeyEvent*>(event));
  if (key == Key::None)
    return QObject::eventFilter(watched, event);
  const std::optional<QString> held = held_(edit);
  if (!held)
    return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::ShortcutOverride) {
    // The key comes to the edit, not to the menu's shortcut: the edit decides below.
    event->accept();
    return true;
  }
  const bool typing = edit->text() != *held;
  if (key == Key::Undo) {
    if (!typing) {
      undo_(edit);
    } else if (edit->isUndoAvailable()) {
      edit->undo();
    } else {
      edit->setText(*held);
    }
  } else if (edit->isRedoAvailable()) {
    edit->redo();
  } else if (!typing) {
    redo_(edit);
  }
  return true;
}

}  // namespace zarkel
