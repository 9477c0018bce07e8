// The window's menu bar, added above its nine pages: "File" with "Import OB…"; "Edit" with "Undo"
// and "Redo" over the session's history, each naming its step and greyed out when there is none;
// "Help" with "About zarkel". Choosing an action is announced, for the window to run it.
#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMainWindow;

namespace zarkel {

class SessionSignals;

class MainMenu : public QObject {
  Q_OBJECT

 public:
  // Builds the menus in `window`'s menu bar; the menu belongs to the window.
  MainMenu(QMainWindow& window, SessionSignals& session);

  // Names the steps that Undo and Redo would take, and greys out what has none.
  void Update();

 Q_SIGNALS:
  void undoChosen();
  void redoChosen();
  void importObChosen();

 private:
  void ShowAbout();

  QMainWindow& window_;
  SessionSignals& session_;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
};

// What "About zarkel" says: the version and what the program is for.
QString AboutText();

}  // namespace zarkel
