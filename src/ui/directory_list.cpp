#include "ui/directory_list.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace zarkel {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kIndentPerLevel = 2;  // spaces before an entry per level below the root

}  // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (item != nullptr)
      setDirectory(item->data(kPathRole).toString());
  });
}

void DirectoryList::setDirectory(const QString& path) {
  const QString cleaned = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  if (cleaned == directory_ && count() > 0)
    return;
  directory_ = cleaned;
  Fill();
  Q_EMIT directoryChanged(directory_);
}

void DirectoryList::Fill() {
  clear();
  const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);

  // The chain of folders from the root down to the current one.
  QStringList chain;
  QDir dir(directory_);
  chain.prepend(dir.absolutePath());
  while (dir.cdUp())
    chain.prepend(dir.absolutePath());

  int level = 0;
  QListWidgetItem* current = nullptr;
  for (const QString& folder : chain) {
    const QString name =
        level == 0 ? QDir::toNativeSeparators(folder) : QFileInfo(folder).fileName();
    auto* item = new QListWidgetItem(openIcon, QString(level * kIndentPerLevel, ' ') + name, this);
    item->setData(kPathRole, folder);
    item->setToolTip(QDir::toNativeSeparators(folder));
    current = item;
    ++level;
  }
  const QStringList children =
      QDir(directory_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QString& child : children) {
    auto* item =
        new QListWidgetItem(closedIcon, QString(level * kIndentPerLevel, ' ') + child, this);
    item->setData(kPathRole, QDir(directory_).absoluteFilePath(child));
    item->setToolTip(QDir::toNativeSeparators(item->data(kPathRole).toString()));
  }
  if (current != nullptr) {
    setCurrentItem(current);
    scrollToItem(current);
  }
}

QStringList FilesOf(const QString& directory) {
  return QDir(directory).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

}  // namespace zarkel
