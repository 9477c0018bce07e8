// The "Map" page driven offscreen: counters on their hexes, a drag as "Accept Changes", the fit,
// and the picture written from the command line.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTreeWidget>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "tabw1_fixture.h"
#include "ui/map_command.h"
#include "ui/map_page.h"
#include "ui/map_qt.h"
#include "ui/map_renderer.h"
#include "ui/map_view.h"

namespace zarkel {

using testing::Form;

class MapPageTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup() {
    QCOMPARE(form_->dialogs().errors, std::vector<std::string>{});
    QCOMPARE(form_->dialogs().messages, std::vector<std::string>{});
    form_.reset();
  }

  void countersStandOnTheirHexes();
  void aDragIsAcceptChangesAndADropOffTheMapChangesNothing();
  void fitShowsTheWholeMap();
  void savePictureWritesThePngChosen();
  void savePictureRefusesEveryFileInUseBeforeAsking();
  void savesTheMapFromTheCommandLine();
  void theMapFromTheCommandLineRefusesEveryFileInUse();
  void withoutEquipmentTheCheckSaysWhatItLeftOut();
  void theRimsAndSmallAuxiliariesFollowTheSidesColours();

 private:
  MapView* View() { return form_->Get<MapView>("MapView"); }
  QPoint At(Hex hex) { return ToQt(View()->geometry().Centre(hex)).toPoint(); }
  QRgb Pixel(Hex hex) { return View()->grab().toImage().pixel(At(hex)); }
  const UnitRecord& Unit(int index) { return form_->window().state().scenario.units.at(index); }
  void Drag(QPoint from, QPoint to) {
    QTest::mousePress(View(), Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 4; ++step)
      QTest::mouseMove(View(), from + (to - from) * step / 4);
    QTest::mouseRelease(View(), Qt::LeftButton, Qt::NoModifier, to);
  }

  // The six files in use once "orig.scn" (Original) is open, with what a refusal calls them.
  std::vector<std::pair<std::filesystem::path, std::string>> FilesInUse() {
    const std::filesystem::path dir = form_->fixture().dir.path();
    return {{dir / "orig.scn", "the opened scenario"},
            {dir / "sorig.tst", "the place-name file of the opened scenario"},
            {dir / "orig.tit", "the title file of the opened scenario"},
            {dir / "orig.des", "the description file of the opened scenario"},
            {form_->fixture().equipmentPath, "the equipment file in use"},
            {form_->fixture().namesPath, "the equipment-name file in use"}};
  }

  std::unique_ptr<Form> form_;
};

// A 6 x 5 map: Axis "Grenadiers" (UnitTable 1) at column 1, row 2, "Panzer" (3) at 4, 0 and
// "Reserve" (4) not placed; Allied "Rifles" (2) at 3, 3 and "Flak" (5), auxiliary, at 0, 4.
void MapPageTest::init() {
  form_ = std::make_unique<Form>();
  testing::ScenarioPlan plan;
  plan.layout = testing::Layout::Homemade;
  plan.mapSizeA = 6;
  plan.mapSizeB = 5;
  auto unit = [&plan](const char* name, int side, int order, int column, int row) {
    testing::UnitPlan u = testing::NamedUnit(name, side, order);
    u.column = static_cast<std::uint16_t>(column);
    u.row = static_cast<std::uint16_t>(row);
    plan.Place(u);
  };
  unit("Grenadiers", 0, 0, 1, 2);
  unit("Rifles", 1, 0, 3, 3);
  unit("Panzer", 0, 1, 4, 0);
  unit("Flak", 1, 80, 0, 4);
  unit("Reserve", 0, 2, 256, 0);
  form_->fixture().WriteScenario(plan, "map.scn");

  TForm1& window = form_->window();
  window.PickScenarioFile(QString::fromStdString((form_->fixture().dir / "map.scn").string()));
  window.CheckLayout(ScenarioLayout::Homemade);
  form_->dialogs().Answer(FileDialogKind::Equipment, form_->fixture().equipmentPath);
  form_->dialogs().Answer(FileDialogKind::EquipmentNames, form_->fixture().namesPath);
  window.PressOpenFile();
  form_->Click("RadioButton3");  // Axis
  form_->ShowPageOf("MapView");
  form_->Click("MapFit");
}

