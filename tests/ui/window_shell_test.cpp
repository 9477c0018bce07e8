// What the window adds around its nine pages: the start from the command line, the status bar,
// the folder captions and the lists that follow the disk, the layout buttons after a failed
// open, and the refusal of writes without a name.
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>
#include <memory>
#include <set>

#include "base/version.h"
#include "tabw1_fixture.h"
#include "ui/directory_list.h"
#include "ui/main_menu.h"
#include "ui/start_options.h"

namespace zarkel {

using testing::Form;

class WindowShellTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { form_ = std::make_unique<Form>(); }
  void cleanup() {
    if (form_ && !expectErrors_)
      QCOMPARE(form_->dialogs().errors, std::vector<std::string>{});
    expectErrors_ = false;
    form_.reset();
  }

  void readsTheCommandLine();
  void startsOnTheScenarioGiven();
  void startsWithTheScenarioPickedWhenNoLayoutIsGiven();
  void theStatusBarSaysWhatWasOpenedAndWritten();
  void theStatusBarSaysWhatEachEditDid();
  void folderCaptionsAndTheCurrentFolderFollowEveryChange();
  void aFolderMadeLaterShowsInTheLists();
  void aFailedOpenLeavesTheLayoutOfTheScenarioOpen();
  void aFullPathInFilenameMovesTheFolderList();
  void writesWithoutANameAreRefused();
  void nothingOpenEditsAndWritesSayToOpenFirst();
  void anEmptyOrSignOnlyScenarioTypeIsWrittenAsZero();

 private:
  Form& f() { return *form_; }
  std::filesystem::path Out() { return f().fixture().dir / "out"; }
  QString Native(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(QString::fromStdString(path.string()));
  }
  QString Message() { return f().window().statusBar()->currentMessage(); }
  std::unique_ptr<Form> form_;
  bool expectErrors_ = false;
};

void WindowShellTest::readsTheCommandLine() {
  const StartCommandLine unknown = ReadStartOptions({"zarkel", "--bogus"});
  QCOMPARE(unknown.exitCode, 2);
  QVERIFY(unknown.toStandardError);
  // Three lines, as zarkel-cli prints them: not the whole help.
  QCOMPARE(unknown.text, QStringLiteral("zarkel: Unknown option 'bogus'.\n"
                                        "Usage: zarkel [options] [SCENARIO]\n"
                                        "Run \"zarkel --help\" for more.\n"));
  QVERIFY(ReadStartOptions({"zarkel", "--help"})
              .text.contains(QStringLiteral("--layout <homemade|original>")));
  QCOMPARE(ReadStartOptions({"zarkel", "a.scn", "--layout", "campaign"}).exitCode, 2);
  QCOMPARE(ReadStartOptions({"zarkel", "--side", "neutral"}).exitCode, 2);
  QCOMPARE(ReadStartOptions({"zarkel", "a.scn", "b.scn"}).exitCode, 2);
  const StartCommandLine version = ReadStartOptions({"zarkel", "--version"});
  QCOMPARE(version.exitCode, 0);
  QCOMPARE(version.text, QStringLiteral("zarkel %1\n").arg(kVersion));
  QVERIFY(AboutText().startsWith(QStringLiteral("zarkel %1\n").arg(kVersion)));

  const StartCommandLine none = ReadStartOptions({"zarkel"});
  QVERIFY(none.options.has_value());
  QVERIFY(none.options->scenario.isEmpty() && !none.options->layout && !none.options->side);

  const StartCommandLine all =
      ReadStartOptions({"zarkel", "demo/kardel.scn", "--layout", "original", "--side", "allies",
                        "--names", "n.txt"});
  QVERIFY(all.options.has_value());
  QCOMPARE(all.options->scenario, QDir::current().absoluteFilePath("demo/kardel.scn"));
  QCOMPARE(all.options->layout, std::optional(ScenarioLayout::Original));
  QCOMPARE(all.options->side, std::optional(1));
  QCOMPARE(all.options->names, QDir::current().absoluteFilePath("n.txt"));
  QVERIFY(all.options->equipment.isEmpty());
}

