// Drives the real window offscreen: clicks, typing and list choices on its controls, with the
// dialogs answered from a script and the game's files built on disk.
#include "ui/tabw1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>
#include <set>

#include "base/version.h"
#include "scenario_fixture.h"
#include "tabw1_fixture.h"
#include "ui/directory_list.h"

namespace zarkel {

using testing::Form;

class TForm1Test : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { form_ = std::make_unique<Form>(); }
  void cleanup() {
    // A dialog the script did not expect ends up as an error box: no test leaves one unnoticed.
    if (form_ && !expectErrors_)
      QCOMPARE(form_->dialogs().errors, std::vector<std::string>{});
    expectErrors_ = false;
    form_.reset();
  }

  void startsOnTheOpenFilePageWithTheInitialContents();
  void everyTabAndCaptionHasTheRoomItNeeds();
  void choosingAFileWritesTheFilenameAndTypingKeepsIt();
  void openingWithoutALayoutOnlyShowsTheMessage();
  void opensAnOriginalScenarioThenShowsASideWhenChosen();
  void opensAHomemadeScenarioWithASideAlreadyChosen();
  void opensAndWritesFilesWhoseNamesAreNotAscii();
  void transfersSelectedLinesAndBackRestoringTheLists();
  void transferWithNothingSelectedChangesNothing();
  void reviewsCoreAndAuxiliaryUnits();
  void acceptPlacesAnUnusedUnit();
  void acceptNoMarksAUnitUnused();
  void acceptRejectsOtherUsedTextsAndStoresNothing();
  void acceptReportsARowThatIsNotANumber();
  void acceptWithNothingSelectedDiffersByPage();
  void unusedListsAreNotSelectable();
  void updateCurrentValuesCountsEachSide();
  void triggersRefreshAndExperience();
  void aFailedOpenIsReportedAndTheWindowStaysUsable();
  void keyboardPressesButtonsAndMovesThroughLists();
  void typedScenarioTypesAreBroughtWithinTheBounds();
  void writesTheAxisCampaignUnderTheCheckedSlot();
  void writesTheAlliedCampaignUnderTheUsersName();
  void aLimitThatIsNotANumberWritesNothing();
  void writesAHomemadeCopyOnlyAfterYes();
  void writesTheOrderOfBattle();
  void scenarioWritersRefuseBeforeAnyOpening();

 private:
  Form& f() { return *form_; }
  std::filesystem::path Out() { return f().fixture().dir / "out"; }
  std::set<std::string> Written() {
    std::set<std::string> names;
    for (const auto& [name, bytes] : testing::Snapshot(Out()))
      names.insert(name);
    return names;
  }
  std::unique_ptr<Form> form_;
  bool expectErrors_ = false;
};

