// The nine pages of TForm1 and their controls, as the window was drawn: names, captions, order
// and the room each control needs. The handlers they run are in tabw1.cpp.
#include <algorithm>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStorageInfo>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/version.h"
#include "model/campaign_display.h"
#include "model/ob_columns.h"
#include "model/vocabulary.h"
#include "ui/directory_list.h"
#include "ui/map_page.h"
#include "ui/session_signals.h"
#include "ui/tabw1.h"
#include "ui/widget_kit.h"

namespace zarkel {

using namespace widgets;

namespace {

constexpr const char* kDesignedFontFamily = "MS Sans Serif";
constexpr int kDesignedFontPoints = 8;
constexpr const char* kNoSideCaption = "    No ";
constexpr const char* kSideNote = "     Side Selected (see Core/Aux Transfer Page)";

// The scenario-type control takes any whole number while it is typed and brings it to the nearer
// bound (0 or 2) when the user leaves it, rather than refusing the keystroke.
class BattleTypeSpinBox : public QSpinBox {
 protected:
  QValidator::State validate(QString& text, int& pos) const override {
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state != QValidator::Invalid)
      return state;
    const QString typed = text.trimmed();
    bool whole = false;
    typed.toLongLong(&whole);
    return whole || typed == QLatin1String("-") || typed == QLatin1String("+")
               ? QValidator::Intermediate
               : state;
  }
  // A text that is no whole number (empty, a lone sign) reads as 0, the control's minimum.
  void fixup(QString& text) const override {
    bool whole = false;
    const qlonglong value = text.trimmed().toLongLong(&whole);
    text = QString::number(whole ? ClampBattleType(value) : 0);
  }
};

}  // namespace

struct TForm1::UnitPageNames {
  const char* allCaption;
  const char* allList;
  const char* reviewButton;
  const char* reviewCaption;
  const char* unusedCaption;
  const char* unusedList;
  std::array<const char*, 6> details;  // Name .. Naval Trans
  std::array<const char*, 3> edits;    // Column, Row, Used
  std::array<const char*, 2> figures;  // Strength, Entrenchment
  const char* experienceEdit;
  const char* acceptButton;
  const char* sideCaption;
  const char* sideNote;
  const char* averageExperience;
  const char* newUnitExperience;
};

void TForm1::BuildPages() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));
  // The window was drawn for an 8 point MS Sans Serif; where that font is missing the desktop's
  // own font is used, and the layouts give every control the room its text needs.
  if (QFontDatabase::hasFamily(QString::fromLatin1(kDesignedFontFamily)))
    setFont(QFont(QString::fromLatin1(kDesignedFontFamily), kDesignedFontPoints));

  auto* content = new QWidget;
  setCentralWidget(content);
  auto* layout = new QVBoxLayout(content);
  staticText13_ = Trigger("StaticText13");
  layout->addWidget(staticText13_);
  pages_ = Named(new QTabWidget, "PageControl1");
  // Every page's tab stays in sight: the window is made wide enough for all nine.
  pages_->setUsesScrollButtons(false);
  pages_->setElideMode(Qt::ElideNone);
  layout->addWidget(pages_);

  static const UnitPageNames kCoreNames{
      "All Core Units",
      "ListBox1",
      "Button7",
      "Review Core Unit Data",
      "Unused Core Units ",
      "ListBox5",
      {"Label26", "Label27", "Label28", "Label29", "Label30", "Label31"},
      {"Edit14", "Edit15", "Edit16"},
      {"Label32", "Label33"},
      "Edit21",
      "Button9",
      "Label85",
      "Label86",
      "Label95",
      "Label96",
  };
  static const UnitPageNames kAuxNames{
      "All Auxillary Units",
      "ListBox4",
      "Button8",
      "Review Aux Unit Data",
      "Unused Auxillary Units (There Should be None)",
      "ListBox6",
      {"Label47", "Label48", "Label49", "Label50", "Label51", "Label52"},
      {"Edit17", "Edit18", "Edit19"},
      {"Label53", "Label54"},
      "Edit20",
      "Button10",
      "Label87",
      "Label88",
      "Label91",
      "Label92",
  };

  // The tabs in the order of the vocabulary's pages, each with its caption there.
  const std::array<QWidget*, kEditorPageCount> tabs{
      BuildOpenFilePage(),
      BuildUnitPage(kCoreNames, core_),
      BuildUnitPage(kAuxNames, aux_),
      BuildTransferPage(),
      BuildCampaignDataPage(),
      BuildCampaignPage(CampaignPage::Axis),
      BuildOrderOfBattlePage(),
      BuildCampaignPage(CampaignPage::Allied),
      BuildHomemadePage(),
      new MapPage(*signals_, dialogs_),
  };
  for (std::size_t page = 0; page < tabs.size(); ++page)
    pages_->addTab(tabs[page], QString::fromLatin1(kPageWords[page].caption));
  pages_->setCurrentIndex(0);

  // The review button of the auxiliary page stays hidden: a click on the list reviews.
  aux_.review->hide();
}

