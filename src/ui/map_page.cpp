#include "ui/map_page.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "base/errors.h"
#include "base/utf8_path.h"
#include "model/vocabulary.h"
#include "ui/failure_box.h"
#include "ui/map_picture.h"
#include "ui/map_qt.h"
#include "ui/map_view.h"
#include "ui/qt_dialogs.h"
#include "ui/session_signals.h"

namespace zarkel {

namespace {

constexpr const char* kSavePictureTitle = "Save Picture";

// The dialog does not ask about a file already there: the page asks itself, once the file is
// known not to be one the editor works from.
QString DefaultPictureFile(QWidget* parent, const QString& proposed) {
  return QFileDialog::getSaveFileName(parent, QString::fromLatin1(kSavePictureTitle), proposed,
                                      QStringLiteral("PNG image (*.png)"), nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

}  // namespace

MapPage::MapPage(SessionSignals& session, Dialogs& dialogs)
    : session_(session),
      dialogs_(dialogs),
      choosePictureFile_(DefaultPictureFile),
      content_(std::make_shared<MapContent>()) {
  setObjectName(QStringLiteral("MapPage"));
  auto* layout = new QVBoxLayout(this);

  auto* tools = new QHBoxLayout;
  layout->addLayout(tools);
  auto* fit = new QPushButton(QStringLiteral("Fit"));
  fit->setObjectName(QStringLiteral("MapFit"));
  tools->addWidget(fit);
  evenColumnsLow_ = new QCheckBox(QStringLiteral("Even columns half a hex lower"));
  evenColumnsLow_->setObjectName(QStringLiteral("MapEvenColumnsLow"));
  tools->addWidget(evenColumnsLow_);
  tools->addStretch(1);
  hex_ = new QLabel;
  hex_->setObjectName(QStringLiteral("MapHex"));
  hex_->setMinimumWidth(
      hex_->fontMetrics().horizontalAdvance(QStringLiteral("Column 255, Row 255")));
  tools->addWidget(hex_);
  savePicture_ = new QPushButton(QStringLiteral("Save Picture"));
  savePicture_->setObjectName(QStringLiteral("MapSavePicture"));
  savePicture_->setEnabled(false);
  tools->addWidget(savePicture_);

  auto* middle = new QHBoxLayout;
  layout->addLayout(middle, 1);
  view_ = new MapView;
  view_->setObjectName(QStringLiteral("MapView"));
  middle->addWidget(view_, 4);
  auto* side = new QVBoxLayout;
  middle->addLayout(side, 1);
  side->addWidget(new QLabel(QStringLiteral("Units not placed")));
  unplaced_ = new QTreeWidget;
  unplaced_->setObjectName(QStringLiteral("MapUnplaced"));
  unplaced_->setHeaderHidden(true);
  unplaced_->setRootIsDecorated(false);
  side->addWidget(unplaced_, 1);

  layout->addWidget(new QLabel(QStringLiteral("Scenario check")));
  findings_ = new QListWidget;
  findings_->setObjectName(QStringLiteral("MapFindings"));
  findings_->setMaximumHeight(findings_->fontMetrics().height() * 6);
  layout->addWidget(findings_);
  checkNotes_ = new QLabel;
  checkNotes_->setObjectName(QStringLiteral("MapCheckNotes"));
  checkNotes_->setWordWrap(true);
  checkNotes_->hide();
  layout->addWidget(checkNotes_);

  connect(fit, &QPushButton::clicked, view_, &MapView::Fit);
  connect(evenColumnsLow_, &QCheckBox::toggled, view_, &MapView::SetEvenColumnsLow);
  connect(view_, &MapView::hexHovered, this, &MapPage::ShowHex);
  connect(view_, &MapView::unitClicked, this, &MapPage::Click);
  connect(view_, &MapView::unitDropped, this, &MapPage::Drop);
  connect(savePicture_, &QPushButton::clicked, this, &MapPage::SavePicture);
  connect(&session_, &SessionSignals::rostersShown, this, &MapPage::RostersChanged);
  connect(&session_, &SessionSignals::scenarioOpened, this, [this] {
    savePicture_->setEnabled(true);
    RostersChanged();
  });
  // The check reads the limits as they stand.
  connect(&session_, &SessionSignals::campaignEntriesChanged, this, &MapPage::Refresh);
}

void MapPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  Refresh();
}

void MapPage::RostersChanged() {
  // A refresh clears the choice in the lists, and with it the counter chosen.
  view_->SetSelectedUnit(0);
  Refresh();
}

void MapPage::Refresh() {
  const Session& session = session_.session();
  content_ = std::make_shared<const MapContent>(session.Map());
  view_->SetContent(content_);

  unplaced_->clear();
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    const auto& names = content_->unplaced[static_cast<std::size_t>(side)];
    auto* title = new QTreeWidgetItem(
        unplaced_, {QStringLiteral("%1 (%2)")
                        .arg(QString::fromLatin1(kSideWords[static_cast<std::size_t>(side)].title))
                        .arg(names.size())});
    for (const std::string& name : names)
      new QTreeWidgetItem(title, {MapText(name)});
  }
  unplaced_->expandAll();

