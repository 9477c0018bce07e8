#include "ui/directory_list.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace zarkel {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr int kIndentPerLevel = 2;  // spaces before an entry per level below the root

// A folder drawn here rather than taken from the style, where an open and a closed folder may
// look alike: the open one shows its lighter inside under a tilted front flap.
QIcon FolderIcon(bool open) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QColor edge(150, 110, 20);
  painter.setPen(QPen(edge, 1));
  painter.setBrush(QColor(230, 180, 60));
  painter.drawPolygon(
      QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {8, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}));
  if (open) {
    painter.setBrush(QColor(255, 245, 200));
    painter.drawRect(QRectF(3.5, 6.5, 10, 3));
    painter.setBrush(QColor(250, 205, 90));
    painter.drawPolygon(QPolygonF({{3.5, 8.5}, {15.5, 8.5}, {13.5, 13.5}, {1.5, 13.5}}));
  }
  return QIcon(pixmap);
}

// Shows a path in one line, leaving out its middle when the line is too short for it.
class PathCaption : public QLabel {
 public:
  using QLabel::QLabel;
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
  }
};

}  // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (item != nullptr)
      setDirectory(item->data(kPathRole).toString());
  });
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &DirectoryList::Refill);
}

void DirectoryList::setDirectory(const QString& path) {
  const QString cleaned = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  if (cleaned == directory_ && count() > 0)
    return;
  if (!directory_.isEmpty())
    watcher_.removePath(directory_);
  directory_ = cleaned;
  if (QFileInfo(directory_).isDir())
    watcher_.addPath(directory_);
  Fill();
  Q_EMIT directoryChanged(directory_);
}

void DirectoryList::Refill() {
  // A folder made or removed inside the current one; the entry highlighted stays highlighted
  // and the list where it was scrolled to.
  const QListWidgetItem* highlighted = currentItem();
  const QString kept = highlighted != nullptr ? highlighted->data(kPathRole).toString() : QString();
  const int scrolled = verticalScrollBar()->value();
  Fill();
  for (int i = 0; i < count(); ++i) {
    if (item(i)->data(kPathRole).toString() == kept) {
      setCurrentRow(i);
      break;
    }
  }
  verticalScrollBar()->setValue(scrolled);
}

void DirectoryList::Fill() {
  clear();
  static const QIcon openIcon = FolderIcon(true);
  static const QIcon closedIcon = FolderIcon(false);

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
    QFont bold = current->font();
    bold.setBold(true);
    current->setFont(bold);
    setCurrentItem(current);
    scrollToItem(current);
  }
}

QWidget* WithPathCaption(DirectoryList* list) {
  auto* box = new QWidget;
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* caption = new PathCaption;
  caption->setObjectName(list->objectName() + QStringLiteral("Path"));
  layout->addWidget(caption);
  layout->addWidget(list, 1);
  auto show = [caption](const QString& path) {
    caption->setText(QDir::toNativeSeparators(path));
    caption->setToolTip(caption->text());
    caption->update();
  };
  QObject::connect(list, &DirectoryList::directoryChanged, caption, show);
  show(list->directory());
  return box;
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FileList::Fill);
}

void FileList::setDirectory(const QString& directory) {
  if (!directory_.isEmpty())
    watcher_.removePath(directory_);
  directory_ = directory;
  if (QFileInfo(directory_).isDir())
    watcher_.addPath(directory_);
  Fill();
}

void FileList::Fill() {
  const QList<QListWidgetItem*> chosen = selectedItems();
  const QString chosenName = chosen.isEmpty() ? QString() : chosen.first()->text();
  const QSignalBlocker quiet(this);
  clear();
  addItems(QDir(directory_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
  if (!chosenName.isEmpty()) {
    const QList<QListWidgetItem*> again = findItems(chosenName, Qt::MatchExactly);
    if (!again.isEmpty())
      setCurrentItem(again.first());
  }
}

}  // namespace zarkel
