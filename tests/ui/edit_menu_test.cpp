// The menu bar over the nine pages: Undo and Redo of the Edit menu, their keys beside the text
// edits' own undo, and the question before unwritten edits are dropped.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <memory>

#include "roster/unit_review.h"
#include "tabw1_fixture.h"

namespace zarkel {

using testing::Form;

class EditMenuTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    form_ = std::make_unique<Form>();
    f().OpenHomemade();
    f().Click("RadioButton3");  // Axis
  }
  void cleanup() {
    QCOMPARE(f().dialogs().errors, std::vector<std::string>{});
    form_.reset();
  }

  void theMenusNameTheirStepsAndGreyOutWhatHasNone();
  void ctrlZUndoesATransferButNotTheTextOfAFocusedEdit();
  void closingOrOpeningAsksBeforeDroppingUnwrittenEdits();
  void aLimitLeftWithTabIsAStepThatClosingAsksAboutAndUndoTakesBack();
  void closingWhileALimitIsStillTypedAsksToo();
  void closingWhileAUnitFieldIsTypedButNotAcceptedAsks();
  void undoKeysInALimitFieldNeverLeaveItAndTheScenarioDisagreeing();
  void undoKeysInAUnitFieldShowTheRestoredValue();

 private:
  Form& f() { return *form_; }
  QAction* Action(const char* name) { return f().Get<QAction>(name); }
  void TransferFirstCoreUnit() {
    f().ClickItem("ListBox2", 0);
    f().Click("Button2");
  }
  std::unique_ptr<Form> form_;
};

void EditMenuTest::theMenusNameTheirStepsAndGreyOutWhatHasNone() {
  QStringList titles;
  for (QAction* menu : f().window().menuBar()->actions())
    titles << menu->text();
  QCOMPARE(titles, (QStringList{"&File", "&Edit", "&Help"}));
  QCOMPARE(Action("AboutAction")->text(), QStringLiteral("About zarkel"));
  QCOMPARE(Action("UndoAction")->text(), QStringLiteral("Undo"));
  QVERIFY(!Action("UndoAction")->isEnabled() && !Action("RedoAction")->isEnabled());

  TransferFirstCoreUnit();
  f().ClickItem("ListBox1", 0);  // Panzer IV, now the first core unit
  f().SetText("Edit14", "9");
  f().Click("Button9");
  QCOMPARE(Action("UndoAction")->text(), QStringLiteral("Undo Change of Panzer IV"));
  QVERIFY(!Action("RedoAction")->isEnabled());

  // Undone with the Allies shown: the Axis come back, as they were opened.
  f().Click("RadioButton4");
  Action("UndoAction")->trigger();
  Action("UndoAction")->trigger();
  QVERIFY(f().Get<QRadioButton>("RadioButton3")->isChecked());
  f().ExpectAxisShown();
  QVERIFY(!Action("UndoAction")->isEnabled());
  QCOMPARE(Action("RedoAction")->text(), QStringLiteral("Redo Transfer of 1 unit to auxiliary"));
}

