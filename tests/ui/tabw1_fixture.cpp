#include "tabw1_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QtTest>

#include "ui/directory_list.h"

namespace zarkel::testing {

namespace {

// Equipment ids up to 989, so that a transport id of 989 still names equipment.
constexpr int kEquipmentCount = 990;

ScenarioPlan Units(Layout layout) {
  ScenarioPlan plan;
  plan.layout = layout;
  UnitPlan grenadiers;
  grenadiers.name = "Grenadiers";
  grenadiers.equipmentId = 0;  // Infantry
  grenadiers.experience = 0;
  grenadiers.landTransportId = 989;
  plan.Place(grenadiers);
  UnitPlan panzer;
  panzer.name = "Panzer IV";
  panzer.equipmentId = 1;  // Tank
  panzer.experience = 3;
  panzer.orderNumber = 1;
  plan.Place(panzer);
  UnitPlan pioneers;
  pioneers.name = "Pioneers";
  pioneers.equipmentId = 0;
  pioneers.experience = 2;
  pioneers.column = 256;  // not placed
  pioneers.orderNumber = 2;
  plan.Place(pioneers);
  UnitPlan flak;
  flak.name = "Flak 88";
  flak.equipmentId = 5;  // Anti-aircraft
  flak.experience = 12;
  flak.row = 300;  // not placed
  flak.orderNumber = 80;
  plan.Place(flak);
  UnitPlan destroyer;
  destroyer.name = "Destroyer Z1";
  destroyer.equipmentId = 9;  // Destroyer
  destroyer.experience = 1;
  destroyer.navalTransportId = 989;
  destroyer.orderNumber = 81;
  plan.Place(destroyer);
  UnitPlan rifles;
  rifles.name = "Rifles";
  rifles.side = 1;
  rifles.equipmentId = 0;
  rifles.experience = 4;
  rifles.country = 28;
  plan.Place(rifles);
  UnitPlan shermans;
  shermans.name = "Shermans";
  shermans.side = 1;
  shermans.equipmentId = 1;
  shermans.experience = 5;
  shermans.orderNumber = 80;
  shermans.country = 28;
  plan.Place(shermans);
  return plan;
}

}  // namespace

Form::Form() {
  std::vector<std::uint8_t> classes;
  std::vector<std::string> names;
  for (int i = 0; i < kEquipmentCount; ++i) {
    classes.push_back(static_cast<std::uint8_t>(i % 20));
    names.push_back("Eq" + std::to_string(i));
  }
  WriteFileBytes(fixture_.equipmentPath, BuildEquipmentFile(classes));
  WriteFileText(fixture_.namesPath, JoinLines(names));

  ScenarioPlan original = Units(Layout::Original);
  original.limits = {11, 12, 13, 14, 15, 16, 17, 255};
  fixture_.WriteScenario(original, "orig.scn");
  ScenarioPlan homemade = Units(Layout::Homemade);
  homemade.battleType = 2;
  homemade.limits = {0, 1, 2, 3, 4, 5, 6, 7};
  homemade.placeNames = {"Bastogne", "Arnhem"};
  homemade.description = "A winter battle.";
  homemade.title = "Ardennes";
  fixture_.WriteScenario(homemade, "home.scn");
  WriteFileText(fixture_.dir / "sorig.tst", JoinLines({"Bastogne", "Arnhem"}));
  WriteFileText(fixture_.dir / "orig.tit", "Ardennes");
  WriteFileText(fixture_.dir / "orig.des", "A winter battle.");
  std::filesystem::create_directory(fixture_.dir / "out");

  window_ = std::make_unique<TForm1>(startDialogs_);
  window_->show();
  if (!QTest::qWaitForWindowExposed(window_.get()))
    throw std::runtime_error("the window did not show");
}

Form::~Form() = default;

QString Form::Text(const char* name) {
  QWidget* widget = Get<QWidget>(name);
  if (auto* label = qobject_cast<QLabel*>(widget))
    return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(widget))
    return edit->text();
  throw std::logic_error(std::string("no text in ") + name);
}

QStringList Form::Lines(const char* list) {
  QStringList lines;
  const QListWidget* widget = Get<QListWidget>(list);
  for (int i = 0; i < widget->count(); ++i)
    lines << widget->item(i)->text();
  return lines;
}