void TForm1Test::startsOnTheOpenFilePageWithTheInitialContents() {
  TForm1& w = f().window();
  QCOMPARE(w.windowTitle(), QStringLiteral("Form1"));
  auto* pages = f().Get<QTabWidget>("PageControl1");
  QCOMPARE(pages->currentIndex(), 0);
  const QStringList captions{
      "Open File",     "Core Units", "Aux Units ",      "Core/Aux Transfer", "Campaign Data",
      "Axis Campaign", "OB's",       "Allied Campaign", "Home Made",         "Map"};
  QCOMPARE(pages->count(), captions.size());
  for (int i = 0; i < captions.size(); ++i)
    QCOMPARE(pages->tabText(i), captions[i]);

  for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3"})
    QVERIFY(f().Get<QCheckBox>(name)->isChecked());
  const QList<QRadioButton*> radios = w.findChildren<QRadioButton*>();
  QVERIFY(radios.size() >= 6);
  for (const QRadioButton* radio : radios)
    QVERIFY2(!radio->isChecked(), qPrintable(radio->objectName()));

  auto* type = f().Get<QSpinBox>("battletype");
  QCOMPARE(type->value(), 0);
  QCOMPARE(type->minimum(), 0);
  QCOMPARE(type->maximum(), 2);
  for (const char* name :
       {"Edit3", "Edit4", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11"})
    QCOMPARE(f().Get<QLineEdit>(name)->text(), QString::fromLatin1(name));
  QCOMPARE(f().Get<QLineEdit>("Edit1")->text(), QStringLiteral("*.*"));
  QCOMPARE(w.currentFileName(), std::string("*.*"));
  QCOMPARE(f().Get<QLineEdit>("Edit13")->text(), QStringLiteral("OB"));
  for (const char* name : {"Edit2", "Edit12", "Edit22"})
    QCOMPARE(f().Get<QLineEdit>(name)->text(), QStringLiteral("User_Specified_Name"));
  QCOMPARE(f().Get<QLineEdit>("Edit14")->text(), QStringLiteral(" "));
  QCOMPARE(f().Get<QLineEdit>("Edit21")->text(), QString());
  QCOMPARE(f().Get<QLabel>("Label85")->text(), QStringLiteral("    No "));
  QCOMPARE(f().Get<QLabel>("Label88")->text(),
           QStringLiteral("     Side Selected (see Core/Aux Transfer Page)"));
  QCOMPARE(f().Get<QRadioButton>("RadioButton32")->text(), QStringLiteral("RadioButton32"));
  QCOMPARE(f().Get<QRadioButton>("RadioButton18")->text(), QString());

  QVERIFY(f().Get<QPushButton>("Button8")->isHidden());
  QVERIFY(!f().Get<QPushButton>("Button7")->isHidden());
  for (int i = 1; i <= 6; ++i) {
    const auto* list = f().Get<QListWidget>(("ListBox" + std::to_string(i)).c_str());
    QCOMPARE(list->count(), 0);
    const bool multi = i == 2 || i == 3;
    QCOMPARE(list->selectionMode(),
             multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
  }

  // Every control the program's operations use is there under its name.
  QStringList names{"DriveComboBox1", "FileListBox1", "StaticText2", "StaticText13", "Label150"};
  for (int i = 1; i <= 13; ++i)
    names << QStringLiteral("Button%1").arg(i);
  for (int i = 1; i <= 22; ++i) {
    if (i != 5)
      names << QStringLiteral("Edit%1").arg(i);
  }
  for (int i = 1; i <= 5; ++i)
    names << QStringLiteral("DirectoryListBox%1").arg(i);
  for (int i : {26, 27, 28, 29, 30, 31, 32, 33, 47, 48, 49, 50, 51, 52, 53, 54, 64, 65,
                66, 67, 73, 74, 75, 76, 78, 80, 83, 84, 85, 86, 87, 88, 91, 92, 95, 96})
    names << QStringLiteral("Label%1").arg(i);
  for (int i = 127; i <= 143; ++i)
    names << QStringLiteral("Label%1").arg(i);
  for (const QString& name : names)
    QVERIFY2(w.findChild<QWidget*>(name) != nullptr, qPrintable(name));
  QCOMPARE(f().Get<QLabel>("Label150")->text(),
           QStringLiteral("zarkel %1\nreleased %2").arg(kVersion, kReleaseDate));

  // The directory lists of the writing pages start at the current directory.
  for (const char* name : {"DirectoryListBox1", "DirectoryListBox2", "DirectoryListBox3",
                           "DirectoryListBox4", "DirectoryListBox5"})
    QCOMPARE(f().Get<DirectoryList>(name)->directory(), QDir::currentPath());
}

void TForm1Test::everyTabAndCaptionHasTheRoomItNeeds() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  auto* pages = f().Get<QTabWidget>("PageControl1");
  const QTabBar* tabs = pages->tabBar();
  for (int i = 0; i < pages->count(); ++i)
    QVERIFY2(tabs->rect().contains(tabs->tabRect(i)), qPrintable(pages->tabText(i)));
  for (int i = 0; i < pages->count(); ++i) {
    pages->setCurrentIndex(i);
    QCoreApplication::processEvents();
    for (const QWidget* w : pages->widget(i)->findChildren<QWidget*>()) {
      const auto* label = qobject_cast<const QLabel*>(w);
      const bool captioned = (label != nullptr && !label->text().isEmpty()) ||
                             qobject_cast<const QAbstractButton*>(w) != nullptr;
      if (!captioned || !w->isVisible())
        continue;
      const QSize needed = w->minimumSizeHint();
      QVERIFY2(w->width() >= needed.width() && w->height() >= needed.height(),
               qPrintable(pages->tabText(i) + ": " + w->objectName()));
    }
  }
}

void TForm1Test::choosingAFileWritesTheFilenameAndTypingKeepsIt() {
  f().GoToScenarioDirectory();
  auto* files = f().Get<QListWidget>("FileListBox1");
  QStringList shown;
  for (int i = 0; i < files->count(); ++i)
    shown << files->item(i)->text();
  QCOMPARE(shown, (QStringList{"equip.eqp", "equip.txt", "home.scn", "orig.des", "orig.scn",
                               "orig.tit", "sorig.tst"}));
  QVERIFY(f().Get<QComboBox>("DriveComboBox1")->currentIndex() >= 0);

  f().ChooseFile("orig.scn");
  QCOMPARE(f().Get<QLineEdit>("Edit1")->text(), QStringLiteral("orig.scn"));
  QCOMPARE(f().window().currentFileName(), std::string("orig.scn"));

  auto* edit = f().Get<QLineEdit>("Edit1");
  edit->clear();
  QTest::keyClicks(edit, "other.scn");
  QCOMPARE(f().window().currentFileName(), std::string("other.scn"));

  // Opening a sub-folder of the directory list lists its files; the file name stays.
  auto* folders = f().Get<DirectoryList>("DirectoryListBox1");
  QListWidgetItem* sub = folders->item(folders->count() - 1);
  QCOMPARE(sub->text().trimmed(), QStringLiteral("out"));
  folders->setCurrentItem(sub);
  QTest::keyClick(folders, Qt::Key_Return);
  QCOMPARE(folders->directory(), QString::fromStdString((f().fixture().dir / "out").string()));
  QCOMPARE(files->count(), 0);
  QCOMPARE(f().window().currentFileName(), std::string("other.scn"));
}

void TForm1Test::openingWithoutALayoutOnlyShowsTheMessage() {
  f().GoToScenarioDirectory();
  f().ChooseFile("orig.scn");
  f().Click("Button1");
  QCOMPARE(f().dialogs().messages,
           std::vector<std::string>{"Type of Scenario Not Selected Please Select one"});
  QVERIFY(f().dialogs().shown.empty());
  QCOMPARE(f().Get<QLineEdit>("Edit3")->text(), QStringLiteral("Edit3"));
}

void TForm1Test::opensAnOriginalScenarioThenShowsASideWhenChosen() {
  f().OpenOriginal();
  QCOMPARE(f().dialogs().shown, (std::vector<FileDialogKind>{FileDialogKind::Equipment,
                                                             FileDialogKind::EquipmentNames}));
  QCOMPARE(f().Get<QSpinBox>("battletype")->value(), 1);
  const QStringList limits{"11", "13", "12", "14", "15", "16", "17", "255"};
  const char* edits[] = {"Edit3", "Edit4", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11"};
  for (int i = 0; i < 8; ++i)
    QCOMPARE(f().Get<QLineEdit>(edits[i])->text(), limits[i]);
  const std::string dir = f().fixture().dir.path().string();
  QCOMPARE(f().window().state().scenario.companions.placeNamePath, dir + "/sorig.tst");
  QCOMPARE(f().window().state().scenario.companions.titlePath, dir + "/orig.tit");
  // No side chosen yet: the lists stay empty.
  for (int i = 1; i <= 6; ++i)
    QCOMPARE(f().Lines(("ListBox" + std::to_string(i)).c_str()).size(), 0);

  f().Click("RadioButton3");
  f().ExpectAxisShown();
  QCOMPARE(f().Get<QLabel>("Label85")->text(), QStringLiteral("  Axis"));
  QCOMPARE(f().Get<QLabel>("Label87")->text(), QStringLiteral("  Axis"));

  f().Click("RadioButton4");
  QCOMPARE(f().Lines("ListBox1"), QStringList{"Rifles"});
  QCOMPARE(f().Lines("ListBox2"), QStringList{"4      Rifles"});
  QCOMPARE(f().Lines("ListBox3"), QStringList{"5      Shermans"});
  QCOMPARE(f().Lines("ListBox4"), QStringList{"Shermans"});
  QCOMPARE(f().Get<QLabel>("Label85")->text(), QStringLiteral("Allied"));
  QCOMPARE(f().Get<QLabel>("Label95")->text(), QStringLiteral("4.50"));
  QCOMPARE(f().Get<QLabel>("Label92")->text(), QStringLiteral("5"));
  QCOMPARE(f().Get<QLabel>("Label127")->text(), QStringLiteral("1"));
  QCOMPARE(f().Get<QLabel>("Label128")->text(), QString());

  // A second opening asks for no equipment: the script holds no answer for it.
  f().Click("Button1");
  QCOMPARE(f().dialogs().shown.size(), std::size_t{2});
  QCOMPARE(f().Lines("ListBox1"), QStringList{"Rifles"});
}

void TForm1Test::opensAHomemadeScenarioWithASideAlreadyChosen() {
  f().Click("RadioButton3");
  f().OpenHomemade();
  f().ExpectAxisShown();
  QCOMPARE(f().Get<QSpinBox>("battletype")->value(), 2);
  QCOMPARE(f().Get<QLineEdit>("Edit3")->text(), QStringLiteral("0"));
  QCOMPARE(f().window().state().scenario.layout, std::optional(ScenarioLayout::Homemade));
}

void TForm1Test::opensAndWritesFilesWhoseNamesAreNotAscii() {
  // Names travel in the file system's encoding (UTF-8 here), whatever characters they hold.
  const std::filesystem::path folder = f().fixture().dir / "\303\234bung";
  std::filesystem::create_directory(folder);
  std::filesystem::copy_file(f().fixture().dir / "home.scn", folder / "Stra\303\237e.scn");
  f().GoTo("DirectoryListBox1", folder);
  f().ChooseFile("Stra\303\237e.scn");
  f().Click("RadioButton1");
  f().fixture().dialogs.Answer(FileDialogKind::Equipment, f().fixture().equipmentPath);
  f().fixture().dialogs.Answer(FileDialogKind::EquipmentNames, f().fixture().namesPath);
  f().Click("Button1");
  QCOMPARE(f().Text("Edit3"), QStringLiteral("0"));

  f().GoTo("DirectoryListBox3", folder);
  f().Get<QLineEdit>("Edit13")->setText(QString::fromUtf8("Gr\303\266\303\237e"));
  f().Click("Button4");
  QVERIFY(std::filesystem::exists(folder / "Gr\303\266\303\237e.txt"));
}

void TForm1Test::transfersSelectedLinesAndBackRestoringTheLists() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  const QStringList core = f().Lines("ListBox2");
  const QStringList aux = f().Lines("ListBox3");

  f().ClickItem("ListBox2", 0);
  f().ClickItem("ListBox2", 2, Qt::ControlModifier);
  f().Click("Button2");
  QCOMPARE(f().Lines("ListBox2"), QStringList{"3      Panzer IV"});
  // Roster order decides the place among the auxiliary lines.
  QCOMPARE(f().Lines("ListBox3"), (QStringList{"       Grenadiers", "2      Pioneers",
                                               "12      Flak 88", "1      Destroyer Z1"}));
  QCOMPARE(f().Lines("ListBox4"),
           (QStringList{"Grenadiers", "Pioneers", "Flak 88", "Destroyer Z1"}));
  QCOMPARE(f().Lines("ListBox6"), (QStringList{"Pioneers", "Flak 88"}));
  QCOMPARE(f().Get<QLabel>("Label127")->text(), QString());
  QCOMPARE(f().Get<QLabel>("Label128")->text(), QStringLiteral("1"));
  QCOMPARE(f().Get<QLabel>("Label78")->text(), QStringLiteral("3.60"));

  f().ClickItem("ListBox3", 0);
  f().ClickItem("ListBox3", 1, Qt::ShiftModifier);
  f().Click("Button3");
  QCOMPARE(f().Lines("ListBox2"), core);
  QCOMPARE(f().Lines("ListBox3"), aux);
  QCOMPARE(f().Get<QLabel>("Label127")->text(), QStringLiteral("2"));
  QVERIFY(f().Get<QListWidget>("ListBox3")->selectedItems().isEmpty());
}

void TForm1Test::transferWithNothingSelectedChangesNothing() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().ClickItem("ListBox1", 1);
  f().Click("Button2");
  f().Click("Button3");
  // No refresh ran: the unit under review is still shown.
  QCOMPARE(f().Get<QLabel>("Label26")->text(), QStringLiteral("Panzer IV"));
  QCOMPARE(f().Lines("ListBox3").size(), 2);
}

void TForm1Test::reviewsCoreAndAuxiliaryUnits() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().ClickItem("ListBox1", 0);
  QCOMPARE(f().Text("Label26"), QStringLiteral("Grenadiers"));
  QCOMPARE(f().Text("Label27"), QStringLiteral("Infantry"));
  QCOMPARE(f().Text("Label28"), QStringLiteral("Ge"));
  QCOMPARE(f().Text("Label29"), QStringLiteral("Eq0"));
  QCOMPARE(f().Text("Label30"), QStringLiteral("Eq989"));
  QCOMPARE(f().Text("Label31"), QString());
  QCOMPARE(f().Text("Edit14"), QStringLiteral("3"));
  QCOMPARE(f().Text("Edit15"), QStringLiteral("4"));
  QCOMPARE(f().Text("Edit16"), QStringLiteral("0"));
  QCOMPARE(f().Text("Label32"), QStringLiteral("10"));
  QCOMPARE(f().Text("Label33"), QStringLiteral("1"));
  QCOMPARE(f().Text("Edit21"), QStringLiteral("0"));

  // The review button shows the chosen line again, discarding what was typed.
  f().Get<QLineEdit>("Edit14")->setText(QStringLiteral("99"));
  f().Click("Button7");
  QCOMPARE(f().Text("Edit14"), QStringLiteral("3"));

  f().ClickItem("ListBox4", 1);
  QCOMPARE(f().Text("Label47"), QStringLiteral("Destroyer Z1"));
  QCOMPARE(f().Text("Label48"), QStringLiteral("Destroyer"));
  QCOMPARE(f().Text("Label51"), QString());
  QCOMPARE(f().Text("Label52"), QStringLiteral("Eq989"));
  QCOMPARE(f().Text("Edit20"), QStringLiteral("1"));

  // An unused unit shows its column low byte and "NO".
  f().ClickItem("ListBox1", 2);
  QCOMPARE(f().Text("Label26"), QStringLiteral("Pioneers"));
  QCOMPARE(f().Text("Edit14"), QStringLiteral("0"));
  QCOMPARE(f().Text("Edit16"), QStringLiteral("NO"));
}

