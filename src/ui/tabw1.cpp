#include "ui/tabw1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

#include "base/errors.h"
#include "model/campaign_display.h"
#include "model/vocabulary.h"
#include "ui/directory_list.h"
#include "ui/failure_box.h"
#include "ui/field_undo.h"
#include "ui/main_menu.h"
#include "ui/qt_dialogs.h"
#include "ui/session_signals.h"
#include "ui/window_status.h"

namespace zarkel {

namespace {

constexpr QSize kDesignedSize(696, 480);

// Unit names, equipment names and the numbers of the core are single-byte text.
QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToLatin1(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void Fill(QListWidget* list, const std::vector<std::string>& lines) {
  list->clear();
  for (const std::string& line : lines)
    list->addItem(FromLatin1(line));
}

std::optional<std::int32_t> SelectedLine(const QListWidget* list) {
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->isSelected())
      return row;
  }
  return std::nullopt;
}

std::vector<std::int32_t> SelectedLines(const QListWidget* list) {
  std::vector<std::int32_t> lines;
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->isSelected())
      lines.push_back(row);
  }
  return lines;
}

}  // namespace

TForm1::TForm1(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      dialogs_(dialogs),
      session_(dialogs),
      signals_(std::make_unique<SessionSignals>(session_)) {
  BuildPages();
  ConnectHandlers();
  status_ = std::make_unique<WindowStatus>(statusBar(), *signals_);
  menu_ = new MainMenu(*this, *signals_);
  connect(menu_, &MainMenu::undoChosen, this, &TForm1::Undo);
  connect(menu_, &MainMenu::redoChosen, this, &TForm1::Redo);
  connect(menu_, &MainMenu::importObChosen, this, &TForm1::ImportObClick);
  resize(sizeHint().expandedTo(kDesignedSize));
}

TForm1::~TForm1() {
  // The controls go after the session: what they signal while they go (a page taken out of the
  // tabs, an edit losing the focus) has nothing left to reach.
  for (QObject* control : findChildren<QObject*>())
    control->disconnect(this);
}

void TForm1::ConnectHandlers() {
  staticText2_->installEventFilter(this);
  staticText13_->installEventFilter(this);

  // "Open File": the drive, folder and file lists follow one another into "Filename".
  connect(drives_, &QComboBox::activated, this, [this](int index) {
    scenarioDirectory_->setDirectory(drives_->itemData(index).toString());
  });
  connect(scenarioDirectory_, &DirectoryList::directoryChanged, this, [this](const QString& dir) {
    ShowDriveOf(dir);
    files_->setDirectory(dir);
  });
  connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> chosen = files_->selectedItems();
    if (!chosen.isEmpty())
      fileName_->setText(chosen.first()->text());
  });
  connect(fileName_, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
  Edit1Change(fileName_->text());
  FillDrives();
  scenarioDirectory_->setDirectory(QDir::currentPath());

  connect(findChild<QPushButton*>(QStringLiteral("Button1")), &QPushButton::clicked, this,
          &TForm1::Button1Click);
  connect(findChild<QPushButton*>(QStringLiteral("Button11")), &QPushButton::clicked, this,
          &TForm1::Button11Click);
  connect(axis_, &QRadioButton::clicked, this, &TForm1::RadioButton3Click);
  connect(allies_, &QRadioButton::clicked, this, &TForm1::RadioButton4Click);
  connect(findChild<QPushButton*>(QStringLiteral("Button2")), &QPushButton::clicked, this,
          &TForm1::Button2Click);
  connect(findChild<QPushButton*>(QStringLiteral("Button3")), &QPushButton::clicked, this,
          &TForm1::Button3Click);

  // A line of "All Core Units" or "All Auxillary Units" is reviewed when chosen, by mouse or
  // arrow keys, and again when clicked.
  connect(core_.all, &QListWidget::itemSelectionChanged, this, &TForm1::Button7Click);
  connect(core_.all, &QListWidget::itemClicked, this, &TForm1::Button7Click);
  connect(core_.review, &QPushButton::clicked, this, &TForm1::Button7Click);
  connect(aux_.all, &QListWidget::itemSelectionChanged, this, &TForm1::Button8Click);
  connect(aux_.all, &QListWidget::itemClicked, this, &TForm1::Button8Click);
  connect(aux_.review, &QPushButton::clicked, this, &TForm1::Button8Click);
  connect(core_.accept, &QPushButton::clicked, this, &TForm1::Button9Click);
  connect(aux_.accept, &QPushButton::clicked, this, &TForm1::Button10Click);
  // The unused lists rebuild themselves when a line is chosen; that waits until the list has
  // finished handling the click that chose it.
  connect(core_.unused, &QListWidget::itemSelectionChanged, this, &TForm1::ListBox5Click,
          Qt::QueuedConnection);
  connect(aux_.unused, &QListWidget::itemSelectionChanged, this, &TForm1::ListBox6Click,
          Qt::QueuedConnection);

  // "Campaign Data": an edit becomes a step when it is finished (Enter, or leaving the edit);
  // each click on the type's arrows is one, and the session folds them into one step.
  for (std::size_t i = 0; i < limits_.size(); ++i) {
    const auto field = static_cast<LimitField>(i);
    connect(limits_[i], &QLineEdit::editingFinished, this, [this, field] { LimitExit(field); });
  }
  // The keys of undo and redo in an edit whose text the scenario holds.
  fieldUndo_ = new FieldUndo([this](const QLineEdit* edit) { return HeldText(edit); },
                             [this](QLineEdit* edit) { UndoFromField(edit, false); },
                             [this](QLineEdit* edit) { UndoFromField(edit, true); }, this);
  for (QLineEdit* edit : limits_)
    fieldUndo_->Watch(edit);
  for (UnitPageControls* c : {&core_, &aux_}) {
    for (QLineEdit* edit : {c->column, c->row, c->used, c->experience})
      fieldUndo_->Watch(edit);
  }
  connect(battleType_, &QSpinBox::valueChanged, this, &TForm1::BattletypeExit);
  connect(battleType_, &QSpinBox::editingFinished, this, &TForm1::BattletypeExit);
  // Another page brought to the front leaves the edit that was being typed.
  connect(pages_, &QTabWidget::currentChanged, this, &TForm1::FinishPendingEdit);
  connect(findChild<QPushButton*>(QStringLiteral("Button6")), &QPushButton::clicked, this,
          &TForm1::Button6Click);
  connect(findChild<QPushButton*>(QStringLiteral("Button4")), &QPushButton::clicked, this,
          &TForm1::Button4Click);
  connect(findChild<QPushButton*>(QStringLiteral("Button13")), &QPushButton::clicked, this,
          &TForm1::Button13Click);
  connect(findChild<QPushButton*>(QStringLiteral("ImportObButton")), &QPushButton::clicked, this,
          &TForm1::ImportObClick);
  connect(orderOfBattleSpreadsheet_, &QCheckBox::toggled, this,
          [this](bool checked) { orderOfBattleNameCaption_->setText(ObNameCaption(checked)); });

  // What the session announces, whichever view asked for it.
  connect(signals_.get(), &SessionSignals::scenarioOpened, this, &TForm1::ShowOpened);
  connect(signals_.get(), &SessionSignals::sideChosen, this, &TForm1::ShowSide);
  connect(signals_.get(), &SessionSignals::rostersShown, this, &TForm1::ShowRosters);
  connect(signals_.get(), &SessionSignals::unitReviewed, this, &TForm1::ShowReviewed);
  connect(signals_.get(), &SessionSignals::campaignEntriesChanged, this,
          &TForm1::ShowCampaignEntries);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == staticText2_ || watched == staticText13_) &&
      event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == staticText2_)
      StaticText2Click();
    else
      StaticText13Click();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::Run(const std::function<void()>& work) {
  RunShowingFailure(dialogs_, work);
}