void EditMenuTest::ctrlZUndoesATransferButNotTheTextOfAFocusedEdit() {
  QVERIFY(QTest::qWaitForWindowActive(&f().window()));
  TransferFirstCoreUnit();
  auto* name = f().Get<QLineEdit>("Edit13");
  f().SetText("Edit13", "battle");
  name->setFocus();
  QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(name->text(), QStringLiteral("OB"));
  QCOMPARE(f().Lines("ListBox1"), (QStringList{"Panzer IV", "Pioneers"}));

  auto* list = f().Get<QWidget>("ListBox2");
  f().ShowPageOf("ListBox2");
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
  f().ExpectAxisShown();
  QTest::keyClick(list, Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(f().Lines("ListBox1"), (QStringList{"Panzer IV", "Pioneers"}));
}

void EditMenuTest::closingOrOpeningAsksBeforeDroppingUnwrittenEdits() {
  const std::pair<std::string, std::string> question{
      "zarkel", "The scenario has changes that were not written. Discard them?"};
  TransferFirstCoreUnit();
  f().dialogs().AnswerYesNo(false);
  QVERIFY(!f().window().close());
  f().dialogs().AnswerYesNo(false);
  f().Click("Button1");
  QCOMPARE(f().dialogs().questions, (std::vector{question, question}));
  QCOMPARE(f().Lines("ListBox1"), (QStringList{"Panzer IV", "Pioneers"}));  // kept

  // Undone back to the opened scenario, nothing is lost: nothing is asked.
  Action("UndoAction")->trigger();
  f().Click("Button1");
  QCOMPARE(f().dialogs().questions.size(), std::size_t{2});
  TransferFirstCoreUnit();
  f().dialogs().AnswerYesNo(true);
  f().Click("Button1");  // Yes: the scenario is opened again
  QVERIFY(!Action("UndoAction")->isEnabled());
  f().ExpectAxisShown();

  // Written, nothing is asked either.
  TransferFirstCoreUnit();
  f().GoTo("DirectoryListBox2", f().fixture().dir / "out");
  f().Click("RadioButton5");
  f().Click("Button5");
  // An edit made after the write and undone leaves the scenario as written. Were it asked, the
  // answer No would keep the window open.
  TransferFirstCoreUnit();
  Action("UndoAction")->trigger();
  f().dialogs().AnswerYesNo(false);
  QVERIFY(f().window().close());
  QCOMPARE(f().dialogs().questions.size(), std::size_t{3});
}

void EditMenuTest::aLimitLeftWithTabIsAStepThatClosingAsksAboutAndUndoTakesBack() {
  QVERIFY(QTest::qWaitForWindowActive(&f().window()));
  f().ShowPageOf("Edit9");  // "max axis core", 5 as opened
  auto* limit = f().Get<QLineEdit>("Edit9");
  limit->setFocus();
  limit->selectAll();
  QTest::keyClicks(limit, "50");
  QTest::keyClick(limit, Qt::Key_Tab);
  QVERIFY(!limit->hasFocus());
  QCOMPARE(Action("UndoAction")->text(), QStringLiteral("Undo Change of max axis core"));

  f().dialogs().AnswerYesNo(false);
  QVERIFY(!f().window().close());
  QCOMPARE(f().dialogs().questions.size(), std::size_t{1});
  QCOMPARE(limit->text(), QStringLiteral("50"));

  Action("UndoAction")->trigger();
  QCOMPARE(limit->text(), QStringLiteral("5"));
  QCOMPARE(Action("RedoAction")->text(), QStringLiteral("Redo Change of max axis core"));

  // Clicks on the type's arrows are one step together.
  auto* type = f().Get<QSpinBox>("battletype");
  type->stepDown();
  type->stepDown();
  QCOMPARE(type->value(), 0);
  QCOMPARE(Action("UndoAction")->text(), QStringLiteral("Undo Change of Type of Scenario"));
  Action("UndoAction")->trigger();
  QCOMPARE(type->value(), 2);
  QVERIFY(!Action("UndoAction")->isEnabled());
  QVERIFY(f().window().close());  // nothing left unwritten: nothing asked
  QCOMPARE(f().dialogs().questions.size(), std::size_t{1});
}

void EditMenuTest::closingWhileALimitIsStillTypedAsksToo() {
  QVERIFY(QTest::qWaitForWindowActive(&f().window()));
  f().ShowPageOf("Edit11");
  auto* limit = f().Get<QLineEdit>("Edit11");
  limit->setFocus();
  limit->selectAll();
  QTest::keyClicks(limit, "9");
  QVERIFY(limit->hasFocus());
  f().dialogs().AnswerYesNo(false);
  QVERIFY(!f().window().close());
  QCOMPARE(f().dialogs().questions.size(), std::size_t{1});
  QCOMPARE(Action("UndoAction")->text(), QStringLiteral("Undo Change of max allied core"));
}

void EditMenuTest::closingWhileAUnitFieldIsTypedButNotAcceptedAsks() {
  f().ClickItem("ListBox1", 0);
  const QString column = f().Text("Edit14");
  f().SetText("Edit14", "9");
  f().dialogs().AnswerYesNo(false);
  QVERIFY(!f().window().close());
  QCOMPARE(f().dialogs().questions.size(), std::size_t{1});
  QCOMPARE(f().Text("Edit14"), QStringLiteral("9"));  // kept
  // "Open File" asks as well.
  f().dialogs().AnswerYesNo(false);
  f().Click("Button1");
  QCOMPARE(f().dialogs().questions.size(), std::size_t{2});

  // The unit reviewed again shows what it holds: nothing is left unwritten.
  f().ClickItem("ListBox1", 0);
  QCOMPARE(f().Text("Edit14"), column);
  QVERIFY(f().window().close());
  QCOMPARE(f().dialogs().questions.size(), std::size_t{2});
}

void EditMenuTest::undoKeysInALimitFieldNeverLeaveItAndTheScenarioDisagreeing() {
  QVERIFY(QTest::qWaitForWindowActive(&f().window()));
  f().ShowPageOf("Edit9");  // "max axis core", 5 as opened
  auto* limit = f().Get<QLineEdit>("Edit9");
  const auto held = [&] { return f().window().session().limitTexts()[kAxisCoreMax]; };
  limit->setFocus();
  limit->selectAll();
  QTest::keyClicks(limit, "50");
  QTest::keyClick(limit, Qt::Key_Return);  // a step
  QCOMPARE(held(), std::string("50"));
  QVERIFY(limit->hasFocus());

  // Nothing typed since: the keys are the menu's, and the field shows what they restore.
  QTest::keyClick(limit, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(held(), std::string("5"));
  QCOMPARE(limit->text(), QStringLiteral("5"));
  QVERIFY(!Action("UndoAction")->isEnabled());
  QTest::keyClick(limit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(held(), std::string("50"));
  QCOMPARE(limit->text(), QStringLiteral("50"));
  QTest::keyClick(limit, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(limit, Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(held(), std::string("50"));
  QCOMPARE(limit->text(), QStringLiteral("50"));

  // Typing not yet a step: the keys take back the typing and leave the history alone.
  limit->end(false);
  QTest::keyClicks(limit, "7");
  QCOMPARE(limit->text(), QStringLiteral("507"));
  QTest::keyClick(limit, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(limit->text(), QStringLiteral("50"));
  QCOMPARE(held(), std::string("50"));
  QCOMPARE(Action("UndoAction")->text(), QStringLiteral("Undo Change of max axis core"));
  QTest::keyClick(limit, Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(limit->text(), QStringLiteral("507"));
  QCOMPARE(held(), std::string("50"));
}

void EditMenuTest::undoKeysInAUnitFieldShowTheRestoredValue() {
  QVERIFY(QTest::qWaitForWindowActive(&f().window()));
  f().ClickItem("ListBox1", 0);
  const QString experience = f().Text("Edit21");
  const auto stored = [&] {
    const std::optional<std::int32_t> line = 0;
    return QString::fromStdString(
        ReviewUnit(f().window().state(), UnitPage::Core, line).value_or(ReviewFields{}).experience);
  };
  f().SetText("Edit21", "9");
  f().Click("Button9");
  QCOMPARE(stored(), QStringLiteral("9"));
  f().ClickItem("ListBox1", 0);  // reviewed again after the accept's refresh
  auto* field = f().Get<QLineEdit>("Edit21");
  field->setFocus();
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(stored(), experience);
  QCOMPARE(field->text(), experience);
  QVERIFY(field->hasFocus());
  QTest::keyClick(field, Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(stored(), QStringLiteral("9"));
  QCOMPARE(field->text(), QStringLiteral("9"));
  // Typed and not accepted: the typing is taken back, the unit keeps its 9.
  field->selectAll();
  QTest::keyClicks(field, "4");
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(field->text(), QStringLiteral("9"));
  QCOMPARE(stored(), QStringLiteral("9"));
}

}  // namespace zarkel

QTEST_MAIN(zarkel::EditMenuTest)
#include "edit_menu_test.moc"
