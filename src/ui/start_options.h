// The command line of the window program:
//
//   zarkel [SCENARIO] [--layout homemade|original] [--equipment EQP] [--names TXT]
//          [--side axis|allies]
//   zarkel SCENARIO --layout homemade|original [--equipment EQP] [--names TXT]
//          --save-map FILE [--width PIXELS] [--replace]
//
// With SCENARIO and --layout the window starts as if the user had picked the scenario's folder
// and file on the "Open File" page, checked the layout and pressed "Open File"; without --layout
// it starts with the folder and file picked and waits for the layout. --equipment and --names
// answer the two equipment dialogs once; a dialog without its file shows as usual. --side checks
// that side's button. With --save-map no window is shown: the scenario is opened, its map is
// written to FILE as a PNG picture, and the program ends; a FILE that is there already is kept
// unless --replace is given.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "model/dialogs.h"
#include "model/scenario_layout.h"
#include "session/dialog_answers.h"

class QApplication;

namespace zarkel {

class TForm1;

struct StartOptions {
  QString scenario;  // absolute; empty when none was given
  std::optional<ScenarioLayout> layout;
  QString equipment;  // absolute; empty when not given
  QString names;
  std::optional<std::int32_t> side;  // 0 Axis, 1 Allies
  QString saveMap;                   // the picture to write instead of showing the window
  std::optional<int> width;          // of the picture, in pixels
  bool replace = false;              // --save-map may replace a file of that name
};

// What the command line asks for: options to start with, or an exit code and the text to print
// first (help and version on stdout with 0; a usage error on stderr with 2).
struct StartCommandLine {
  std::optional<StartOptions> options;
  int exitCode = 0;
  QString text;
  bool toStandardError = false;
};

StartCommandLine ReadStartOptions(const QStringList& arguments);

// The program's name and version, as the window, its boxes and --version show them.
void SetUpApplication(QApplication& application);

// Takes the steps the options stand for on `window`, whose dialogs are `dialogs`: the equipment
// files given answer their dialogs once, and a dialog without its file shows as usual.
void ApplyStartOptions(TForm1& window, AnsweredDialogs& dialogs, const StartOptions& options);

}  // namespace zarkel