void MapPageTest::countersStandOnTheirHexes() {
  QCOMPARE(Pixel(Hex{1, 2}), SideColour(0).rgb());
  QCOMPARE(Pixel(Hex{2, 2}), PaperColour().rgb());
  // The other side's counters are dimmed.
  const QRgb rifles = Pixel(Hex{3, 3});
  QVERIFY(rifles != SideColour(1).rgb() && rifles != PaperColour().rgb());

  // The even columns half a hex lower: the counter goes with its hex.
  const double odd = View()->geometry().Centre(Hex{1, 2}).y;
  form_->Click("MapEvenColumnsLow");
  QCOMPARE(View()->geometry().Centre(Hex{1, 2}).y, odd - View()->geometry().height() / 2);
  QCOMPARE(Pixel(Hex{1, 2}), SideColour(0).rgb());

  QTest::mouseMove(View(), At(Hex{3, 3}));
  QCOMPARE(form_->Text("MapHex"), QStringLiteral("Column 3, Row 3"));
  const QTreeWidgetItem* axis = form_->Get<QTreeWidget>("MapUnplaced")->topLevelItem(0);
  QCOMPARE(axis->text(0), QStringLiteral("Axis (1)"));
  QCOMPARE(axis->child(0)->text(0), QStringLiteral("Reserve (core)"));
  QCOMPARE(form_->Lines("MapFindings"), QStringList{"No findings."});

  // The check reads the limits as typed, each time the page is shown.
  form_->SetText("Edit9", "1");
  form_->ShowPageOf("MapView");
  QCOMPARE(form_->Lines("MapFindings"),
           QStringList{"The limit \"max axis core\" is 1, but Axis has 3 core units."});
}

void MapPageTest::aDragIsAcceptChangesAndADropOffTheMapChangesNothing() {
  // A click chooses the unit's line, which reviews it.
  QTest::mouseClick(View(), Qt::LeftButton, Qt::NoModifier, At(Hex{4, 0}));
  QCOMPARE(form_->Get<QListWidget>("ListBox1")->currentRow(), 1);
  QCOMPARE(form_->Text("Label26"), QStringLiteral("Panzer"));

  int refreshes = 0;
  const std::int32_t counting = form_->window().session().Subscribe(
      [&refreshes](const SessionChange& change) { refreshes += change.rosters ? 1 : 0; });
  Drag(At(Hex{1, 2}), At(Hex{3, 3}));
  QCOMPARE(refreshes, 1);
  QCOMPARE(Unit(1).columnLow(), 3);
  QCOMPARE(Unit(1).rowLow(), 3);
  QVERIFY(!Unit(1).IsUnused());
  QCOMPARE(form_->window().statusBar()->currentMessage(),
           QStringLiteral("Moved \"Grenadiers\" to column 3, row 3"));
  // The refresh that ends "Accept Changes": review fields empty, the check follows.
  QCOMPARE(form_->Text("Edit14"), QString());
  QCOMPARE(form_->Text("Label26"), QString());
  QCOMPARE(form_->Lines("MapFindings"),
           QStringList{"\"Grenadiers\" (Axis, core line 1) and \"Rifles\" (Allies, core line 1) "
                       "share column 3, row 3, and neither is an air unit."});
  QCOMPARE(Pixel(Hex{1, 2}), PaperColour().rgb());
  // Both counters of the hex show: the first towards the top left, the second (dimmed) on it.
  const QImage image = View()->grab().toImage();
  const MapContent& content = View()->content();
  const auto stack = std::find_if(content.counters.begin(), content.counters.end(),
                                  [](const MapCounter& c) { return c.stackSize == 2; });
  QVERIFY(stack != content.counters.end() && stack->unitIndex == 1);
  const QRectF first = ToQt(CounterRect(View()->geometry(), stack[0]));
  QCOMPARE(image.pixel(first.topLeft().toPoint() + QPoint(3, 3)), SideColour(0).rgb());
  const QRgb second = image.pixel(
      ToQt(CounterRect(View()->geometry(), stack[1])).bottomRight().toPoint() - QPoint(3, 3));
  QVERIFY(second != PaperColour().rgb() && second != SideColour(0).rgb());

  // Off the map, and a counter of the side not chosen: nothing moves, nothing is refreshed.
  const UnitTable before = form_->window().state().scenario.units;
  Drag(At(Hex{4, 0}), QPoint(1, 1));
  Drag(At(Hex{0, 4}), At(Hex{2, 2}));
  QCOMPARE(refreshes, 1);
  form_->window().session().Unsubscribe(counting);
  const UnitTable& after = form_->window().state().scenario.units;
  for (int i = 1; i <= before.size(); ++i)
    QVERIFY(before.at(i).bytes == after.at(i).bytes);

  // The drag was one step of the edit history: undone, the counter is back on its hex.
  form_->window().Undo();
  QCOMPARE(Unit(1).columnLow(), 1);
  QCOMPARE(Unit(1).rowLow(), 2);
  QCOMPARE(Pixel(Hex{1, 2}), SideColour(0).rgb());
}