QWidget* TForm1::BuildOpenFilePage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);

  auto* folders = new QVBoxLayout;
  layout->addLayout(folders, 3);
  drives_ = Named(new QComboBox, "DriveComboBox1");
  folders->addWidget(drives_);
  scenarioDirectory_ = Named(new DirectoryList, "DirectoryListBox1");
  folders->addWidget(WithPathCaption(scenarioDirectory_), 1);
  staticText2_ = Trigger("StaticText2");
  folders->addWidget(staticText2_);

  auto* fileColumn = new QVBoxLayout;
  layout->addLayout(fileColumn, 3);
  fileColumn->addWidget(Caption(QStringLiteral("Filename")));
  fileName_ = Edit("Edit1", QStringLiteral("*.*"));
  fileColumn->addWidget(fileName_);
  files_ = Named(new FileList, "FileListBox1");
  fileColumn->addWidget(files_, 1);

  auto* controls = new QVBoxLayout;
  layout->addLayout(controls, 2);
  auto* layoutFrame = new QGroupBox(QStringLiteral("Type of Scenario File"));
  auto* layoutChoice = new QVBoxLayout(layoutFrame);
  homemade_ = Named(new QRadioButton(QStringLiteral("Homemade")), "RadioButton1");
  original_ = Named(new QRadioButton(QStringLiteral("Orvane Original")), "RadioButton2");
  layoutChoice->addWidget(homemade_);
  layoutChoice->addWidget(original_);
  controls->addWidget(layoutFrame);
  placenameDefault_ =
      Named(new QCheckBox(QStringLiteral(".tst file default name and directory")), "CheckBox1");
  descriptionDefault_ =
      Named(new QCheckBox(QStringLiteral(".des file default name and directory")), "CheckBox2");
  titleDefault_ =
      Named(new QCheckBox(QStringLiteral(".tit file default name and directory")), "CheckBox3");
  for (QCheckBox* box : {placenameDefault_, descriptionDefault_, titleDefault_}) {
    box->setChecked(true);
    controls->addWidget(box);
  }
  controls->addSpacing(8);
  controls->addWidget(Button("Button1", QStringLiteral("Open File")));
  controls->addWidget(Button("Button11", QStringLiteral("Reload Equipment File")));
  controls->addStretch(1);
  controls->addWidget(NamedLabel(
      "Label150", QStringLiteral("zarkel %1\nreleased %2")
                      .arg(QString::fromLatin1(kVersion), QString::fromLatin1(kReleaseDate))));
  return page;
}

