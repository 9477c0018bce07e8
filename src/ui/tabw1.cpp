#include "ui/tabw1.h"

#include <QCheckBox>
#include <QCloseEvent>
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
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStorageInfo>
#include <QTabWidget>
#include <QVBoxLayout>

#include "base/errors.h"
#include "base/integer_text.h"
#include "base/version.h"
#include "load/equipment_load.h"
#include "load/open_scenario.h"
#include "output/homemade_writer.h"
#include "output/order_of_battle.h"
#include "roster/campaign_values.h"
#include "roster/edit_report.h"
#include "roster/transfer.h"
#include "roster/undo_redo.h"
#include "ui/directory_list.h"
#include "ui/main_menu.h"
#include "ui/map_page.h"
#include "ui/qt_dialogs.h"
#include "ui/window_status.h"

namespace zarkel {

namespace {

constexpr const char* kDesignedFontFamily = "MS Sans Serif";
constexpr int kDesignedFontPoints = 8;
constexpr QSize kDesignedSize(696, 480);
constexpr const char* kNoSideCaption = "    No ";
constexpr const char* kSideNote = "     Side Selected (see Core/Aux Transfer Page)";
constexpr const char* kDropEditsTitle = "zarkel";
constexpr const char* kDropEditsQuestion =
    "The scenario has changes that were not written. Discard them?";

// Unit names, equipment names and the numbers of the core are single-byte text.
QString Show(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string Take(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
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

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* Caption(const QString& text) {
  return new QLabel(text);
}

QLabel* NamedLabel(const char* name, const QString& text) {
  return Named(new QLabel(text), name);
}

// A read-only field of the unit detail or a figure: framed, so that an empty one still shows.
QLabel* ValueLabel(const char* name, const QString& text, int minimumChars) {
  QLabel* label = NamedLabel(name, text);
  label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  label->setMinimumWidth(label->fontMetrics().averageCharWidth() * minimumChars);
  return label;
}

QPushButton* Button(const char* name, const QString& caption) {
  QPushButton* button = Named(new QPushButton(caption), name);
  button->setAutoDefault(true);  // Enter presses the focused button, as Space does
  return button;
}

QLineEdit* Edit(const char* name, const QString& text) {
  return Named(new QLineEdit(text), name);
}

QListWidget* List(const char* name) {
  QListWidget* list = Named(new QListWidget, name);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

void Fill(QListWidget* list, const std::vector<std::string>& lines) {
  list->clear();
  for (const std::string& line : lines)
    list->addItem(Show(line));
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

// A 4 x 4 control without caption that runs an operation when clicked.
QLabel* Trigger(const char* name) {
  QLabel* label = NamedLabel(name, QString());
  label->setFixedSize(4, 4);
  return label;
}

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

TForm1::TForm1(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), dialogs_(dialogs) {
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

  pages_->addTab(BuildOpenFilePage(), QStringLiteral("Open File"));
  pages_->addTab(BuildUnitPage(kCoreNames, core_), QStringLiteral("Core Units"));
  pages_->addTab(BuildUnitPage(kAuxNames, aux_), QStringLiteral("Aux Units "));
  pages_->addTab(BuildTransferPage(), QStringLiteral("Core/Aux Transfer"));
  pages_->addTab(BuildCampaignDataPage(), QStringLiteral("Campaign Data"));
  pages_->addTab(BuildCampaignPage(CampaignPage::Axis), QStringLiteral("Axis Campaign"));
  pages_->addTab(BuildOrderOfBattlePage(), QStringLiteral("OB's"));
  pages_->addTab(BuildCampaignPage(CampaignPage::Allied), QStringLiteral("Allied Campaign"));
  pages_->addTab(BuildHomemadePage(), QStringLiteral("Home Made"));
  pages_->addTab(new MapPage(*this, dialogs_), QStringLiteral("Map"));
  pages_->setCurrentIndex(0);

  // The review button of the auxiliary page stays hidden: a click on the list reviews.
  aux_.review->hide();

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
  connect(findChild<QPushButton*>(QStringLiteral("Button6")), &QPushButton::clicked, this,
          &TForm1::Button6Click);
  connect(findChild<QPushButton*>(QStringLiteral("Button4")), &QPushButton::clicked, this,
          &TForm1::Button4Click);
  connect(findChild<QPushButton*>(QStringLiteral("Button13")), &QPushButton::clicked, this,
          &TForm1::Button13Click);

  status_ = std::make_unique<WindowStatus>(statusBar());
  new MainMenu(*this);
  resize(sizeHint().expandedTo(kDesignedSize));
}

TForm1::~TForm1() = default;

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
  const std::array<std::pair<const char*, QWidget*>, 12> rows{{
      {"Name:", c.name},
      {"Unit Type:", c.unitType},
      {"Country:", c.country},
      {"Equipment Name:", c.equipmentName},
      {"Land Trans:", c.landTransport},
      {"Naval Trans:", c.navalTransport},
      {"Column:", c.column},
      {"Row:", c.row},
      {"Used:", c.used},
      {"Strength:", c.strength},
      {"Entrenchment:", c.entrenchment},
      {"Experience:", c.experience},
  }};
  int row = 0;
  for (const auto& [caption, field] : rows) {
    QLabel* label = Caption(QString::fromLatin1(caption));
    label->setBuddy(field);
    fields->addWidget(label, row, 0);
    fields->addWidget(field, row, 1);
    ++row;
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
  composition->setRowStretch(perColumn, 1);
  layout->addWidget(compositionFrame, 1);
  return page;
}

QWidget* TForm1::BuildCampaignDataPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);

  // Left column the Axis limits, right column the Allied ones; tab order goes down each column.
  struct LimitPlace {
    LimitField field;
    const char* edit;
    int row;
    int column;
  };
  static const std::array<LimitPlace, kLimitFieldCount> kPlaces{{
      {kAxisLandCoreMax, "Edit3", 0, 0},
      {kAxisNavalCoreMax, "Edit4", 1, 0},
      {kAxisAuxMax, "Edit8", 2, 0},
      {kAxisCoreMax, "Edit9", 3, 0},
      {kAlliedLandCoreMax, "Edit6", 0, 1},
      {kAlliedNavalCoreMax, "Edit7", 1, 1},
      {kAlliedAuxMax, "Edit10", 2, 1},
      {kAlliedCoreMax, "Edit11", 3, 1},
  }};
  auto* limits = new QGridLayout;
  layout->addLayout(limits);
  for (const LimitPlace& place : kPlaces) {
    QLineEdit* edit = Edit(place.edit, QString::fromLatin1(place.edit));
    edit->setMaximumWidth(edit->fontMetrics().averageCharWidth() * 12);
    QLabel* caption = Caption(QString::fromLatin1(LimitCaption(place.field)));
    caption->setBuddy(edit);
    limits->addWidget(caption, place.row, place.column * 3);
    limits->addWidget(edit, place.row, place.column * 3 + 1);
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
  const std::array<const char*, 4> countCaptions{
      "# of Core:", "# of Aux:", "# of non-naval Core:", "# of naval Core:"};
  const std::array<const char*, 4> axisNames{"Label64", "Label65", "Label66", "Label67"};
  const std::array<const char*, 4> alliedNames{"Label73", "Label74", "Label75", "Label76"};
  current->addWidget(Caption(QStringLiteral("Axis Units Characteristics")), 0, 0, 1, 2);
  current->addWidget(Caption(QStringLiteral("Allied Units Characteristics")), 0, 3, 1, 2);
  for (std::size_t i = 0; i < 4; ++i) {
    const int row = static_cast<int>(i) + 1;
    axisCounts_[i] = ValueLabel(axisNames[i], QString(), 6);
    current->addWidget(Caption(QString::fromLatin1(countCaptions[i])), row, 0);
    current->addWidget(axisCounts_[i], row, 1);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    const int row = static_cast<int>(i) + 1;
    alliedCounts_[i] = ValueLabel(alliedNames[i], QString(), 6);
    current->addWidget(Caption(QString::fromLatin1(countCaptions[i])), row, 3);
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
  QLabel* caption =
      Caption(QStringLiteral("Name of OB file (  .txt extension added automatically)"));
  caption->setWordWrap(true);
  name->addWidget(caption);
  orderOfBattleName_ = Edit("Edit13", QStringLiteral("OB"));
  caption->setBuddy(orderOfBattleName_);
  name->addWidget(orderOfBattleName_);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addWidget(Button("Button4", QStringLiteral("Write OB")));
  buttonRow->addStretch(1);
  name->addLayout(buttonRow);
  name->addStretch(1);
  return page;
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
  try {
    work();
  } catch (const EditorError& error) {
    dialogs_.ShowError(error.what());
  } catch (const std::exception& error) {
    dialogs_.ShowError(error.what());
  }
  Q_EMIT handlerRun();
}

bool TForm1::MayDropEdits() {
  return !state_.history.HasUnwrittenEdits() ||
         dialogs_.AskYesNo(kDropEditsTitle, kDropEditsQuestion);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (MayDropEdits())
    event->accept();
  else
    event->ignore();
}

void TForm1::Undo() {
  Run([this] {
    const std::optional<std::string> done = UndoText(state_);
    ShowUndoneOrRedone(UndoEdit(state_), done);
  });
}

void TForm1::Redo() {
  Run([this] {
    const std::optional<std::string> done = RedoText(state_);
    ShowUndoneOrRedone(RedoEdit(state_), done);
  });
}

void TForm1::ShowUndoneOrRedone(const std::optional<RosterDisplay>& display,
                                const std::optional<std::string>& done) {
  if (!display)
    return;
  (state_.view.currentSide == 0 ? axis_ : allies_)->setChecked(true);
  ShowRosters(*display);
  ShowEdit(done);
}

void TForm1::ShowEdit(const std::optional<std::string>& done) {
  if (done)
    status_->ShowEdit(*done);
}

SideButtons TForm1::Sides() const {
  SideButtons side;
  side.axis = axis_->isChecked();
  side.allies = allies_->isChecked();
  return side;
}

LimitTexts TForm1::LimitEditTexts() const {
  LimitTexts texts;
  for (std::size_t i = 0; i < texts.size(); ++i)
    texts[i] = Take(limits_[i]->text());
  return texts;
}

std::int32_t TForm1::BattleTypeValue() const {
  // A text that is not a whole number (an empty one, a lone sign) reads as 0, the control's
  // minimum; a number beyond a bound is brought to it, as leaving the control does.
  std::int32_t value = 0;
  try {
    value = ClampBattleType(ParseInteger(Take(battleType_->cleanText())));
  } catch (const ConversionError&) {
    value = 0;
  }
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

std::optional<std::int32_t> TForm1::CheckedSide() const {
  if (axis_->isChecked())
    return 0;
  if (allies_->isChecked())
    return 1;
  return std::nullopt;
}

void TForm1::ChooseUnitLine(UnitPage page, std::int32_t line) {
  QListWidget* list = PageControls(page).all;
  if (line < 0 || line >= list->count())
    return;
  // A click chooses the line, which reviews it, and reviews it once more as a click.
  list->setCurrentRow(line);
  Review(page);
}

void TForm1::MoveUnit(UnitPage page, std::int32_t line, std::int32_t column, std::int32_t row) {
  UnitPageControls& c = PageControls(page);
  if (line < 0 || line >= c.all->count())
    return;
  ChooseUnitLine(page, line);
  c.column->setText(QString::number(column));
  c.row->setText(QString::number(row));
  c.accept->click();
}

void TForm1::ShowWritten(const WrittenFiles& files) {
  status_->ShowWritten(files);
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
    request.side = Sides();
    const OpenResult result = OpenScenario(state_, dialogs_, request);
    if (!result.opened)
      return;
    // A path typed into "Filename" may lead elsewhere: the folder list follows the file opened.
    const QString opened = FromFileSystemName(state_.scenario.geometry.sourcePath);
    scenarioDirectory_->setDirectory(QFileInfo(opened).absolutePath());
    status_->ShowOpened(state_.scenario);
    battleType_->setValue(result.campaignValues.battleType);
    for (std::size_t i = 0; i < limits_.size(); ++i)
      limits_[i]->setText(Show(result.campaignValues.limitTexts[i]));
    if (result.roster) {
      ShowRosters(*result.roster);
    } else {
      const QSignalBlocker quiet(core_.all);
      core_.all->clear();
    }
    Q_EMIT scenarioOpened();
  });
  // Whatever the buttons were set to for an open that failed or was called off, they show the
  // layout of the scenario still open, which every writer goes by.
  if (state_.scenario.layout)
    CheckLayout(*state_.scenario.layout);
}

void TForm1::Button11Click() {
  Run([this] { ReloadEquipment(state_, dialogs_); });
}

void TForm1::StaticText2Click() {
  Run([this] { ShowRosters(RefreshRosters(state_, Sides())); });
}

void TForm1::StaticText13Click() {
  Run([this] { ShowExperience(UpdateExperience(state_, Sides())); });
}

void TForm1::RadioButton3Click() {
  Run([this] { ShowRosters(SelectSide(state_, Sides())); });
}

void TForm1::RadioButton4Click() {
  Run([this] { ShowRosters(SelectSide(state_, Sides())); });
}

void TForm1::Button2Click() {
  const std::uint64_t recorded = state_.history.StepsRecorded();
  Run([this] {
    if (auto display = TransferToAux(state_, SelectedLines(coreLines_), Sides()))
      ShowRosters(*display);
  });
  ShowEdit(RecordedStepText(state_, recorded));
}

void TForm1::Button3Click() {
  const std::uint64_t recorded = state_.history.StepsRecorded();
  Run([this] {
    if (auto display = TransferToCore(state_, SelectedLines(auxLines_), Sides()))
      ShowRosters(*display);
  });
  ShowEdit(RecordedStepText(state_, recorded));
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
  Run([this, page] {
    UnitPageControls& controls = PageControls(page);
    if (auto fields = ReviewUnit(state_, page, SelectedLine(controls.all)))
      ShowReview(controls, *fields);
  });
}

void TForm1::Accept(UnitPage page) {
  const std::uint64_t recorded = state_.history.StepsRecorded();
  const std::optional<std::int32_t> line = SelectedLine(PageControls(page).all);
  Run([this, page, line] {
    UnitPageControls& c = PageControls(page);
    const UnitEditTexts texts{Take(c.column->text()), Take(c.row->text()), Take(c.used->text()),
                              Take(c.experience->text())};
    const AcceptResult result = AcceptUnitChanges(state_, dialogs_, page, line, texts, Sides());
    if (result.shownAfterRejection) {
      c.column->setText(Show(result.shownAfterRejection->column));
      c.row->setText(Show(result.shownAfterRejection->row));
      c.used->setText(Show(result.shownAfterRejection->used));
      c.experience->setText(Show(result.shownAfterRejection->experience));
    }
    if (result.refreshed)
      ShowRosters(*result.refreshed);
  });
  // Also after a stop half-way: what was stored is a step, and the status bar says so.
  ShowEdit(AcceptText(state_, page, line, recorded));
}

void TForm1::UnusedClick(QListWidget* list) {
  // Only a line that has just been chosen counts; the refresh that follows clears the choice.
  if (list->selectedItems().isEmpty())
    return;
  Run([this] { ShowRosters(UnusedListClick(state_, dialogs_, Sides())); });
}

void TForm1::Button6Click() {
  Run([this] {
    const UnitCountCaptions counts = CountCurrentUnits(state_);
    for (std::size_t i = 0; i < 4; ++i) {
      axisCounts_[i]->setText(Show(counts.axis[i]));
      alliedCounts_[i]->setText(Show(counts.allied[i]));
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
  Run([this, page] {
    CampaignWriteRequest request;
    request.page = page;
    request.slotName = SlotName(page);
    request.directory =
        FileSystemName(campaignDirectory_[page == CampaignPage::Axis ? 0 : 1]->directory());
    request.battleType = BattleTypeValue();
    request.limitTexts = LimitEditTexts();
    status_->ShowWritten(WriteCampaignScenario(state_, request));
  });
}

void TForm1::Button4Click() {
  Run([this] {
    OrderOfBattleRequest request;
    request.directory = FileSystemName(orderOfBattleDirectory_->directory());
    request.name = FileSystemName(orderOfBattleName_->text());
    status_->ShowWritten(WriteOrderOfBattle(state_, request));
  });
}

void TForm1::Button13Click() {
  Run([this] {
    HomemadeWriteRequest request;
    request.directory = FileSystemName(homemadeDirectory_->directory());
    request.name = FileSystemName(homemadeName_->text());
    request.battleType = BattleTypeValue();
    request.limitTexts = LimitEditTexts();
    if (const auto written = WriteHomemadeScenario(state_, dialogs_, request))
      status_->ShowWritten(*written);
  });
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
      c->sideCaption->setText(Show(*display.sideCaption));
  }
  for (std::size_t i = 0; i < composition_.size(); ++i)
    composition_[i]->setText(Show(display.compositionCaptions[i]));
  ShowExperience(display.experience);
  Q_EMIT rostersShown();
}

void TForm1::ShowExperience(const ExperienceCaptions& captions) {
  axisAverage_->setText(Show(captions.axisAverage));
  axisNewUnit_->setText(Show(captions.axisNewUnit));
  alliedAverage_->setText(Show(captions.alliedAverage));
  alliedNewUnit_->setText(Show(captions.alliedNewUnit));
  for (UnitPageControls* c : {&core_, &aux_}) {
    if (captions.pageAverage)
      c->averageExperience->setText(Show(*captions.pageAverage));
    if (captions.pageNewUnit)
      c->newUnitExperience->setText(Show(*captions.pageNewUnit));
  }
}

void TForm1::ShowReview(UnitPageControls& c, const ReviewFields& fields) {
  c.name->setText(Show(fields.name));
  c.unitType->setText(Show(fields.unitType));
  c.country->setText(Show(fields.country));
  c.equipmentName->setText(Show(fields.equipmentName));
  c.landTransport->setText(Show(fields.landTransport));
  c.navalTransport->setText(Show(fields.navalTransport));
  c.column->setText(Show(fields.column));
  c.row->setText(Show(fields.row));
  c.used->setText(Show(fields.used));
  c.strength->setText(Show(fields.strength));
  c.entrenchment->setText(Show(fields.entrenchment));
  c.experience->setText(Show(fields.experience));
}

}  // namespace zarkel
