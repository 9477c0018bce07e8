// Start-up: the application, the command line, the dialogs and the one window; the run ends when
// the window is closed.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "ui/map_command.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_messages.h"
#include "ui/start_options.h"
#include "ui/tabw1.h"

int main(int argc, char** argv) {
  // The command line is read before the application starts, so that --help, --version and a
  // usage error need no display.
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  const zarkel::StartCommandLine commandLine = zarkel::ReadStartOptions(arguments);
  if (!commandLine.options) {
    const QByteArray text = commandLine.text.toLocal8Bit();
    std::fputs(text.constData(), commandLine.toStandardError ? stderr : stdout);
    return commandLine.exitCode;
  }
  // A picture is drawn without a window, so it needs no display either.
  const bool pictureOnly = !commandLine.options->saveMap.isEmpty();
  if (pictureOnly && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  zarkel::KeepQtNotesOffTheTerminal();
  QApplication application(argc, argv);
  zarkel::SetUpApplication(application);
  if (pictureOnly)
    return zarkel::SaveMapFromCommandLine(*commandLine.options);

  zarkel::QtDialogs shownDialogs;
  zarkel::AnsweredDialogs dialogs(shownDialogs);
  zarkel::TForm1 window(dialogs);
  shownDialogs.SetParentWindow(&window);
  window.show();
  // Once the window is on screen, so that a dialog or an error box stands over it.
  QTimer::singleShot(0, &window,
                     [&] { zarkel::ApplyStartOptions(window, dialogs, *commandLine.options); });
  return QApplication::exec();
}