QWidget* TForm1::BuildUnitPage(const UnitPageNames& names, UnitPageControls& c) {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);

  auto* lists = new QVBoxLayout;
  layout->addLayout(lists, 2);
  lists->addWidget(Caption(QString::fromLatin1(names.allCaption)));
  c.all = List(names.allList);
  lists->addWidget(c.all, 3);
  c.review = Button(names.reviewButton, QString::fromLatin1(names.reviewCaption));
  lists->addWidget(c.review);
  lists->addWidget(Caption(QString::fromLatin1(names.unusedCaption)));
  c.unused = List(names.unusedList);
  lists->addWidget(c.unused, 2);

  auto* detail = new QVBoxLayout;
  layout->addLayout(detail, 3);
  auto* side = new QHBoxLayout;
  side->setSpacing(0);
  c.sideCaption = NamedLabel(names.sideCaption, QString::fromLatin1(kNoSideCaption));
  c.sideCaption->setAutoFillBackground(true);
  QPalette aqua = c.sideCaption->palette();
  aqua.setColor(QPalette::Window, QColor(0, 255, 255));
  aqua.setColor(QPalette::WindowText, Qt::black);
  c.sideCaption->setPalette(aqua);
  side->addWidget(c.sideCaption);
  side->addWidget(NamedLabel(names.sideNote, QString::fromLatin1(kSideNote)));
  side->addStretch(1);
  detail->addLayout(side);

  auto* fields = new QGridLayout;
  detail->addLayout(fields);
  const QString blank = QStringLiteral(" ");
  c.name = ValueLabel(names.details[0], blank, 30);
  c.unitType = ValueLabel(names.details[1], blank, 30);
  c.country = ValueLabel(names.details[2], blank, 30);
  c.equipmentName = ValueLabel(names.details[3], blank, 30);
  c.landTransport = ValueLabel(names.details[4], blank, 30);
  c.navalTransport = ValueLabel(names.details[5], blank, 30);
  c.column = Edit(names.edits[0], blank);
  c.row = Edit(names.edits[1], blank);
  c.used = Edit(names.edits[2], blank);
  c.strength = ValueLabel(names.figures[0], blank, 30);
  c.entrenchment = ValueLabel(names.figures[1], blank, 30);
  c.experience = Edit(names.experienceEdit, QString());
  // In the order of the vocabulary's unit fields, each with its caption there.
  const std::array<QWidget*, kReviewFieldCount> rows{
      c.name,   c.unitType, c.country, c.equipmentName, c.landTransport, c.navalTransport,
      c.column, c.row,      c.used,    c.strength,      c.entrenchment,  c.experience,
  };
  for (std::size_t row = 0; row < rows.size(); ++row) {
    QLabel* label = Caption(QString::fromLatin1(kReviewFieldWords[row].caption));
    label->setBuddy(rows[row]);
    fields->addWidget(label, static_cast<int>(row), 0);
    fields->addWidget(rows[row], static_cast<int>(row), 1);
  }
  fields->setColumnStretch(1, 1);
  c.accept = Button(names.acceptButton, QStringLiteral("Accept Changes"));
  auto* acceptRow = new QHBoxLayout;
  acceptRow->addStretch(1);
  acceptRow->addWidget(c.accept);
  detail->addLayout(acceptRow);
  detail->addStretch(1);

  auto* experience = new QGridLayout;
  detail->addLayout(experience);
  c.averageExperience = ValueLabel(names.averageExperience, QString(), 8);
  c.newUnitExperience = ValueLabel(names.newUnitExperience, QString(), 8);
  experience->addWidget(Caption(QStringLiteral("Average Unit Experience:")), 0, 0);
  experience->addWidget(c.averageExperience, 0, 1);
  experience->addWidget(Caption(QStringLiteral("New Unit Experience:")), 1, 0);
  experience->addWidget(c.newUnitExperience, 1, 1);
  experience->setColumnStretch(2, 1);
  return page;
}

QWidget* TForm1::BuildTransferPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);

  auto* rosters = new QVBoxLayout;
  layout->addLayout(rosters, 3);
  auto* sideFrame = new QGroupBox(QStringLiteral("Combatant Side"));
  auto* sideChoice = new QHBoxLayout(sideFrame);
  axis_ = Named(new QRadioButton(QStringLiteral("Axis")), "RadioButton3");
  allies_ = Named(new QRadioButton(QStringLiteral("Allies")), "RadioButton4");
  sideChoice->addWidget(axis_);
  sideChoice->addWidget(allies_);
  sideChoice->addStretch(1);
  rosters->addWidget(sideFrame);

  // The experience lines put the names in one column after the figure, so they are shown in
  // the fixed-pitch font.
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  auto* lists = new QGridLayout;
  rosters->addLayout(lists, 1);
  lists->addWidget(Caption(QStringLiteral("Core Units")), 0, 0);
  lists->addWidget(Caption(QStringLiteral("exp")), 1, 0);
  coreLines_ = List("ListBox2");
  lists->addWidget(coreLines_, 2, 0);
  auto* buttons = new QVBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button("Button2", QStringLiteral("Transfer =>")));
  buttons->addWidget(Button("Button3", QStringLiteral("<= Transfer")));
  buttons->addStretch(1);
  lists->addLayout(buttons, 2, 1);
  lists->addWidget(Caption(QStringLiteral("Auxilary Units")), 0, 2);
  lists->addWidget(Caption(QStringLiteral("exp")), 1, 2);
  auxLines_ = List("ListBox3");
  lists->addWidget(auxLines_, 2, 2);
  for (QListWidget* list : {coreLines_, auxLines_}) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setFont(fixed);
    list->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M')) * 24);
  }
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(2, 1);

  auto* compositionFrame = new QGroupBox(QStringLiteral("Core Composition"));
  auto* composition = new QGridLayout(compositionFrame);
  const auto& rows = CompositionRows();
  const int perColumn = (kCompositionRows + 1) / 2;
  for (int i = 0; i < kCompositionRows; ++i) {
    const std::string name = "Label" + std::to_string(127 + i);
    composition_[static_cast<std::size_t>(i)] = ValueLabel(name.c_str(), QString(), 4);
    composition->addWidget(Caption(QString::fromLatin1(rows[static_cast<std::size_t>(i)].caption)),
                           i % perColumn, (i / perColumn) * 2);
    composition->addWidget(composition_[static_cast<std::size_t>(i)], i % perColumn,
                           (i / perColumn) * 2 + 1);
  }
  // Why units are left out of the counts, when their class is unknown.
  compositionNote_ = new QLabel(compositionFrame);
  compositionNote_->setObjectName(QStringLiteral("CompositionNote"));
  compositionNote_->setWordWrap(true);
  compositionNote_->hide();
  composition->addWidget(compositionNote_, perColumn, 0, 1, 4);
  composition->setRowStretch(perColumn + 1, 1);
  layout->addWidget(compositionFrame, 1);
  return page;
}

