// Ctrl+Z, and Ctrl+Shift+Z or Ctrl+Y, in an edit whose text the scenario holds (a limit, a
// unit's column, row, used text or experience), so that the edit and the scenario never
// disagree: while the edit holds typing that is not a step yet, the keys undo and redo that
// typing; otherwise they are the Edit menu's "Undo" and "Redo", and the edit shows the value
// they restore.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;

namespace zarkel {

class FieldUndo : public QObject {
  Q_OBJECT

 public:
  // `held` gives the text the scenario holds for an edit, none when it holds none (no unit
  // reviewed): the edit's own undo then goes on as before. `undo` and `redo` are the editor's.
  FieldUndo(std::function<std::optional<QString>(const QLineEdit*)> held,
            std::function<void(QLineEdit*)> undo, std::function<void(QLineEdit*)> redo,
            QObject* parent = nullptr);

  void Watch(QLineEdit* edit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<std::optional<QString>(const QLineEdit*)> held_;
  std::function<void(QLineEdit*)> undo_;
  std::function<void(QLineEdit*)> redo_;
};

}  // namespace zarkel