void TForm1Test::acceptPlacesAnUnusedUnit() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  QCOMPARE(f().Lines("ListBox5"), QStringList{"Pioneers"});
  f().ClickItem("ListBox1", 2);
  f().SetText("Edit14", "5");
  f().SetText("Edit15", "7");
  f().SetText("Edit16", "0");
  f().SetText("Edit21", "4");
  f().Click("Button9");
  QVERIFY(f().dialogs().messages.empty());
  QCOMPARE(f().Lines("ListBox5"), QStringList{});
  QCOMPARE(f().Lines("ListBox2")[2], QStringLiteral("4      Pioneers"));
  // The refresh empties the review, all but the experience edit, and drops the choice.
  QCOMPARE(f().Text("Label26"), QString());
  QCOMPARE(f().Text("Edit14"), QString());
  QCOMPARE(f().Text("Edit16"), QString());
  QCOMPARE(f().Text("Edit21"), QStringLiteral("4"));
  QVERIFY(f().Get<QListWidget>("ListBox1")->selectedItems().isEmpty());

  f().ClickItem("ListBox1", 2);
  QCOMPARE(f().Text("Edit14"), QStringLiteral("5"));
  QCOMPARE(f().Text("Edit15"), QStringLiteral("7"));
  QCOMPARE(f().Text("Edit16"), QStringLiteral("0"));
}