void WindowShellTest::startsOnTheScenarioGiven() {
  StartOptions options;
  options.scenario = QString::fromStdString((f().fixture().dir / "home.scn").string());
  options.layout = ScenarioLayout::Homemade;
  options.equipment = QString::fromStdString(f().fixture().equipmentPath);
  options.side = 0;
  // The names file is not given: its dialog shows as usual (here: cancelled).
  f().dialogs().Answer(FileDialogKind::EquipmentNames, std::nullopt);
  ApplyStartOptions(f().window(), f().startDialogs(), options);

  QVERIFY(f().dialogs().AllAnswered());
  QCOMPARE(f().dialogs().shown, std::vector<FileDialogKind>{FileDialogKind::EquipmentNames});
  QCOMPARE(f().Text("Edit1"), QStringLiteral("home.scn"));
  QCOMPARE(f().Text("DirectoryListBox1Path"), Native(f().fixture().dir.path()));
  QCOMPARE(f().Lines("ListBox1"), (QStringList{"Grenadiers", "Panzer IV", "Pioneers"}));
  QCOMPARE(f().Text("Edit8"), QStringLiteral("4"));
  QCOMPARE(f().window().state().equipment.ClassOf(1), 1);  // the file given was read
}

void WindowShellTest::startsWithTheScenarioPickedWhenNoLayoutIsGiven() {
  StartOptions options;
  options.scenario = QString::fromStdString((f().fixture().dir / "orig.scn").string());
  ApplyStartOptions(f().window(), f().startDialogs(), options);
  QCOMPARE(f().Text("Edit1"), QStringLiteral("orig.scn"));
  QCOMPARE(f().Get<QListWidget>("FileListBox1")->currentItem()->text(), QStringLiteral("orig.scn"));
  QVERIFY(!f().window().state().scenario.layout);  // waiting for the layout
  QVERIFY(f().dialogs().shown.empty());
  f().Click("RadioButton2");
  f().dialogs().Answer(FileDialogKind::Equipment, f().fixture().equipmentPath);
  f().dialogs().Answer(FileDialogKind::EquipmentNames, f().fixture().namesPath);
  f().Click("Button1");
  QCOMPARE(f().Text("Edit3"), QStringLiteral("11"));
}

void WindowShellTest::theStatusBarSaysWhatWasOpenedAndWritten() {
  f().OpenOriginal();
  QCOMPARE(f().Text("ScenarioStatus"),
           QString::fromUtf8("orig.scn \u00b7 Orvane Original \u00b7 map 2 x 3 \u00b7 7 units"));
  // The first opening read the equipment too.
  QCOMPARE(Message(), "Opened \"" + Native(f().fixture().dir / "orig.scn") +
                          "\"; read equipment from \"" + Native(f().fixture().equipmentPath) +
                          "\" and \"" + Native(f().fixture().namesPath) + "\"");

  // Written into the scenario's own folder, the files also show in the file list.
  f().GoTo("DirectoryListBox2", f().fixture().dir.path());
  f().Click("RadioButton8");
  f().Click("Button5");
  QCOMPARE(Message(), "Wrote burma42.scn, sburma42.tst, burma42.tit and burma42.des in \"" +
                          QString::fromStdString(f().fixture().dir.path().string()) + "\"");
  QTRY_VERIFY(f().Lines("FileListBox1").contains(QStringLiteral("sburma42.tst")));
  QCOMPARE(f().Text("Edit1"), QStringLiteral("orig.scn"));  // the choice stays

  f().GoTo("DirectoryListBox3", Out());
  f().Click("Button4");
  QCOMPARE(Message(), "Wrote OB.txt in \"" + QString::fromStdString(Out().string()) + "\"");
  // Written again: the window asks first, and No keeps the file there.
  const auto written = testing::Snapshot(Out());
  f().dialogs().AnswerReplace(false);
  f().Click("Button4");
  QCOMPARE(f().dialogs().replaceQuestions,
           std::vector<std::string>{"\"OB.txt\" already exists in \"" + Out().string() +
                                    "\". Replace it?"});
  QCOMPARE(Message(), QStringLiteral("Not written"));
  QVERIFY(testing::Snapshot(Out()) == written);
  // A failure is reported in its box, not in the status bar.
  expectErrors_ = true;
  f().GoTo("DirectoryListBox3", f().fixture().dir / "gone");
  f().Click("Button4");
  QCOMPARE(f().dialogs().errors.size(), std::size_t{1});
  QCOMPARE(Message(), QStringLiteral("Not written"));
}