void TForm1::FinishPendingEdit() {
  // Before an opening the controls hold the window's own texts ("Edit3" ...), which are no edit.
  if (!session_.state().scenario.layout)
    return;
  // Any of the nine controls whose text the session does not hold yet: the one being typed in,
  // or one set by a script without the focus. All are read before the first step is made, since
  // each step shows the session's texts again.
  std::vector<std::pair<LimitField, std::string>> typed;
  for (std::size_t i = 0; i < limits_.size(); ++i) {
    std::string text = ToLatin1(limits_[i]->text());
    if (text != session_.limitTexts()[i])
      typed.emplace_back(static_cast<LimitField>(i), std::move(text));
  }
  const std::int32_t type = BattleTypeValue();
  Run([&] {
    if (type != session_.battleType())
      session_.SetType(type);
    for (const auto& [field, text] : typed)
      session_.SetLimit(field, text);
  });
}

bool TForm1::MayDropEdits() {
  FinishPendingEdit();
  return (!session_.HasUnwrittenEdits() && !UnitFieldsTyped()) ||
         dialogs_.AskYesNo(kDiscardTitle, kDiscardQuestion);
}

bool TForm1::UnitFieldsTyped() const {
  for (const UnitPageControls* c : {&core_, &aux_}) {
    for (const QLineEdit* edit : {c->column, c->row, c->used, c->experience}) {
      const std::optional<QString> held = HeldText(edit);
      if (held && edit->text() != *held)
        return true;
    }
  }
  return false;
}

