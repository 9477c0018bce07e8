// Start-up: the application, the dialogs and the one window; the run ends when it is closed.
#include <QApplication>

#include "ui/qt_dialogs.h"
#include "ui/tabw1.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zarkel"));
  QApplication::setApplicationDisplayName(QStringLiteral("zarkel"));

  zarkel::QtDialogs dialogs;
  zarkel::TForm1 window(dialogs);
  dialogs.SetParentWindow(&window);
  window.show();
  return QApplication::exec();
}