QWidget* TForm1::BuildCampaignDataPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);

  // Left column the Axis limits, right column the Allied ones (the side each limits); tab order
  // goes down each column.
  std::array<LimitPlace, kLimitFieldCount> places = kLimitPlaces;
  std::stable_sort(places.begin(), places.end(), [](const LimitPlace& a, const LimitPlace& b) {
    return std::make_pair(Limit(a.field).side, a.row) < std::make_pair(Limit(b.field).side, b.row);
  });
  auto* limits = new QGridLayout;
  layout->addLayout(limits);
  for (const LimitPlace& place : places) {
    QLineEdit* edit = Edit(place.firstText, QString::fromLatin1(place.firstText));
    edit->setMaximumWidth(edit->fontMetrics().averageCharWidth() * 12);
    const LimitSetting& limit = Limit(place.field);
    QLabel* caption = Caption(QString::fromLatin1(limit.caption));
    caption->setBuddy(edit);
    limits->addWidget(caption, place.row, limit.side * 3);
    limits->addWidget(edit, place.row, limit.side * 3 + 1);
    limits_[static_cast<std::size_t>(place.field)] = edit;
  }
  limits->setColumnMinimumWidth(2, 24);
  limits->setColumnStretch(2, 1);
  limits->setColumnStretch(5, 1);
  QLabel* note =
      Caption(QStringLiteral("***  In some cases a ship will count as more than one unit (see "
                             "documentation)"));
  note->setWordWrap(true);
  layout->addWidget(note);

  auto* type = new QHBoxLayout;
  layout->addLayout(type);
  battleType_ = Named(new BattleTypeSpinBox, "battletype");
  battleType_->setRange(0, 2);
  // The value is taken when the control is left (or Enter pressed), and at each arrow click.
  battleType_->setKeyboardTracking(false);
  battleType_->setValue(0);
  QLabel* typeCaption = Caption(QStringLiteral("Type of Scenario:"));
  typeCaption->setBuddy(battleType_);
  type->addWidget(typeCaption);
  type->addWidget(battleType_);
  type->addWidget(Caption(QStringLiteral("0 - land, 1 - naval, 2 - combined")));
  type->addStretch(1);
  type->addWidget(Button("Button6", QStringLiteral("Update Current Values")));

  auto* currentFrame = new QGroupBox(QStringLiteral("Current Unit Characteristics"));
  auto* current = new QGridLayout(currentFrame);
  const std::array<const char*, 4> axisNames{"Label64", "Label65", "Label66", "Label67"};
  const std::array<const char*, 4> alliedNames{"Label73", "Label74", "Label75", "Label76"};
  current->addWidget(Caption(QStringLiteral("Axis Units Characteristics")), 0, 0, 1, 2);
  current->addWidget(Caption(QStringLiteral("Allied Units Characteristics")), 0, 3, 1, 2);
  for (std::size_t i = 0; i < 4; ++i) {
    const int row = static_cast<int>(i) + 1;
    axisCounts_[i] = ValueLabel(axisNames[i], QString(), 6);
    current->addWidget(Caption(QString::fromLatin1(kUnitCountCaptions[i])), row, 0);
    current->addWidget(axisCounts_[i], row, 1);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    const int row = static_cast<int>(i) + 1;
    alliedCounts_[i] = ValueLabel(alliedNames[i], QString(), 6);
    current->addWidget(Caption(QString::fromLatin1(kUnitCountCaptions[i])), row, 3);
    current->addWidget(alliedCounts_[i], row, 4);
  }
  current->setColumnMinimumWidth(2, 24);
  current->setColumnStretch(2, 1);
  current->setColumnStretch(5, 1);
  layout->addWidget(currentFrame);

  auto* experience = new QGridLayout;
  layout->addLayout(experience);
  axisAverage_ = ValueLabel("Label78", QString(), 6);
  axisNewUnit_ = ValueLabel("Label80", QString(), 6);
  alliedAverage_ = ValueLabel("Label83", QString(), 6);
  alliedNewUnit_ = ValueLabel("Label84", QString(), 6);
  experience->addWidget(Caption(QStringLiteral("Average Axis Unit Experience:")), 0, 0);
  experience->addWidget(axisAverage_, 0, 1);
  experience->addWidget(Caption(QStringLiteral("Axis New Unit Experience:")), 1, 0);
  experience->addWidget(axisNewUnit_, 1, 1);
  experience->addWidget(Caption(QStringLiteral("Average Allied Unit Experience:")), 0, 3);
  experience->addWidget(alliedAverage_, 0, 4);
  experience->addWidget(Caption(QStringLiteral("Allied New Unit Experience:")), 1, 3);
  experience->addWidget(alliedNewUnit_, 1, 4);
  experience->setColumnMinimumWidth(2, 24);
  experience->setColumnStretch(2, 1);
  experience->setColumnStretch(5, 1);
  layout->addStretch(1);
  return page;
}