std::optional<QString> TForm1::HeldText(const QLineEdit* edit) const {
  // Before an opening the limits hold the window's own texts, which the scenario does not.
  if (!state().scenario.layout)
    return std::nullopt;
  for (std::size_t i = 0; i < limits_.size(); ++i) {
    if (limits_[i] == edit)
      return FromLatin1(session_.limitTexts()[i]);
  }
  for (const UnitPage page : {UnitPage::Core, UnitPage::Aux}) {
    const UnitPageControls& c = page == UnitPage::Core ? core_ : aux_;
    if (edit != c.column && edit != c.row && edit != c.used && edit != c.experience)
      continue;
    const std::optional<ReviewFields> fields = session_.FieldsOf(page, SelectedLine(c.all));
    if (!fields)
      return std::nullopt;
    return FromLatin1(edit == c.column ? fields->column
                      : edit == c.row  ? fields->row
                      : edit == c.used ? fields->used
                                       : fields->experience);
  }
  return std::nullopt;
}

void TForm1::UndoFromField(QLineEdit* edit, bool redo) {
  // The unit the edit reviewed, found again after the step wherever its line now is.
  std::optional<std::int32_t> unit;
  for (const UnitPage page : {UnitPage::Core, UnitPage::Aux}) {
    const UnitPageControls& c = PageControls(page);
    if (edit == c.column || edit == c.row || edit == c.used || edit == c.experience) {
      const auto& map = page == UnitPage::Core ? state().view.coreListMap : state().view.auxListMap;
      const std::optional<std::int32_t> line = SelectedLine(c.all);
      const std::int32_t side = state().view.currentSide;
      const auto& pairs = state().scenario.rosters.at(side).pairs;
      if (line && *line < static_cast<std::int32_t>(map.size()) && map[*line] >= 1 &&
          map[*line] < static_cast<std::int32_t>(pairs.size()))
        unit = pairs.at(static_cast<std::size_t>(map[*line])).unitIndex;
    }
  }
  if (redo)
    Redo();
  else
    Undo();
  if (unit)
    Run([this, unit] { session_.ReviewUnit(*unit); });
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (MayDropEdits())
    event->accept();
  else
    event->ignore();
}

void TForm1::Undo() {
  FinishPendingEdit();
  Run([this] { session_.Undo(); });
}

void TForm1::Redo() {
  FinishPendingEdit();
  Run([this] { session_.Redo(); });
}