void WindowShellTest::theStatusBarSaysWhatEachEditDid() {
  f().OpenOriginal();
  f().Click("RadioButton3");
  f().GoTo("DirectoryListBox3", Out());
  f().Click("Button4");
  QVERIFY(Message().startsWith(QStringLiteral("Wrote OB.txt")));

  // The line that was written does not stay once the scenario is edited.
  f().ClickItem("ListBox2", 1);
  f().ClickItem("ListBox2", 2, Qt::ControlModifier);
  f().Click("Button2");
  QCOMPARE(Message(), QStringLiteral("Transferred 2 units to auxiliary"));
  f().ClickItem("ListBox1", 0);
  f().SetText("Edit21", "5");
  f().Click("Button9");
  QCOMPARE(Message(), QStringLiteral("Changed \"Grenadiers\": experience 5"));
  f().window().Undo();
  QCOMPARE(Message(), QStringLiteral("Undid: Change of Grenadiers"));
  f().window().Redo();
  QCOMPARE(Message(), QStringLiteral("Redid: Change of Grenadiers"));
  // An accept refused by one field stores none: column 20, row 300, experience 5.
  expectErrors_ = true;
  f().ClickItem("ListBox1", 0);
  const ReviewFields before = *f().window().session().Review(UnitPage::Core, 0);
  f().SetText("Edit14", "20");
  f().SetText("Edit15", "300");
  f().SetText("Edit21", "5");
  f().Click("Button9");
  QCOMPARE(f().dialogs().errors, std::vector<std::string>{"300 does not fit \"Row\" (0 to 255)"});
  QCOMPARE(Message(), QStringLiteral("No change to \"Grenadiers\""));
  const ReviewFields after = *f().window().session().Review(UnitPage::Core, 0);
  QCOMPARE(after.column, before.column);
  QCOMPARE(after.experience, before.experience);
  QCOMPARE(f().window().session().UndoName(), std::optional<std::string>("Change of Grenadiers"));
  // A row off the map is stored and said so.
  f().SetText("Edit15", "40");
  f().Click("Button9");
  QVERIFY2(Message().startsWith(QStringLiteral("Moved \"Grenadiers\" to column ")) &&
               Message().contains(QStringLiteral(", row 40; it now stands off the ")),
           qPrintable(Message()));
}