void TForm1Test::acceptNoMarksAUnitUnused() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().ClickItem("ListBox1", 1);
  f().SetText("Edit16", "NO");
  f().Click("Button9");
  QCOMPARE(f().dialogs().messages,
           std::vector<std::string>{"Because Status set to Unused Columns and Rows set to 0"});
  QCOMPARE(f().Lines("ListBox5"), (QStringList{"Panzer IV", "Pioneers"}));
  f().ClickItem("ListBox1", 1);
  QCOMPARE(f().Text("Edit14"), QStringLiteral("0"));
  QCOMPARE(f().Text("Edit15"), QStringLiteral("0"));
  QCOMPARE(f().Text("Edit16"), QStringLiteral("NO"));
}

void TForm1Test::acceptRejectsOtherUsedTextsAndStoresNothing() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().ClickItem("ListBox4", 0);  // Flak 88, unused
  const QStringList shown = {f().Text("Edit17"), f().Text("Edit18"), f().Text("Edit19"),
                             f().Text("Edit20")};
  f().SetText("Edit17", "44");
  f().SetText("Edit18", "$FF");
  f().SetText("Edit19", "no");
  f().SetText("Edit20", "7");
  f().Click("Button10");
  QCOMPARE(f().dialogs().messages,
           std::vector<std::string>{"\"0\" and \"NO\" are the only two valid entries"});
  // Nothing stored: the edits show the unit as it still is.
  QCOMPARE(
      (QStringList{f().Text("Edit17"), f().Text("Edit18"), f().Text("Edit19"), f().Text("Edit20")}),
      shown);
  QCOMPARE(f().Text("Edit19"), QStringLiteral("NO"));
  // No refresh: the unit stays chosen and shown, and still counts as unused.
  QCOMPARE(f().Text("Label47"), QStringLiteral("Flak 88"));
  QCOMPARE(f().Get<QListWidget>("ListBox4")->selectedItems().size(), 1);
  QCOMPARE(f().Lines("ListBox6"), QStringList{"Flak 88"});
  QCOMPARE(f().Lines("ListBox3")[0], QStringLiteral("12      Flak 88"));
}