std::int32_t TForm1::BattleTypeValue() const {
  // The control's text as the session reads it; shown again as read.
  const std::int32_t value = Session::TypeOfText(ToLatin1(battleType_->cleanText()));
  const QSignalBlocker quiet(battleType_);
  battleType_->setValue(value);
  return value;
}

void TForm1::PickScenarioFile(const QString& path) {
  const QFileInfo file(path);
  scenarioDirectory_->setDirectory(file.absolutePath());
  const QList<QListWidgetItem*> listed = files_->findItems(file.fileName(), Qt::MatchExactly);
  if (listed.isEmpty())
    fileName_->setText(file.fileName());  // not on disk: typed, as a user would
  else
    files_->setCurrentItem(listed.first());
}

void TForm1::CheckLayout(ScenarioLayout layout) {
  (layout == ScenarioLayout::Homemade ? homemade_ : original_)->setChecked(true);
}

void TForm1::CheckSide(std::int32_t side) {
  QRadioButton* button = side == 0 ? axis_ : allies_;
  button->setChecked(true);
  if (side == 0)
    RadioButton3Click();
  else
    RadioButton4Click();
}

void TForm1::PressOpenFile() {
  Button1Click();
}

void TForm1::Edit1Change(const QString& text) {
  currentFileName_ = FileSystemName(text);
}

void TForm1::Button1Click() {
  Run([this] {
    if (!MayDropEdits())
      return;
    OpenRequest request;
    if (homemade_->isChecked())
      request.layout = ScenarioLayout::Homemade;
    else if (original_->isChecked())
      request.layout = ScenarioLayout::Original;
    request.directory = FileSystemName(scenarioDirectory_->directory());
    request.fileName = currentFileName_;
    request.placenameDefault = placenameDefault_->isChecked();
    request.titleDefault = titleDefault_->isChecked();
    request.descriptionDefault = descriptionDefault_->isChecked();
    if (!session_.Open(request).opened)
      return;
    // A path typed into "Filename" may lead elsewhere: the folder list follows the file opened.
    const QString opened = FromFileSystemName(state().scenario.geometry.sourcePath);
    scenarioDirectory_->setDirectory(QFileInfo(opened).absolutePath());
  });
  // Whatever the buttons were set to for an open that failed or was called off, they show the
  // layout of the scenario still open, which every writer goes by.
  if (state().scenario.layout)
    CheckLayout(*state().scenario.layout);
}

void TForm1::Button11Click() {
  Run([this] { session_.ReloadEquipment(); });
}

void TForm1::StaticText2Click() {
  Run([this] { session_.Refresh(); });
}

void TForm1::StaticText13Click() {
  Run([this] { ShowExperience(session_.UpdateExperience()); });
}

void TForm1::RadioButton3Click() {
  Run([this] { session_.ChooseSide(0); });
}

void TForm1::RadioButton4Click() {
  Run([this] { session_.ChooseSide(1); });
}

void TForm1::Button2Click() {
  Run([this] { session_.TransferToAux(SelectedLines(coreLines_)); });
}

void TForm1::Button3Click() {
  Run([this] { session_.TransferToCore(SelectedLines(auxLines_)); });
}

void TForm1::Button7Click() {
  Review(UnitPage::Core);
}
void TForm1::Button8Click() {
  Review(UnitPage::Aux);
}
void TForm1::Button9Click() {
  Accept(UnitPage::Core);
}
void TForm1::Button10Click() {
  Accept(UnitPage::Aux);
}
void TForm1::ListBox5Click() {
  UnusedClick(core_.unused);
}
void TForm1::ListBox6Click() {
  UnusedClick(aux_.unused);
}

void TForm1::Review(UnitPage page) {
  Run([this, page] { session_.Review(page, SelectedLine(PageControls(page).all)); });
}

