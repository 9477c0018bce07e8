// The editor's questions to the user as real dialogs: QFileDialog for the open-file dialogs,
// QMessageBox for messages, questions and failure reports.
#pragma once

#include <QPointer>
#include <QWidget>

#include "model/dialogs.h"

namespace zarkel {

class QtDialogs : public Dialogs {
 public:
  // The dialogs stand over `parent` once it is set.
  void SetParentWindow(QWidget* parent) { parent_ = parent; }

  std::optional<std::string> ChooseFile(FileDialogKind kind,
                                        const FileDialogMemory& memory) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& title, const std::string& text) override;
  bool AskReplace(const std::string& text) override;
  void ShowError(const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
};

// A file name as the core takes it, and back: UTF-8 on Windows (the core turns it into the
// system's wide name), elsewhere the file system's own bytes, which the core passes on as they
// are.
std::string FileSystemName(const QString& path);
QString FromFileSystemName(const std::string& name);

// A message text of the core: file paths are in the file system's encoding, everything else is
// single-byte text; either way every byte shows.
QString MessageText(const std::string& text);

}  // namespace zarkel
