#include "ui/qt_messages.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <mutex>

namespace zarkel {

namespace {

constexpr qsizetype kNotesKept = 50;  // the latest ones; a long run may produce many

QStringList& HeldNotes() {
  static QStringList notes;
  return notes;
}

void Print(const QString& line) {
  std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
  std::fflush(stderr);
}

void HandleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  static std::mutex guard;  // Qt may report from a thread of its own
  const std::lock_guard<std::mutex> lock(guard);
  const QString line = qFormatLogMessage(type, context, message);
  QStringList& held = HeldNotes();
  if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) {
    held.append(line);
    if (held.size() > kNotesKept)
      held.removeFirst();
    return;
  }
  for (const QString& note : held)
    Print(note);
  held.clear();
  Print(line);
}

}  // namespace

void KeepQtNotesOffTheTerminal() {
  if (qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
    return;
  qInstallMessageHandler(HandleMessage);
}

}  // namespace zarkel