void TForm1::Accept(UnitPage page) {
  Run([this, page] {
    UnitPageControls& c = PageControls(page);
    const UnitEditTexts texts{ToLatin1(c.column->text()), ToLatin1(c.row->text()),
                              ToLatin1(c.used->text()), ToLatin1(c.experience->text())};
    const AcceptResult result = session_.Accept(page, SelectedLine(c.all), texts);
    if (result.shownAfterRejection) {
      c.column->setText(FromLatin1(result.shownAfterRejection->column));
      c.row->setText(FromLatin1(result.shownAfterRejection->row));
      c.used->setText(FromLatin1(result.shownAfterRejection->used));
      c.experience->setText(FromLatin1(result.shownAfterRejection->experience));
    }
  });
}

void TForm1::UnusedClick(QListWidget* list) {
  // Only a line that has just been chosen counts; the refresh that follows clears the choice.
  if (list->selectedItems().isEmpty())
    return;
  Run([this] { session_.UnusedClick(); });
}

void TForm1::LimitExit(LimitField field) {
  Run([this, field] {
    session_.SetLimit(field, ToLatin1(limits_[static_cast<std::size_t>(field)]->text()));
  });
}

void TForm1::BattletypeExit() {
  const std::int32_t type = BattleTypeValue();
  Run([this, type] { session_.SetType(type); });
}

void TForm1::Button6Click() {
  Run([this] {
    const UnitCountCaptions counts = session_.UpdateCurrentValues();
    for (std::size_t i = 0; i < 4; ++i) {
      axisCounts_[i]->setText(FromLatin1(counts.axis[i]));
      alliedCounts_[i]->setText(FromLatin1(counts.allied[i]));
    }
  });
}

void TForm1::Button5Click() {
  WriteCampaign(CampaignPage::Axis);
}
void TForm1::Button12Click() {
  WriteCampaign(CampaignPage::Allied);
}

std::string TForm1::SlotName(CampaignPage page) const {
  // The checked slot's file name, the user's own name, or nothing when no choice is made.
  const std::size_t side = page == CampaignPage::Axis ? 0 : 1;
  const auto& campaignSlots = CampaignSlots(page);
  for (std::size_t i = 0; i < campaignSlots.size(); ++i) {
    if (slotButtons_[side][i]->isChecked())
      return campaignSlots[i].baseName;
  }
  if (userSlot_[side]->isChecked())
    return FileSystemName(userSlotName_[side]->text());
  return std::string();
}

void TForm1::WriteCampaign(CampaignPage page) {
  FinishPendingEdit();
  Run([this, page] {
    const std::size_t side = page == CampaignPage::Axis ? 0 : 1;
    session_.Write({WriteKind::Campaign, FileSystemName(campaignDirectory_[side]->directory()),
                    SlotName(page), page});
  });
}

void TForm1::Button4Click() {
  FinishPendingEdit();
  Run([this] {
    session_.Write({orderOfBattleSpreadsheet_->isChecked() ? WriteKind::ObSpreadsheet
                                                           : WriteKind::OrderOfBattle,
                    FileSystemName(orderOfBattleDirectory_->directory()),
                    FileSystemName(orderOfBattleName_->text())});
  });
}

void TForm1::ImportObClick() {
  FinishPendingEdit();
  Run([this] { session_.ChooseAndImportOrderOfBattle(); });
}

void TForm1::Button13Click() {
  FinishPendingEdit();
  Run([this] {
    session_.Write({WriteKind::Homemade, FileSystemName(homemadeDirectory_->directory()),
                    FileSystemName(homemadeName_->text())});
  });
}

void TForm1::ShowOpened() {
  // Opened with no side chosen: only "All Core Units" is emptied, the other lists stay.
  if (!session_.side()) {
    const QSignalBlocker quiet(core_.all);
    core_.all->clear();
  }
}

void TForm1::ShowSide() {
  if (const std::optional<std::int32_t> side = session_.side())
    (*side == 0 ? axis_ : allies_)->setChecked(true);
}