  findings_->clear();
  checkNotes_->clear();
  checkNotes_->hide();
  if (!session.state().scenario.layout)
    return;
  // The lists of the window are not numbered: a person counts their lines from 1.
  const ScenarioCheck check = session.Check(LineNumbers::FromOne);
  const std::vector<Finding>& findings = check.findings;
  for (const Finding& finding : findings) {
    // Unit names are single-byte text.
    auto* item = new QListWidgetItem(
        QString::fromLatin1(finding.text.data(), static_cast<qsizetype>(finding.text.size())),
        findings_);
    item->setToolTip(QString::fromLatin1(FindingKindName(finding.kind)));
  }
  if (findings.empty())
    findings_->addItem(QStringLiteral("No findings."));
  QStringList notes;
  for (const std::string& note : check.notes)
    notes << QString::fromLatin1(note.data(), static_cast<qsizetype>(note.size()));
  checkNotes_->setText(notes.join(QLatin1Char('\n')));
  checkNotes_->setVisible(!notes.isEmpty());
}

void MapPage::ShowHex(int column, int row) {
  hex_->setText(column < 0 ? QString() : QStringLiteral("Column %1, Row %2").arg(column).arg(row));
}

const MapCounter* MapPage::Counter(std::int32_t unitIndex) const {
  for (const MapCounter& counter : content_->counters) {
    if (counter.unitIndex == unitIndex)
      return &counter;
  }
  return nullptr;
}

void MapPage::Click(std::int32_t unitIndex) {
  const MapCounter* counter = Counter(unitIndex);
  if (counter == nullptr || !counter->movable())
    return;
  // Reviewed on its page, as a click on its line would.
  RunShowingFailure(dialogs_, [&] { session_.session().ReviewUnit(unitIndex); });
  view_->SetSelectedUnit(unitIndex);
}

void MapPage::Drop(std::int32_t unitIndex, int column, int row) {
  const MapCounter* counter = Counter(unitIndex);
  if (counter == nullptr || !counter->movable())
    return;
  // Accepted as "Accept Changes" accepts a typed column and row; the rosters shown again build
  // the counters anew.
  RunShowingFailure(dialogs_, [&] { session_.session().MoveUnit(unitIndex, column, row); });
}

void MapPage::SavePicture() {
  const ScenarioData& scenario = session_.session().state().scenario;
  const QFileInfo source(
      QFile::decodeName(QByteArray::fromStdString(scenario.geometry.sourcePath)));
  const QString proposed = source.absoluteDir().filePath(source.completeBaseName() + ".png");
  QString path = choosePictureFile_(this, proposed);
  if (path.isEmpty())
    return;
  if (QFileInfo(path).suffix().isEmpty())
    path += QStringLiteral(".png");
  try {
    const QFileInfo chosen(path);
    const std::filesystem::path target(PathFromUtf8(FileSystemName(chosen.absoluteFilePath())));
    Session& session = session_.session();
    session.WriteFileOfFace(target, [&] {
      // Every side in full colour, whichever is chosen.
      const MapContent all = BuildMapContent(session.state(), std::nullopt);
      return PngBytes(RenderMapPicture(all, evenColumnsLow_->isChecked(), DefaultPictureWidth(all)),
                      target);
    });
  } catch (const EditorError& error) {
    dialogs_.ShowError(error.what());
  }
}

}  // namespace zarkel