void WindowShellTest::nothingOpenEditsAndWritesSayToOpenFirst() {
  const QString openFirst =
      QStringLiteral("No scenario is open. Open one on the \"Open File\" page first.");
  // "Open File" with no file chosen: the limits keep the window's own texts, no step is made.
  expectErrors_ = true;
  f().Click("Button1");
  QVERIFY2(!Message().startsWith(QStringLiteral("Changed")), qPrintable(Message()));
  QCOMPARE(f().Text("Edit3"), QStringLiteral("Edit3"));
  QCOMPARE(f().Text("Edit11"), QStringLiteral("Edit11"));
  QVERIFY(!f().window().session().HasUnwrittenEdits());
  // The undo keys in a limit's field leave the window's own text as it is.
  f().ShowPageOf("Edit3");
  QTest::keyClick(f().Get<QLineEdit>("Edit3"), Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(f().Text("Edit3"), QStringLiteral("Edit3"));
  // A limit left: nothing changes, the status says why.
  f().ShowPageOf("Edit11");
  f().SetText("Edit11", "7");
  Q_EMIT f().Get<QLineEdit>("Edit11")->editingFinished();
  QCOMPARE(Message(), openFirst);
  QVERIFY(!f().window().session().UndoName());
  // "Write OB" writes its header and the blank lines of the sides.
  f().GoTo("DirectoryListBox3", Out());
  f().Click("Button4");
  QVERIFY2(Message().startsWith(QStringLiteral("Wrote OB.txt")), qPrintable(Message()));
}

void WindowShellTest::folderCaptionsAndTheCurrentFolderFollowEveryChange() {
  for (const char* list : {"DirectoryListBox1", "DirectoryListBox2", "DirectoryListBox3",
                           "DirectoryListBox4", "DirectoryListBox5"}) {
    const std::string caption = std::string(list) + "Path";
    f().GoTo(list, f().fixture().dir.path());
    QCOMPARE(f().Text(caption.c_str()), Native(f().fixture().dir.path()));
    // Opening "out" with Enter: the caption follows, "out" is the one folder in bold.
    auto* folders = f().Get<DirectoryList>(list);
    const QList<QListWidgetItem*> out =
        folders->findItems(QStringLiteral("out"), Qt::MatchEndsWith);
    QCOMPARE(out.size(), 1);
    folders->setCurrentItem(out.first());
    QTest::keyClick(folders, Qt::Key_Return);
    QCOMPARE(f().Text(caption.c_str()), Native(Out()));
    QStringList bold;
    for (int i = 0; i < folders->count(); ++i) {
      if (folders->item(i)->font().bold())
        bold << folders->item(i)->text().trimmed();
    }
    QCOMPARE(bold, QStringList{QStringLiteral("out")});
  }
}

void WindowShellTest::aFolderMadeLaterShowsInTheLists() {
  for (const char* list : {"DirectoryListBox1", "DirectoryListBox3"})
    f().GoTo(list, f().fixture().dir.path());
  auto* folders = f().Get<DirectoryList>("DirectoryListBox3");
  const int outLine = folders->row(folders->findItems(QStringLiteral("out"), Qt::MatchEndsWith)[0]);
  folders->setCurrentRow(outLine);  // highlighted, not opened
  std::filesystem::create_directory(f().fixture().dir / "battles");
  for (const char* list : {"DirectoryListBox1", "DirectoryListBox3"}) {
    QTRY_COMPARE(f().Get<DirectoryList>(list)
                     ->findItems(QStringLiteral("battles"), Qt::MatchEndsWith)
                     .size(),
                 1);
  }
  QVERIFY(folders->currentItem()->text().endsWith(QStringLiteral("out")));
  QCOMPARE(folders->directory(), QString::fromStdString(f().fixture().dir.path().string()));
}

void WindowShellTest::aFailedOpenLeavesTheLayoutOfTheScenarioOpen() {
  expectErrors_ = true;
  f().OpenHomemade();
  // The Homemade file opened as an Original one is refused by its size.
  f().Click("RadioButton2");
  f().Click("Button1");
  QCOMPARE(f().dialogs().errors.size(), std::size_t{1});
  QVERIFY(f().Get<QRadioButton>("RadioButton1")->isChecked());
  QVERIFY(!f().Get<QRadioButton>("RadioButton2")->isChecked());
  QCOMPARE(f().window().state().scenario.layout, std::optional(ScenarioLayout::Homemade));
}

void WindowShellTest::aFullPathInFilenameMovesTheFolderList() {
  std::filesystem::create_directory(Out() / "deep");
  std::filesystem::copy_file(f().fixture().dir / "orig.scn", Out() / "deep" / "far.scn");
  f().GoToScenarioDirectory();
  f().SetText("Edit1", (Out() / "deep" / "far.scn").string().c_str());
  f().Click("RadioButton2");
  f().dialogs().Answer(FileDialogKind::Equipment, std::nullopt);
  f().dialogs().Answer(FileDialogKind::EquipmentNames, std::nullopt);
  f().Click("Button1");
  QCOMPARE(f().Text("DirectoryListBox1Path"), Native(Out() / "deep"));
  QCOMPARE(f().window().state().scenario.companions.titlePath,
           (Out() / "deep" / "far.tit").string());
}

void WindowShellTest::writesWithoutANameAreRefused() {
  expectErrors_ = true;
  f().OpenHomemade();
  for (const char* list : {"DirectoryListBox2", "DirectoryListBox3", "DirectoryListBox5"})
    f().GoTo(list, Out());
  f().Click("Button5");  // no slot checked
  f().Click("RadioButton18");
  f().SetText("Edit12", "");
  f().Click("Button5");  // the own-name button with no name
  f().SetText("Edit13", "");
  f().Click("Button4");
  f().SetText("Edit2", "");
  f().Click("Button13");
  const auto& errors = f().dialogs().errors;
  QCOMPARE(errors.size(), std::size_t{4});
  for (const std::string& error : errors)
    QVERIFY2(error.rfind("The file name is empty. ", 0) == 0, error.c_str());
  QVERIFY(errors[0].find("\"Axis Campaign\"") != std::string::npos);
  QCOMPARE(testing::Snapshot(Out()).size(), std::size_t{0});
}

void WindowShellTest::anEmptyOrSignOnlyScenarioTypeIsWrittenAsZero() {
  auto* type = f().Get<QSpinBox>("battletype");
  for (const char* typed : {"", "-"}) {
    f().OpenHomemade();
    QCOMPARE(type->value(), 2);
    f().ShowPageOf("battletype");
    type->findChild<QLineEdit*>()->setText(QString::fromLatin1(typed));
    f().GoTo("DirectoryListBox5", Out());
    const bool empty = typed[0] == '\0';
    f().SetText("Edit2", empty ? "empty" : "sign");
    f().Click("Button13");
    QCOMPARE(type->value(), 0);
    // Read back from the file written.
    f().GoTo("DirectoryListBox1", Out());
    f().ChooseFile(empty ? "empty.scn" : "sign.scn");
    type->setValue(1);
    f().dialogs().AnswerYesNo(true);  // the type set is an edit not written
    f().Click("Button1");
    QCOMPARE(type->value(), 0);
  }
}

}  // namespace zarkel

QTEST_MAIN(zarkel::WindowShellTest)
#include "window_shell_test.moc"
