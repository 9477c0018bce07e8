// The window over a directory that holds two scenarios with the same units (orig.scn in the
// Original layout with its companion files sorig.tst, orig.tit and orig.des; home.scn in the
// Homemade layout), the equipment files, an empty folder "out" for the written files; with the
// steps a user takes, for the GUI tests and the screenshots.
#pragma once

#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "scenario_fixture.h"
#include "ui/start_options.h"
#include "ui/tabw1.h"

namespace zarkel::testing {

class Form {
 public:
  Form();
  ~Form();

  TForm1& window() { return *window_; }
  ScenarioFixture& fixture() { return fixture_; }
  ScriptedDialogs& dialogs() { return fixture_.dialogs; }
  // The window's dialogs, as the program gives them: the script, behind the answers that the
  // command line can give.
  AnsweredDialogs& startDialogs() { return startDialogs_; }

  template <typename T>
  T* Get(const char* name) {
    T* widget = window_->findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr)
      throw std::logic_error(std::string("no control ") + name);
    return widget;
  }

  // The text of a label or an edit.
  QString Text(const char* name);
  QStringList Lines(const char* list);

  // Brings the page holding the control to the front, as a user has to before using it.
  void ShowPageOf(const char* name);
  void Click(const char* name);
  void ClickWidget(const char* name);
  void ClickItem(const char* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void SetText(const char* edit, const char* text);

  // Moves a directory list to `path`, as opening folder after folder would.
  void GoTo(const char* directoryList, const std::filesystem::path& path);
  // Clicks the line of "Open File"'s file list that names `file` (UTF-8).
  void ChooseFile(const char* file);

  // "Open File" with the scenario directory chosen, the file clicked and the layout checked.
  void GoToScenarioDirectory();
  void OpenOriginal();
  void OpenHomemade();

  // The Axis rosters of both scenarios, as the six lists and the captions show them.
  void ExpectAxisShown();

 private:
  void Open(const char* file, const char* layoutButton);

  ScenarioFixture fixture_;
  AnsweredDialogs startDialogs_{fixture_.dialogs};
  std::unique_ptr<TForm1> window_;
};

}  // namespace zarkel::testing
