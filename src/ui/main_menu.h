// The window's menu bar, added above its nine pages: "Edit" with "Undo" and "Redo" over the edit
// history, each naming its step and greyed out when there is none; "Help" with "About zarkel".
#pragma once

#include <QObject>
#include <QString>

class QAction;

namespace zarkel {

class TForm1;

class MainMenu : public QObject {
  Q_OBJECT

 public:
  // Builds the menus in `window`'s menu bar; the menu belongs to the window.
  explicit MainMenu(TForm1& window);

  // Names the steps that Undo and Redo would take, and greys out what has none.
  void Update();

 private:
  void ShowAbout();

  TForm1& window_;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
};

// What "About zarkel" says: the version and what the program is for.
QString AboutText();

}  // namespace zarkel