void TForm1Test::acceptReportsARowThatIsNotANumber() {
  expectErrors_ = true;
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().ClickItem("ListBox1", 0);
  const QString column = f().Text("Edit14");
  QVERIFY(column != QStringLiteral("9") && column != QStringLiteral("8"));
  f().SetText("Edit14", "9");
  f().SetText("Edit15", "abc");
  f().Click("Button9");
  QCOMPARE(f().dialogs().errors, std::vector<std::string>{"'abc' is not a valid integer value"});
  QCOMPARE(f().Text("Label26"), QStringLiteral("Grenadiers"));  // no refresh
  // Nothing is stored, the column before the failing field neither; the window goes on working.
  f().Click("Button7");
  QCOMPARE(f().Text("Edit14"), column);
  QCOMPARE(f().Text("Edit15"), QStringLiteral("4"));

  // A number that does not fit the byte is refused too, naming the field.
  f().dialogs().errors.clear();
  f().SetText("Edit14", "8");
  f().SetText("Edit15", "300");
  f().Click("Button9");
  QCOMPARE(f().dialogs().errors, std::vector<std::string>{"300 does not fit \"Row\" (0 to 255)"});
  f().Click("Button7");
  QCOMPARE(f().Text("Edit14"), column);
  QCOMPARE(f().Text("Edit15"), QStringLiteral("4"));
}