QWidget* TForm1::BuildCampaignPage(CampaignPage campaign) {
  const bool axis = campaign == CampaignPage::Axis;
  const std::size_t side = axis ? 0 : 1;
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);

  auto* folder = new QVBoxLayout;
  layout->addLayout(folder, 1);
  folder->addWidget(Caption(QStringLiteral("Select Directory to Store Files in")));
  DirectoryList* directory =
      Named(new DirectoryList, axis ? "DirectoryListBox2" : "DirectoryListBox4");
  directory->setDirectory(QDir::currentPath());
  folder->addWidget(WithPathCaption(directory), 1);
  campaignDirectory_[side] = directory;

  // The game's campaign slots in two columns, the user's own name below them.
  auto* slotsFrame = new QGroupBox(QStringLiteral("Scenario Name"));
  auto* slotsLayout = new QGridLayout(slotsFrame);
  const auto& campaignSlots = CampaignSlots(campaign);
  const int perColumn = static_cast<int>(campaignSlots.size() + 1) / 2;
  for (std::size_t i = 0; i < campaignSlots.size(); ++i) {
    QRadioButton* button = Named(new QRadioButton(QString::fromLatin1(campaignSlots[i].caption)),
                                 campaignSlots[i].radioButton);
    const int index = static_cast<int>(i);
    slotsLayout->addWidget(button, index % perColumn, index / perColumn);
    slotButtons_[side][i] = button;
  }
  QRadioButton* user = Named(new QRadioButton(axis ? QString() : QStringLiteral("RadioButton32")),
                             axis ? "RadioButton18" : "RadioButton32");
  QLineEdit* name = Edit(axis ? "Edit12" : "Edit22", QStringLiteral("User_Specified_Name"));
  auto* userRow = new QHBoxLayout;
  userRow->addWidget(user);
  userRow->addWidget(name, 1);
  slotsLayout->addLayout(userRow, perColumn, 0, 1, 2);
  slotsLayout->setRowStretch(perColumn + 1, 1);
  userSlot_[side] = user;
  userSlotName_[side] = name;
  layout->addWidget(slotsFrame, 1);

  auto* right = new QVBoxLayout;
  layout->addLayout(right);
  QPushButton* write = Button(axis ? "Button5" : "Button12", QStringLiteral("Write out Files"));
  connect(write, &QPushButton::clicked, this,
          axis ? &TForm1::Button5Click : &TForm1::Button12Click);
  right->addWidget(write);
  right->addSpacing(16);
  auto* writtenFrame = new QGroupBox(QStringLiteral("Files that are written"));
  auto* written = new QVBoxLayout(writtenFrame);
  for (const char* extension : {".scn", ".txt", ".des", ".tit"})
    written->addWidget(Caption(QString::fromLatin1(extension)));
  right->addWidget(writtenFrame);
  right->addStretch(1);
  return page;
}