void MapPageTest::fitShowsTheWholeMap() {
  MapView* view = View();
  const double fitted = view->geometry().radius();
  QTest::keyClick(&form_->window(), Qt::Key_Plus, Qt::ControlModifier);
  QWheelEvent wheel(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 240),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view, &wheel);
  QVERIFY(view->geometry().radius() > fitted * 1.9);
  QVERIFY(!QRectF(view->rect()).contains(ToQt(view->geometry().Bounds())));

  form_->Click("MapFit");
  const QRectF bounds = ToQt(view->geometry().Bounds());
  QVERIFY(QRectF(view->rect()).contains(bounds));
  QVERIFY(bounds.width() > view->width() * 0.9 || bounds.height() > view->height() * 0.9);
}

void MapPageTest::savePictureWritesThePngChosen() {
  const std::filesystem::path out = form_->fixture().dir / "out";
  auto* page = form_->Get<MapPage>("MapPage");
  QString proposed;
  QString answer = QString::fromStdString((out / "front").string());
  page->SetPictureFileChooser([&](QWidget*, const QString& name) {
    proposed = name;
    return answer;
  });
  form_->Click("MapSavePicture");
  QCOMPARE(proposed, QString::fromStdString((form_->fixture().dir / "map.png").string()));
  QVERIFY(!QImage(QString::fromStdString((out / "front.png").string())).isNull());
  QCOMPARE(form_->window().statusBar()->currentMessage(),
           "Wrote front.png in \"" + QString::fromStdString(out.string()) + "\"");

  // A folder that is not there: the error box, and no file.
  answer = QString::fromStdString((out / "gone" / "front.png").string());
  form_->Click("MapSavePicture");
  QCOMPARE(form_->dialogs().errors.size(), std::size_t{1});
  form_->dialogs().errors.clear();
  QCOMPARE(testing::Snapshot(out).size(), std::size_t{1});
}

void MapPageTest::savePictureRefusesEveryFileInUseBeforeAsking() {
  form_->OpenOriginal();
  form_->ShowPageOf("MapView");
  auto* page = form_->Get<MapPage>("MapPage");
  std::filesystem::path answer;
  page->SetPictureFileChooser(
      [&](QWidget*, const QString&) { return QString::fromStdString(answer.string()); });
  const auto before = testing::Snapshot(form_->fixture().dir.path());
  for (const auto& [path, what] : FilesInUse()) {
    answer = path;
    form_->Click("MapSavePicture");
    QCOMPARE(form_->dialogs().errors,
             std::vector<std::string>{"Cannot write \"" + path.string() + "\": it is " + what +
                                      ". Choose another name or folder."});
    form_->dialogs().errors.clear();
  }
  QVERIFY(form_->dialogs().questions.empty());
  QVERIFY(testing::Snapshot(form_->fixture().dir.path()) == before);

  // Any other file there is replaced only when the user says so.
  answer = form_->fixture().dir / "home.scn";
  const std::string question = "\"home.scn\" already exists in \"" +
                               form_->fixture().dir.path().string() + "\". Replace it?";
  form_->dialogs().AnswerReplace(false);
  form_->Click("MapSavePicture");
  QVERIFY(testing::Snapshot(form_->fixture().dir.path()) == before);
  form_->dialogs().AnswerReplace(true);
  form_->Click("MapSavePicture");
  QVERIFY(!QImage(QString::fromStdString(answer.string())).isNull());
  QVERIFY((form_->dialogs().replaceQuestions == std::vector{question, question}));
  QVERIFY(form_->dialogs().questions.empty());
}

void MapPageTest::savesTheMapFromTheCommandLine() {
  const std::filesystem::path dir = form_->fixture().dir.path();
  const QString scenario = QString::fromStdString((dir / "map.scn").string());
  const QString picture = QString::fromStdString((dir / "out" / "map.png").string());
  const StartCommandLine line =
      ReadStartOptions({"zarkel", scenario, "--layout", "homemade", "--equipment",
                        QString::fromStdString(form_->fixture().equipmentPath), "--save-map",
                        picture, "--width", "300"});
  QVERIFY(line.options.has_value());
  QCOMPARE(SaveMapFromCommandLine(*line.options), 0);
  const QImage image(picture);
  QCOMPARE(image.width(), 300);
  QVERIFY(image.height() > 0);

  // A picture there already is kept without --replace, and replaced with it.
  const auto written = testing::Snapshot(dir / "out");
  QCOMPARE(SaveMapFromCommandLine(*line.options), 1);
  QVERIFY(testing::Snapshot(dir / "out") == written);
  const StartCommandLine replacing =
      ReadStartOptions({"zarkel", scenario, "--layout", "homemade", "--equipment",
                        QString::fromStdString(form_->fixture().equipmentPath), "--save-map",
                        picture, "--width", "200", "--replace"});
  QVERIFY(replacing.options.has_value() && replacing.options->replace);
  QCOMPARE(SaveMapFromCommandLine(*replacing.options), 0);
  QCOMPARE(QImage(picture).width(), 200);
  QCOMPARE(ReadStartOptions({"zarkel", "--replace"}).exitCode, 2);

  StartOptions missing = *line.options;
  missing.saveMap = QString::fromStdString((dir / "gone" / "map.png").string());
  QCOMPARE(SaveMapFromCommandLine(missing), 1);
  QCOMPARE(testing::Snapshot(dir / "out").size(), std::size_t{1});
  QVERIFY(!std::filesystem::exists(dir / "gone"));

  QCOMPARE(ReadStartOptions({"zarkel", scenario, "--save-map", picture}).exitCode, 2);
  QCOMPARE(ReadStartOptions(
               {"zarkel", scenario, "--layout", "homemade", "--save-map", picture, "--width", "10"})
               .exitCode,
           2);
}

