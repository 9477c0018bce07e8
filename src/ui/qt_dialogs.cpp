#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringDecoder>

#include "model/write_questions.h"

namespace zarkel {

namespace {

// Plain messages and error boxes carry the program's name, like every box of the runtime.
QString WindowTitle() {
  return QApplication::applicationName();
}

}  // namespace

std::string FileSystemName(const QString& name) {
#ifdef Q_OS_WIN
  const QByteArray bytes = name.toUtf8();
#else
  const QByteArray bytes = QFile::encodeName(name);
#endif
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromFileSystemName(const std::string& name) {
  const QByteArray bytes(name.data(), static_cast<qsizetype>(name.size()));
#ifdef Q_OS_WIN
  return QString::fromUtf8(bytes);
#else
  return QFile::decodeName(bytes);
#endif
}

QString MessageText(const std::string& text) {
  const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8(bytes);
  if (!utf8.hasError())
    return decoded;
  return QString::fromLatin1(bytes);
}

std::optional<std::string> QtDialogs::ChooseFile(FileDialogKind kind,
                                                 const FileDialogMemory& memory) {
  const FileDialogLook& look = DialogLook(kind);
  // The file chosen last time is proposed again, in its own folder; without one the dialog
  // starts in its initial directory.
  const std::string& start = memory.lastFile.empty() ? memory.initialDirectory : memory.lastFile;
  const QString filter = QString::fromLatin1(look.filterDescription) + " (" +
                         QString::fromLatin1(look.filterPattern) + ")";
  const QString chosen = QFileDialog::getOpenFileName(parent_, QString::fromLatin1(look.title),
                                                      FromFileSystemName(start), filter);
  if (chosen.isEmpty())
    return std::nullopt;
  return FileSystemName(chosen);
}

void QtDialogs::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, WindowTitle(), MessageText(text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtDialogs::AskYesNo(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Question, MessageText(title), MessageText(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  // Enter answers No: the questions ask before something is dropped or converted.
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

bool QtDialogs::AskReplace(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kReplaceTitle), MessageText(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  // Enter keeps the files that are there.
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void QtDialogs::ShowError(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, WindowTitle(), MessageText(text), QMessageBox::Ok,
                  parent_);
  box.exec();
}

}  // namespace zarkel