QWidget* TForm1::BuildOrderOfBattlePage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* folder = new QVBoxLayout;
  layout->addLayout(folder, 1);
  folder->addWidget(Caption(QStringLiteral("Select Directory To Store OB in")));
  orderOfBattleDirectory_ = Named(new DirectoryList, "DirectoryListBox3");
  orderOfBattleDirectory_->setDirectory(QDir::currentPath());
  folder->addWidget(WithPathCaption(orderOfBattleDirectory_), 1);

  auto* name = new QVBoxLayout;
  layout->addLayout(name, 1);
  QLabel* caption = Caption(ObNameCaption(false));
  caption->setWordWrap(true);
  orderOfBattleNameCaption_ = caption;
  name->addWidget(caption);
  orderOfBattleName_ = Edit("Edit13", QStringLiteral("OB"));
  caption->setBuddy(orderOfBattleName_);
  name->addWidget(orderOfBattleName_);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(Button("Button4", QStringLiteral("Write OB")));
  // The spreadsheet form and the import, beside the page's own controls.
  orderOfBattleSpreadsheet_ =
      Named(new QCheckBox(QStringLiteral("Spreadsheet form (.csv)")), "ObSpreadsheetCheck");
  orderOfBattleSpreadsheet_->setToolTip(
      QStringLiteral("Write the order of battle as NAME.csv, which a spreadsheet opens as it is "
                     "and \"Import OB\u2026\" reads back"));
  buttonRow->addWidget(orderOfBattleSpreadsheet_);
  buttonRow->addStretch(1);
  name->addLayout(buttonRow);
  auto* importRow = new QHBoxLayout;
  importRow->addWidget(Button("ImportObButton", QStringLiteral("Import OB\u2026")));
  importRow->addStretch(1);
  name->addLayout(importRow);
  name->addStretch(1);
  return page;
}

QString ObNameCaption(bool spreadsheet) {
  return QStringLiteral("Name of OB file (  %1 extension added automatically)")
      .arg(QLatin1String(spreadsheet ? kObSpreadsheetExtension : ".txt"));
}

QWidget* TForm1::BuildHomemadePage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* folder = new QVBoxLayout;
  layout->addLayout(folder, 1);
  folder->addWidget(Caption(QStringLiteral("Select Directory to Store Files in")));
  homemadeDirectory_ = Named(new DirectoryList, "DirectoryListBox5");
  homemadeDirectory_->setDirectory(QDir::currentPath());
  folder->addWidget(WithPathCaption(homemadeDirectory_), 1);

  auto* name = new QVBoxLayout;
  layout->addLayout(name, 1);
  QLabel* caption = Caption(QStringLiteral("File Name"));
  name->addWidget(caption);
  homemadeName_ = Edit("Edit2", QStringLiteral("User_Specified_Name"));
  caption->setBuddy(homemadeName_);
  name->addWidget(homemadeName_);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(Button("Button13", QStringLiteral("Write Out File")));
  buttonRow->addStretch(1);
  name->addLayout(buttonRow);
  name->addStretch(1);
  return page;
}

void TForm1::FillDrives() {
  // The file-system roots of the mounted volumes stand in for drive letters.
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
      roots.append(volume.rootPath());
  }
  for (const QFileInfo& root : QDir::drives())
    roots.append(root.absoluteFilePath());
  roots.removeDuplicates();
  roots.sort();
  for (const QString& root : roots)
    drives_->addItem(QDir::toNativeSeparators(root), root);
}

void TForm1::ShowDriveOf(const QString& directory) {
  // The volume holding the folder: the longest root that the folder lies under.
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < drives_->count(); ++i) {
    QString root = drives_->itemData(i).toString();
    if (!root.endsWith(QLatin1Char('/')))
      root += QLatin1Char('/');
    const QString inside = directory.endsWith(QLatin1Char('/')) ? directory : directory + '/';
    if (inside.startsWith(root) && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  drives_->setCurrentIndex(best);
}

}  // namespace zarkel