void TForm1Test::acceptWithNothingSelectedDiffersByPage() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().ClickItem("ListBox4", 1);
  f().ClickItem("ListBox4", 1, Qt::ControlModifier);  // takes the choice away again
  QVERIFY(f().Get<QListWidget>("ListBox4")->selectedItems().isEmpty());
  f().Click("Button10");
  QCOMPARE(f().Text("Label47"), QStringLiteral("Destroyer Z1"));  // nothing happened

  f().Click("Button9");  // the core page refreshes all the same
  QCOMPARE(f().Text("Label47"), QString());
  QVERIFY(f().dialogs().messages.empty());
  QCOMPARE(f().Lines("ListBox1").size(), 3);
}

void TForm1Test::unusedListsAreNotSelectable() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().ClickItem("ListBox1", 0);
  f().ClickItem("ListBox5", 0);
  QTRY_COMPARE(f().dialogs().messages, std::vector<std::string>{"Not Selectable"});
  QVERIFY(f().Get<QListWidget>("ListBox5")->selectedItems().isEmpty());
  QCOMPARE(f().Lines("ListBox5"), QStringList{"Pioneers"});
  QCOMPARE(f().Text("Label26"), QString());  // the refresh emptied the review

  f().ClickItem("ListBox6", 0);
  QTRY_COMPARE(f().dialogs().messages.size(), std::size_t{2});
  QCOMPARE(f().dialogs().messages.back(), std::string("Not Selectable"));
}

void TForm1Test::updateCurrentValuesCountsEachSide() {
  f().OpenOriginal();
  f().Click("Button6");
  const QStringList axis{f().Text("Label64"), f().Text("Label65"), f().Text("Label66"),
                         f().Text("Label67")};
  const QStringList allied{f().Text("Label73"), f().Text("Label74"), f().Text("Label75"),
                           f().Text("Label76")};
  QCOMPARE(axis, (QStringList{"3", "2", "3", "0"}));
  QCOMPARE(allied, (QStringList{"1", "1", "1", "0"}));

  // The figures stand until the button is pressed again.
  f().Click("RadioButton3");
  f().ClickItem("ListBox2", 0);
  f().Click("Button2");
  QCOMPARE(f().Text("Label64"), QStringLiteral("3"));
  f().Click("Button6");
  QCOMPARE(f().Text("Label64"), QStringLiteral("2"));
  QCOMPARE(f().Text("Label65"), QStringLiteral("3"));
}