void Form::ShowPageOf(const char* name) {
  auto* pages = Get<QTabWidget>("PageControl1");
  for (QWidget* w = Get<QWidget>(name); w != nullptr; w = w->parentWidget()) {
    const int index = pages->indexOf(w);
    if (index >= 0) {
      pages->setCurrentIndex(index);
      return;
    }
  }
}

void Form::Click(const char* name) {
  ShowPageOf(name);
  // Near the left edge, where a radio button has its indicator whatever its width.
  QWidget* widget = Get<QWidget>(name);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier,
                    QPoint(std::min(8, widget->width() / 2), widget->height() / 2));
}

void Form::ClickWidget(const char* name) {
  ShowPageOf(name);
  QWidget* widget = Get<QWidget>(name);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void Form::ClickItem(const char* list, int row, Qt::KeyboardModifiers modifiers) {
  ShowPageOf(list);
  QListWidget* widget = Get<QListWidget>(list);
  QListWidgetItem* item = widget->item(row);
  if (item == nullptr)
    throw std::logic_error(std::string("no line ") + std::to_string(row) + " in " + list);
  widget->scrollToItem(item);
  QTest::mouseClick(widget->viewport(), Qt::LeftButton, modifiers,
                    widget->visualItemRect(item).center());
}

void Form::SetText(const char* edit, const char* text) {
  ShowPageOf(edit);
  auto* widget = Get<QLineEdit>(edit);
  widget->selectAll();
  QTest::keyClicks(widget, QString::fromLatin1(text));
  if (text[0] == '\0')
    widget->clear();
}

void Form::GoTo(const char* directoryList, const std::filesystem::path& path) {
  ShowPageOf(directoryList);
  Get<DirectoryList>(directoryList)->setDirectory(QString::fromStdString(path.string()));
}

void Form::ChooseFile(const char* file) {
  const QStringList files = Lines("FileListBox1");
  const int row = static_cast<int>(files.indexOf(QString::fromUtf8(file)));
  if (row < 0)
    throw std::logic_error(std::string("no file ") + file + " listed");
  ClickItem("FileListBox1", row);
}

void Form::GoToScenarioDirectory() {
  GoTo("DirectoryListBox1", fixture_.dir.path());
}

void Form::OpenOriginal() {
  Open("orig.scn", "RadioButton2");
}
void Form::OpenHomemade() {
  Open("home.scn", "RadioButton1");
}

void Form::Open(const char* file, const char* layoutButton) {
  GoToScenarioDirectory();
  ChooseFile(file);
  Click(layoutButton);
  if (!window_->state().equipment.equipmentLoaded) {
    dialogs().Answer(FileDialogKind::Equipment, fixture_.equipmentPath);
    dialogs().Answer(FileDialogKind::EquipmentNames, fixture_.namesPath);
  }
  Click("Button1");
}

void Form::ExpectAxisShown() {
  QCOMPARE(Lines("ListBox1"), (QStringList{"Grenadiers", "Panzer IV", "Pioneers"}));
  QCOMPARE(Lines("ListBox2"),
           (QStringList{"       Grenadiers", "3      Panzer IV", "2      Pioneers"}));
  QCOMPARE(Lines("ListBox3"), (QStringList{"12      Flak 88", "1      Destroyer Z1"}));
  QCOMPARE(Lines("ListBox4"), (QStringList{"Flak 88", "Destroyer Z1"}));
  QCOMPARE(Lines("ListBox5"), QStringList{"Pioneers"});
  QCOMPARE(Lines("ListBox6"), QStringList{"Flak 88"});
  QCOMPARE(Text("Label127"), QStringLiteral("2"));
  QCOMPARE(Text("Label128"), QStringLiteral("1"));
  QCOMPARE(Text("Label132"), QString());  // auxiliary units are not counted
  QCOMPARE(Text("Label78"), QStringLiteral("3.60"));
  QCOMPARE(Text("Label80"), QStringLiteral("4"));
  QCOMPARE(Text("Label83"), QStringLiteral("4.50"));
  QCOMPARE(Text("Label84"), QStringLiteral("5"));
  QCOMPARE(Text("Label95"), QStringLiteral("3.60"));
  QCOMPARE(Text("Label96"), QStringLiteral("4"));
  QCOMPARE(Text("Label91"), QStringLiteral("3.60"));
  QCOMPARE(Text("Label92"), QStringLiteral("4"));
  QCOMPARE(Text("Label85"), QStringLiteral("  Axis"));
}

}  // namespace zarkel::testing
