// The order of battle in the spreadsheet form and its import, in the window: the check box beside
// "Write OB", "Import OB…" in the File menu and on the OB's page, the status line, Undo and Redo.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QtTest>
#include <memory>

#include "tabw1_fixture.h"

namespace zarkel {

using testing::Form;

class ObImportWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    form_ = std::make_unique<Form>();
    f().OpenHomemade();
    f().Click("RadioButton3");  // Axis
  }
  void cleanup() { form_.reset(); }

  void theCheckBoxWritesTheSpreadsheetFormAndNamesItsExtension();
  void anImportIsOneStepThatUndoTakesBackOnTheSideShown();
  void aRefusedOrCancelledImportChangesNothing();

 private:
  Form& f() { return *form_; }
  std::filesystem::path Out() { return f().fixture().dir / "out"; }
  QString Message() { return f().window().statusBar()->currentMessage(); }
  QAction* Action(const char* name) { return f().Get<QAction>(name); }
  // "Write OB" with the spreadsheet form checked: out/OB.csv.
  std::string WriteSheet() {
    f().GoTo("DirectoryListBox3", Out());
    f().Click("ObSpreadsheetCheck");
    f().Click("Button4");
    const testing::Bytes bytes = testing::ReadFileBytes(Out() / "OB.csv");
    return std::string(bytes.begin(), bytes.end());
  }
  // `sheet` with the line that holds `name` given `from` replaced by `to`.
  static std::string Changed(std::string sheet, const std::string& name, const std::string& from,
                             const std::string& to) {
    const std::size_t line = sheet.find("," + name + ",");
    const std::size_t at = sheet.find(from, sheet.rfind('\n', line));
    if (line == std::string::npos || at == std::string::npos || at > sheet.find('\n', line))
      throw std::logic_error("no " + from + " on the line of " + name);
    return sheet.replace(at, from.size(), to);
  }
  std::unique_ptr<Form> form_;
};

void ObImportWindowTest::theCheckBoxWritesTheSpreadsheetFormAndNamesItsExtension() {
  auto* box = f().Get<QCheckBox>("ObSpreadsheetCheck");
  QVERIFY(!box->isChecked());
  const QString txtCaption =
      QStringLiteral("Name of OB file (  .txt extension added automatically)");

  const std::string sheet = WriteSheet();
  QVERIFY(box->isChecked());
  QCOMPARE(sheet.substr(0, 3), std::string("\xEF\xBB\xBF"));
  QVERIFY(sheet.find("Side,Position,Class,Name") == 3);
  QVERIFY(sheet.find(",Grenadiers,") != std::string::npos);
  QVERIFY(!std::filesystem::exists(Out() / "OB.txt"));
  QVERIFY(Message().startsWith(QStringLiteral("Wrote OB.csv in ")));
  QCOMPARE(ObNameCaption(true),
           QStringLiteral("Name of OB file (  .csv extension added automatically)"));
  QCOMPARE(ObNameCaption(false), txtCaption);
  // The caption over the name follows the check box.
  bool csvShown = false;
  for (QLabel* label : f().window().findChildren<QLabel*>())
    csvShown = csvShown || label->text() == ObNameCaption(true);
  QVERIFY(csvShown);

  f().Click("ObSpreadsheetCheck");  // off again: "Write OB" as it always was
  f().Click("Button4");
  QVERIFY(std::filesystem::exists(Out() / "OB.txt"));
  bool txtShown = false;
  for (QLabel* label : f().window().findChildren<QLabel*>()) {
    QVERIFY(label->text() != ObNameCaption(true));
    txtShown = txtShown || label->text() == txtCaption;
  }
  QVERIFY(txtShown);
  QCOMPARE(f().dialogs().errors, std::vector<std::string>{});
}

void ObImportWindowTest::anImportIsOneStepThatUndoTakesBackOnTheSideShown() {
  QStringList titles;
  for (QAction* menu : f().window().menuBar()->actions())
    titles << menu->text();
  QCOMPARE(titles, (QStringList{"&File", "&Edit", "&Help"}));
  QCOMPARE(Action("ImportObAction")->text(), QStringLiteral("Import OB\u2026"));

  // Imported unchanged from the File menu: said so, no step.
  const std::string sheet = WriteSheet();
  f().dialogs().Answer(FileDialogKind::OrderOfBattle, (Out() / "OB.csv").string());
  Action("ImportObAction")->trigger();
  QCOMPARE(Message(), QStringLiteral("Importing \"OB.csv\" changes nothing"));
  QVERIFY(!Action("UndoAction")->isEnabled());

  // Grenadiers (Axis) to auxiliary, the Shermans (Allies) given experience 2, from the page.
  const std::string edited =
      Changed(Changed(sheet, "Grenadiers", ",Core,", ",Aux,"), "Shermans", ",5\r\n", ",2\r\n");
  testing::WriteFileText(Out() / "edited.csv", edited);
  f().dialogs().Answer(FileDialogKind::OrderOfBattle, (Out() / "edited.csv").string());
  f().Click("ImportObButton");
  QCOMPARE(Message(), QStringLiteral("Imported \"edited.csv\": 1 unit moved to auxiliary, 1 "
                                     "experience change"));
  QVERIFY(f().Lines("ListBox4").contains(QStringLiteral("Grenadiers")));
  QVERIFY(!f().Lines("ListBox1").contains(QStringLiteral("Grenadiers")));
  QCOMPARE(Action("UndoAction")->text(), QStringLiteral("Undo Import of edited.csv"));

  // Undone with the Allies shown: both sides as they were, the Allies still shown.
  f().Click("RadioButton4");
  Action("UndoAction")->trigger();
  QVERIFY(f().Get<QRadioButton>("RadioButton4")->isChecked());
  QCOMPARE(Message(), QStringLiteral("Undid: Import of edited.csv"));
  for (const UnitRecord& unit : f().window().state().scenario.units) {
    if (unit.ShownName() == "Shermans")
      QCOMPARE(int(unit.experience()), 5);
  }
  f().Click("RadioButton3");
  f().ExpectAxisShown();

  Action("RedoAction")->trigger();
  QVERIFY(f().Get<QRadioButton>("RadioButton3")->isChecked());
  QVERIFY(f().Lines("ListBox4").contains(QStringLiteral("Grenadiers")));
  QCOMPARE(f().dialogs().errors, std::vector<std::string>{});
}

void ObImportWindowTest::aRefusedOrCancelledImportChangesNothing() {
  const std::string sheet = WriteSheet();
  testing::WriteFileText(Out() / "wrong.csv",
                         Changed(Changed(sheet, "Grenadiers", ",Core,", ",Aux,"), "Grenadiers",
                                 ",Grenadiers,", ",Grenadiers 2,"));
  f().dialogs().Answer(FileDialogKind::OrderOfBattle, (Out() / "wrong.csv").string());
  f().Click("ImportObButton");
  QCOMPARE(f().dialogs().errors.size(), std::size_t{1});
  QVERIFY(f().dialogs().errors[0].rfind("Cannot import \"wrong.csv\"; nothing was changed:\nline ",
                                        0) == 0);
  QVERIFY(!Action("UndoAction")->isEnabled());
  f().ExpectAxisShown();

  f().dialogs().Answer(FileDialogKind::OrderOfBattle, std::nullopt);
  Action("ImportObAction")->trigger();
  QCOMPARE(f().dialogs().errors.size(), std::size_t{1});
  QVERIFY(!Action("UndoAction")->isEnabled());
  f().ExpectAxisShown();
}

}  // namespace zarkel

QTEST_MAIN(zarkel::ObImportWindowTest)
#include "ob_import_window_test.moc"