void TForm1Test::triggersRefreshAndExperience() {
  f().OpenOriginal();
  QCOMPARE(f().Text("Label78"), QString());
  f().ClickWidget("StaticText13");
  QCOMPARE(f().Text("Label78"), QStringLiteral("3.60"));
  QCOMPARE(f().Text("Label80"), QStringLiteral("4"));
  QCOMPARE(f().Text("Label83"), QStringLiteral("4.50"));
  QCOMPARE(f().Text("Label84"), QStringLiteral("5"));
  QCOMPARE(f().Text("Label95"), QString());  // no side chosen: the page figures stay

  // With no side chosen the refresh shows side 0 and keeps the side captions.
  f().ClickWidget("StaticText2");
  QCOMPARE(f().Lines("ListBox1"), (QStringList{"Grenadiers", "Panzer IV", "Pioneers"}));
  QCOMPARE(f().Text("Label85"), QStringLiteral("    No "));
}

void TForm1Test::aFailedOpenIsReportedAndTheWindowStaysUsable() {
  expectErrors_ = true;
  f().GoToScenarioDirectory();
  f().Click("RadioButton2");
  f().fixture().dialogs.Answer(FileDialogKind::Equipment, f().fixture().equipmentPath);
  f().fixture().dialogs.Answer(FileDialogKind::EquipmentNames, f().fixture().namesPath);
  // The mask left in "Filename" is no file.
  f().Click("Button1");
  QCOMPARE(
      f().dialogs().errors,
      std::vector<std::string>{"File not found: \"" + (f().fixture().dir / "*.*").string() + "\""});
  QCOMPARE(f().Get<QLineEdit>("Edit3")->text(), QStringLiteral("Edit3"));

  f().ChooseFile("orig.scn");
  f().Click("Button1");
  QCOMPARE(f().dialogs().errors.size(), std::size_t{1});
  QCOMPARE(f().Get<QLineEdit>("Edit3")->text(), QStringLiteral("11"));

  // A file of the other layout is refused and the open scenario stays.
  f().Click("RadioButton1");
  f().Click("Button1");
  QCOMPARE(f().dialogs().errors.size(), std::size_t{2});
  QVERIFY(f().dialogs().errors[1].find("looks like a scenario of the \"Orvane Original\"") !=
          std::string::npos);
  f().Click("RadioButton3");
  QCOMPARE(f().Lines("ListBox1").size(), 3);
}

void TForm1Test::keyboardPressesButtonsAndMovesThroughLists() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().ShowPageOf("Button6");
  auto* update = f().Get<QPushButton>("Button6");
  update->setFocus();
  QTest::keyClick(update, Qt::Key_Return);
  QCOMPARE(f().Text("Label64"), QStringLiteral("3"));

  f().ClickItem("ListBox1", 0);
  QTest::keyClick(f().Get<QListWidget>("ListBox1"), Qt::Key_Down);
  QCOMPARE(f().Text("Label26"), QStringLiteral("Panzer IV"));
}

void TForm1Test::typedScenarioTypesAreBroughtWithinTheBounds() {
  auto* type = f().Get<QSpinBox>("battletype");
  f().ShowPageOf("battletype");
  auto* edit = type->findChild<QLineEdit*>();
  for (const auto& [typed, shown] : {std::pair{"5", 2}, std::pair{"-3", 0}, std::pair{"1", 1}}) {
    edit->selectAll();
    QTest::keyClicks(type, typed);
    QCOMPARE(edit->text(), QString::fromLatin1(typed));
    QTest::keyClick(type, Qt::Key_Return);  // leaving the control, or Enter, settles the value
    QCOMPARE(type->value(), shown);
  }
}