void TForm1::ShowRosters(const RosterDisplay& display) {
  const QSignalBlocker quiet1(core_.all), quiet2(coreLines_), quiet3(auxLines_), quiet4(aux_.all),
      quiet5(core_.unused), quiet6(aux_.unused);
  Fill(core_.all, display.coreNames);
  Fill(coreLines_, display.coreLines);
  Fill(auxLines_, display.auxLines);
  Fill(aux_.all, display.auxNames);
  Fill(core_.unused, display.unusedCoreNames);
  Fill(aux_.unused, display.unusedAuxNames);

  // The review fields empty out, all but the experience edits.
  for (UnitPageControls* c : {&core_, &aux_}) {
    for (QLabel* label : {c->name, c->unitType, c->country, c->equipmentName, c->landTransport,
                          c->navalTransport, c->strength, c->entrenchment})
      label->clear();
    for (QLineEdit* edit : {c->column, c->row, c->used})
      edit->clear();
    if (display.sideCaption)
      c->sideCaption->setText(FromLatin1(*display.sideCaption));
  }
  for (std::size_t i = 0; i < composition_.size(); ++i)
    composition_[i]->setText(FromLatin1(display.compositionCaptions[i]));
  compositionNote_->setText(FromLatin1(display.compositionNote));
  compositionNote_->setVisible(!display.compositionNote.empty());
  ShowExperience(display.experience);
}

void TForm1::ShowReviewed(const UnitReview& review) {
  UnitPageControls& c = PageControls(review.page);
  {
    // Chosen by the session (a click on the map): the line is chosen as a click on it would.
    const QSignalBlocker quiet(c.all);
    if (c.all->currentRow() != review.line || !c.all->item(review.line)->isSelected())
      c.all->setCurrentRow(review.line);
  }
  ShowReview(c, review.fields);
}

void TForm1::ShowCampaignEntries() {
  // Only what the session changed: a control holding a text not finished yet (set by a script
  // without the focus) keeps it until it is.
  if (session_.battleType() != shownType_) {
    shownType_ = session_.battleType();
    const QSignalBlocker quiet(battleType_);
    battleType_->setValue(shownType_);
  }
  for (std::size_t i = 0; i < limits_.size(); ++i) {
    if (session_.limitTexts()[i] != shownLimits_[i]) {
      shownLimits_[i] = session_.limitTexts()[i];
      limits_[i]->setText(FromLatin1(shownLimits_[i]));
    }
  }
}

void TForm1::ShowExperience(const ExperienceCaptions& captions) {
  axisAverage_->setText(FromLatin1(captions.axisAverage));
  axisNewUnit_->setText(FromLatin1(captions.axisNewUnit));
  alliedAverage_->setText(FromLatin1(captions.alliedAverage));
  alliedNewUnit_->setText(FromLatin1(captions.alliedNewUnit));
  for (UnitPageControls* c : {&core_, &aux_}) {
    if (captions.pageAverage)
      c->averageExperience->setText(FromLatin1(*captions.pageAverage));
    if (captions.pageNewUnit)
      c->newUnitExperience->setText(FromLatin1(*captions.pageNewUnit));
  }
}

void TForm1::ShowReview(UnitPageControls& c, const ReviewFields& fields) {
  c.name->setText(FromLatin1(fields.name));
  c.unitType->setText(FromLatin1(fields.unitType));
  c.country->setText(FromLatin1(fields.country));
  c.equipmentName->setText(FromLatin1(fields.equipmentName));
  c.landTransport->setText(FromLatin1(fields.landTransport));
  c.navalTransport->setText(FromLatin1(fields.navalTransport));
  c.column->setText(FromLatin1(fields.column));
  c.row->setText(FromLatin1(fields.row));
  c.used->setText(FromLatin1(fields.used));
  c.strength->setText(FromLatin1(fields.strength));
  c.entrenchment->setText(FromLatin1(fields.entrenchment));
  c.experience->setText(FromLatin1(fields.experience));
}

}  // namespace zarkel