void MapPageTest::theMapFromTheCommandLineRefusesEveryFileInUse() {
  const std::filesystem::path dir = form_->fixture().dir.path();
  StartOptions options;
  options.scenario = QString::fromStdString((dir / "orig.scn").string());
  options.layout = ScenarioLayout::Original;
  options.equipment = QString::fromStdString(form_->fixture().equipmentPath);
  options.names = QString::fromStdString(form_->fixture().namesPath);
  const auto before = testing::Snapshot(dir);
  for (const auto& [path, what] : FilesInUse()) {
    options.saveMap = QString::fromStdString(path.string());
    QCOMPARE(SaveMapFromCommandLine(options), 1);
    QVERIFY2(testing::Snapshot(dir) == before, what.c_str());
  }
}

void MapPageTest::withoutEquipmentTheCheckSaysWhatItLeftOut() {
  // A window whose equipment dialogs were cancelled: no unit is known to be an air unit or not.
  form_ = std::make_unique<Form>();
  form_->window().PickScenarioFile(
      QString::fromStdString((form_->fixture().dir / "orig.scn").string()));
  form_->window().CheckLayout(ScenarioLayout::Original);
  form_->dialogs().Answer(FileDialogKind::Equipment, std::nullopt);
  form_->dialogs().Answer(FileDialogKind::EquipmentNames, std::nullopt);
  form_->window().PressOpenFile();
  form_->ShowPageOf("MapView");
  auto* notes = form_->Get<QLabel>("MapCheckNotes");
  QVERIFY(notes->isVisible());
  QCOMPARE(notes->text(),
           QStringLiteral("Units sharing a hex were not checked: no equipment file "
                          "is loaded, so air units cannot be told from the others.\nThe land and "
                          "navy core limits were not checked: no unit's class is known without "
                          "the equipment file (.eqp)."));

  // Nor are classes counted as infantry elsewhere: the composition and the current counts say
  // what they need, and the map labels every counter as of unknown class.
  form_->Click("RadioButton3");
  QCOMPARE(form_->Text("Label127"), QString());
  auto* compositionNote = form_->Get<QLabel>("CompositionNote");
  QVERIFY(!compositionNote->isHidden());
  QCOMPARE(compositionNote->text(),
           QStringLiteral("Not counted: no unit's class is known without the equipment file "
                          "(.eqp)."));
  form_->Click("Button6");
  QCOMPARE(form_->Text("Label66"), QStringLiteral("?"));
  QCOMPARE(form_->Text("Label67"), QStringLiteral("?"));
  QCOMPARE(form_->window().statusBar()->currentMessage(),
           QStringLiteral("Non-naval and naval counts unknown: no unit's class is known without "
                          "the equipment file (.eqp)."));
  for (const MapCounter& counter : BuildMapContent(form_->window().session().state(), 0).counters)
    QCOMPARE(counter.label, std::string("?"));
}

// The page takes these colours as they stand, without Qt to work them out: each must stay what
// the window once made of its side's colour, darker for a rim and lighter for a small auxiliary
// counter, when a side's colour changes.
void MapPageTest::theRimsAndSmallAuxiliariesFollowTheSidesColours() {
  for (std::size_t side = 0; side < 3; ++side) {
    const QColor colour = ToQt(kMapStyle.light.sides[side]);
    QCOMPARE(ToQt(kMapStyle.rims[side]).rgba(), colour.darker(140).rgba());
    QCOMPARE(ToQt(kMapStyle.smallAux[side]).rgba(), colour.lighter(170).rgba());
  }
}

}  // namespace zarkel

QTEST_MAIN(zarkel::MapPageTest)
#include "map_page_test.moc"