void TForm1Test::writesTheAxisCampaignUnderTheCheckedSlot() {
  f().OpenOriginal();
  f().GoTo("DirectoryListBox2", Out());
  f().SetText("Edit3", "44");
  f().Get<QSpinBox>("battletype")->setValue(2);
  f().Click("RadioButton5");
  QCOMPARE(f().Get<QRadioButton>("RadioButton5")->text(), QStringLiteral("Central China"));
  f().Click("Button5");
  QCOMPARE(Written(),
           (std::set<std::string>{"cchina.des", "cchina.scn", "cchina.tit", "scchina.tst"}));

  // Opened again, the written scenario shows the type and the limit as written.
  f().GoTo("DirectoryListBox1", Out());
  f().ChooseFile("cchina.scn");
  f().Click("Button1");
  QCOMPARE(f().Get<QSpinBox>("battletype")->value(), 2);
  QCOMPARE(f().Text("Edit3"), QStringLiteral("44"));
  QCOMPARE(f().Text("Edit11"), QStringLiteral("255"));
  f().Click("RadioButton3");
  f().ExpectAxisShown();
}

void TForm1Test::writesTheAlliedCampaignUnderTheUsersName() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().ClickItem("ListBox2", 0);
  f().Click("Button2");        // Grenadiers become auxiliary
  f().Click("RadioButton19");  // a slot on the Allied page, then the user's own name
  f().GoTo("DirectoryListBox4", Out());
  f().SetText("Edit22", "mine");
  f().Click("RadioButton32");
  QVERIFY(!f().Get<QRadioButton>("RadioButton19")->isChecked());
  f().Click("Button12");
  QCOMPARE(Written(), (std::set<std::string>{"mine.des", "mine.scn", "mine.tit", "smine.tst"}));

  f().GoTo("DirectoryListBox1", Out());
  f().ChooseFile("mine.scn");
  f().Click("Button1");
  QCOMPARE(f().Lines("ListBox3"),
           (QStringList{"       Grenadiers", "12      Flak 88", "1      Destroyer Z1"}));
}

void TForm1Test::aLimitThatIsNotANumberWritesNothing() {
  expectErrors_ = true;
  f().OpenOriginal();
  f().GoTo("DirectoryListBox2", Out());
  f().Click("RadioButton6");
  f().SetText("Edit9", "abc");
  f().Click("Button5");
  QCOMPARE(f().dialogs().errors,
           std::vector<std::string>{"'abc' is not a valid integer value: \"max axis core\""});
  QCOMPARE(Written(), std::set<std::string>{});
}

void TForm1Test::writesAHomemadeCopyOnlyAfterYes() {
  f().OpenOriginal();
  f().GoTo("DirectoryListBox5", Out());
  f().SetText("Edit2", "copy");
  f().dialogs().AnswerYesNo(false);
  f().Click("Button13");
  QCOMPARE(f().dialogs().questions.size(), std::size_t{1});
  QCOMPARE(Written(), std::set<std::string>{});

  f().dialogs().AnswerYesNo(true);
  f().Click("Button13");
  QCOMPARE(Written(), std::set<std::string>{"copy.scn"});
  f().GoTo("DirectoryListBox1", Out());
  f().ChooseFile("copy.scn");
  f().Click("RadioButton1");
  f().Click("RadioButton3");
  f().Click("Button1");
  f().ExpectAxisShown();
}

void TForm1Test::writesTheOrderOfBattle() {
  f().OpenHomemade();
  f().GoTo("DirectoryListBox3", Out());
  f().SetText("Edit13", "army");
  f().Click("Button4");
  QCOMPARE(Written(), std::set<std::string>{"army.txt"});
  const auto bytes = testing::ReadFileBytes(Out() / "army.txt");
  const std::string text(bytes.begin(), bytes.end());
  QVERIFY(text.rfind("Side,Class,Name,", 0) == 0);
  QVERIFY(text.find("Axis,Core,Grenadiers") != std::string::npos);
  QVERIFY(text.find("Allies,Aux,Shermans") != std::string::npos);
}

void TForm1Test::scenarioWritersRefuseBeforeAnyOpening() {
  expectErrors_ = true;
  f().GoTo("DirectoryListBox2", Out());
  f().Click("RadioButton7");
  f().Click("Button5");
  f().GoTo("DirectoryListBox5", Out());
  f().Click("Button13");
  const std::string refusal = "No scenario is open. Open one on the \"Open File\" page first.";
  QCOMPARE(f().dialogs().errors, (std::vector<std::string>{refusal, refusal}));
  QCOMPARE(Written(), std::set<std::string>{});
}

}  // namespace zarkel

QTEST_MAIN(zarkel::TForm1Test)
#include "tabw1_test.moc"
