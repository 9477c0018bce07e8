// The folder and file lists of the window. A folder list shows the folders from the root down to
// the current one, open and the current one in bold, then the folders inside it, closed;
// activating an entry (double click or Enter) opens that folder. Both lists follow the disk.
#pragma once

#include <QFileSystemWatcher>
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
  // The folders inside it are listed again whenever they change on disk, the highlighted entry
  // kept.
  void setDirectory(const QString& path);

 Q_SIGNALS:
  void directoryChanged(const QString& path);

 private:
  void Fill();
  void Refill();

  QString directory_;
  QFileSystemWatcher watcher_;
};

// `list` under a caption that shows the full path of its current folder and follows every
// change. The caption is named after the list: "DirectoryListBox1Path", ...
QWidget* WithPathCaption(DirectoryList* list);

// The files (not folders) of a directory, sorted by name regardless of case, listed again
// whenever the directory's contents change on disk. A refill keeps the chosen file chosen
// without announcing a new choice.
class FileList : public QListWidget {
  Q_OBJECT

 public:
  explicit FileList(QWidget* parent = nullptr);
  void setDirectory(const QString& directory);

 private:
  void Fill();

  QString directory_;
  QFileSystemWatcher watcher_;
};

}  // namespace zarkel
