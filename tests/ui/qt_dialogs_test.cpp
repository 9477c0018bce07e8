// The real dialogs behind the Dialogs interface, answered by a timer that finds the modal
// dialog on screen, reads what it shows and presses its buttons.
#include "ui/qt_dialogs.h"

#include "ui/start_options.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "temp_dir.h"

namespace zarkel {

class QtDialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { SetUpApplication(*qApp); }
  void fileDialogShowsItsTitleFilterAndStartingPlace();
  void fileDialogReturnsTheChosenPathOrNothing();
  void messagesQuestionsAndErrorsUseTheirBoxes();

 private:
  // Runs `answer` on the next modal dialog that appears.
  template <typename Dialog>
  void WhenShown(std::function<void(Dialog*)> answer) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [timer, answer] {
      if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
        timer->stop();
        timer->deleteLater();
        answer(dialog);
      }
    });
    timer->start(10);
  }
};

void QtDialogsTest::fileDialogShowsItsTitleFilterAndStartingPlace() {
  testing::TempDir dir;
  QtDialogs dialogs;
  FileDialogMemory memory;
  memory.initialDirectory = dir.path().string();
  QString title;
  QStringList filters;
  QString directory;
  WhenShown<QFileDialog>([&](QFileDialog* dialog) {
    title = dialog->windowTitle();
    filters = dialog->nameFilters();
    directory = dialog->directory().absolutePath();
    dialog->reject();
  });
  QCOMPARE(dialogs.ChooseFile(FileDialogKind::Description, memory), std::nullopt);
  QCOMPARE(title, QStringLiteral("Select Decsription File for Orvane Scenario"));
  QCOMPARE(filters, QStringList{"des (*.des)"});
  QCOMPARE(directory, QString::fromStdString(dir.path().string()));
}

void QtDialogsTest::fileDialogReturnsTheChosenPathOrNothing() {
  testing::TempDir dir;
  const std::string chosen = (dir / "equip.eqp").string();
  QFile(QString::fromStdString(chosen)).open(QIODevice::WriteOnly);
  QtDialogs dialogs;
  // The file chosen last time is proposed again.
  FileDialogMemory memory;
  memory.initialDirectory = "/";
  memory.lastFile = chosen;
  QStringList proposed;
  WhenShown<QFileDialog>([&](QFileDialog* dialog) {
    proposed = dialog->selectedFiles();
    static_cast<QDialog*>(dialog)->accept();  // "Open" with the proposed file
  });
  QCOMPARE(dialogs.ChooseFile(FileDialogKind::Equipment, memory), std::optional(chosen));
  QCOMPARE(proposed, QStringList{QString::fromStdString(chosen)});
}

void QtDialogsTest::messagesQuestionsAndErrorsUseTheirBoxes() {
  QtDialogs dialogs;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString text;
  QString title;
  auto read = [&](QMessageBox* box) {
    icon = box->icon();
    text = box->text();
    title = box->windowTitle();
  };

  WhenShown<QMessageBox>([&](QMessageBox* box) {
    read(box);
    box->button(QMessageBox::Ok)->click();
  });
  dialogs.ShowMessage("Not Selectable");
  QCOMPARE(icon, QMessageBox::NoIcon);
  QCOMPARE(text, QStringLiteral("Not Selectable"));
  QCOMPARE(title, QStringLiteral("zarkel"));
  // No display name is set, which the desktop would add to every title ("Confirm — zarkel"):
  // without one, the display name follows the application's name.
  QCoreApplication::setApplicationName(QStringLiteral("renamed"));
  QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("renamed"));
  QCoreApplication::setApplicationName(QStringLiteral("zarkel"));

  // A question: Enter answers No (it asks before edits are dropped or a file converted).
  bool enterAnswersNo = false;
  WhenShown<QMessageBox>([&](QMessageBox* box) {
    read(box);
    enterAnswersNo = box->defaultButton() == box->button(QMessageBox::No);
    box->button(QMessageBox::No)->click();
  });
  QVERIFY(!dialogs.AskYesNo("Confirm", "Continue ?"));
  QVERIFY(enterAnswersNo);
  QCOMPARE(icon, QMessageBox::Question);
  QCOMPARE(title, QStringLiteral("Confirm"));
  WhenShown<QMessageBox>([&](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
  QVERIFY(dialogs.AskYesNo("Confirm", "Continue ?"));

  // The replace question: Enter keeps the files that are there.
  WhenShown<QMessageBox>([&](QMessageBox* box) {
    read(box);
    QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
    QTest::keyClick(box, Qt::Key_Return);
  });
  QVERIFY(!dialogs.AskReplace("\"OB.txt\" already exists in \"/tmp\". Replace it?"));
  QCOMPARE(icon, QMessageBox::Question);
  QCOMPARE(title, QStringLiteral("Replace"));
  QCOMPARE(text, QStringLiteral("\"OB.txt\" already exists in \"/tmp\". Replace it?"));
  WhenShown<QMessageBox>([&](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
  QVERIFY(dialogs.AskReplace("\"OB.txt\" already exists in \"/tmp\". Replace it?"));

  // A path in the error text keeps its characters; other bytes show one by one.
  WhenShown<QMessageBox>([&](QMessageBox* box) {
    read(box);
    box->button(QMessageBox::Ok)->click();
  });
  dialogs.ShowError(
      "\"/tmp/\xC3\x9C"
      "bung.scn\": File not found");
  QCOMPARE(icon, QMessageBox::Critical);
  QCOMPARE(title, QStringLiteral("zarkel"));
  QCOMPARE(text, QString::fromUtf8("\"/tmp/Übung.scn\": File not found"));
  QCOMPARE(MessageText("Caf\xE9"), QString::fromLatin1("Caf\xE9"));
}

}  // namespace zarkel

QTEST_MAIN(zarkel::QtDialogsTest)
#include "qt_dialogs_test.moc"
