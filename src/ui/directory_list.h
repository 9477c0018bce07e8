// A directory list for choosing a folder: the folders from the root down to the current one,
// then the folders inside it. Activating an entry (double click or Enter) opens that folder.
#pragma once

#include <QListWidget>
#include <QString>

namespace zarkel {

class DirectoryList : public QListWidget {
  Q_OBJECT

 public:
  explicit DirectoryList(QWidget* parent = nullptr);

  // The current directory, an absolute path.
  QString directory() const { return directory_; }
  // Makes `path` the current directory and lists it; emits directoryChanged when it changed.
  void setDirectory(const QString& path);

 Q_SIGNALS:
  void directoryChanged(const QString& path);

 private:
  void Fill();

  QString directory_;
};

// The files (not folders) of `directory`, sorted by name regardless of case.
QStringList FilesOf(const QString& directory);

}  // namespace zarkel
