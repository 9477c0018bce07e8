// Grabs every page of the window, with a scenario open and a unit under review, into PNG files:
//   zarkel_screenshots DIR [EXAMPLES]
// The README's pictures are made this way (the "screenshots" build target writes them to docs/).
// The Map page shows the demo scenario EXAMPLES/kardel.scn; without it, that page is left out.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <exception>

#include "tabw1_fixture.h"
#include "ui/map_view.h"

namespace {

// The file name of a page: its number and its caption in lower case, words joined by '-'.
QString PageFileName(int index, const QString& caption) {
  QString slug;
  for (const QChar c : caption.toLower()) {
    if (c.isLetterOrNumber())
      slug += c;
    else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('-')))
      slug += QLatin1Char('-');
  }
  while (slug.endsWith(QLatin1Char('-')))
    slug.chop(1);
  return QStringLiteral("page-%1-%2.png").arg(index + 1).arg(slug);
}

// The Map page on the demo scenario with the Axis side chosen, zoomed in on the left of the map
// with a unit chosen and the mouse over it.
void OpenDemoOnTheMap(zarkel::testing::Form& form, const QDir& examples) {
  using namespace zarkel;
  form.window().resize(form.window().size().expandedTo(QSize(1000, 720)));
  form.dialogs().Answer(FileDialogKind::Equipment,
                        examples.filePath(QStringLiteral("equipment.eqp")).toStdString());
  form.dialogs().Answer(FileDialogKind::EquipmentNames,
                        examples.filePath(QStringLiteral("equipment.txt")).toStdString());
  form.window().PickScenarioFile(examples.filePath(QStringLiteral("kardel.scn")));
  form.window().CheckLayout(ScenarioLayout::Homemade);
  form.window().PressOpenFile();
  form.Click("RadioButton3");
  form.ShowPageOf("MapView");
  auto* view = form.Get<MapView>("MapView");
  view->Fit();
  view->ZoomBy(2.2, QPointF(view->width() * 0.25, view->height() * 0.45));
  const QRectF shown(view->rect());
  for (const MapCounter& counter : view->content().counters) {
    const QRectF place = CounterRect(view->geometry(), counter);
    if (counter.movable() && shown.adjusted(80, 80, -80, -80).contains(place)) {
      const QPoint at = place.center().toPoint();
      QTest::mouseMove(view, at);
      QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
      return;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: zarkel_screenshots DIR [EXAMPLES]\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.absolutePath())) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  try {
    zarkel::testing::Form form;
    auto grab = [&out](zarkel::testing::Form& shown, const char* control) {
      auto* pages = shown.Get<QTabWidget>("PageControl1");
      shown.ShowPageOf(control);
      const int index = pages->currentIndex();
      const QString path = out.filePath(PageFileName(index, pages->tabText(index)));
      if (!shown.window().grab().save(path))
        throw std::runtime_error("cannot write " + path.toStdString());
      std::printf("%s\n", qPrintable(path));
      // A step that went wrong shows only in an error box; the pictures would not tell.
      if (!shown.dialogs().errors.empty())
        throw std::runtime_error("an error box on the way: " + shown.dialogs().errors.front());
    };

    // What a user sees on the way through: the file chosen, then the scenario open with the
    // Axis side shown, a unit under review on each unit page, the figures counted.
    form.GoToScenarioDirectory();
    form.ChooseFile("orig.scn");
    form.Click("RadioButton2");
    grab(form, "Button1");
    form.OpenOriginal();
    form.Click("RadioButton3");
    form.ClickItem("ListBox1", 1);
    grab(form, "ListBox1");
    form.ClickItem("ListBox4", 1);
    grab(form, "ListBox4");
    form.ClickItem("ListBox2", 0);
    form.ClickItem("ListBox2", 2, Qt::ControlModifier);
    grab(form, "ListBox2");
    for (const char* list :
         {"DirectoryListBox2", "DirectoryListBox3", "DirectoryListBox4", "DirectoryListBox5"})
      form.GoTo(list, form.fixture().dir / "out");
    form.Click("Button6");
    grab(form, "Button6");
    form.Click("RadioButton5");
    grab(form, "Button5");
    grab(form, "Button4");
    form.Click("RadioButton19");
    grab(form, "Button12");
    grab(form, "Button13");

    // The mouse goes to the topmost window at its place: the first one goes first.
    form.window().hide();
    const QDir examples(QString::fromLocal8Bit(argc == 3 ? argv[2] : "examples"));
    if (QFileInfo::exists(examples.filePath(QStringLiteral("kardel.scn")))) {
      zarkel::testing::Form map;
      OpenDemoOnTheMap(map, examples);
      grab(map, "MapView");
    } else {
      std::printf("no demo scenario in %s: the Map page is left out\n",
                  qPrintable(examples.absolutePath()));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
