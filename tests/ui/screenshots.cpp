// Grabs every page of the window, with a scenario open and a unit under review, into PNG files:
//   zarkel_screenshots DIR
// The README's pictures are made this way (the "screenshots" build target writes them to docs/).
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTest>
#include <cstdio>
#include <exception>

#include "tabw1_fixture.h"
#include "ui/map_qt.h"
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

// The Map page in a larger window, zoomed in on the left of the map, where the Axis stands, with
// the mouse on one of its units and that unit chosen.
void ShowTheAxisOnTheMap(zarkel::testing::Form& form) {
  using namespace zarkel;
  form.window().resize(form.window().size().expandedTo(QSize(1000, 720)));
  form.ShowPageOf("MapView");
  QApplication::processEvents();  // the page laid out at its new size
  auto* view = form.Get<MapView>("MapView");
  view->Fit();
  view->ZoomBy(3.4, QPointF(view->width() * 0.25, view->height() * 0.45));
  const QRectF inner = QRectF(view->rect()).adjusted(80, 80, -80, -80);
  for (const MapCounter& counter : view->content().counters) {
    const QRectF place = ToQt(CounterRect(view->geometry(), counter));
    if (counter.movable() && inner.contains(place)) {
      QTest::mouseMove(view, place.center().toPoint());
      QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, place.center().toPoint());
      return;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: zarkel_screenshots DIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.absolutePath())) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  try {
    zarkel::testing::Form form;
    auto* pages = form.Get<QTabWidget>("PageControl1");
    auto grab = [&](const char* control) {
      form.ShowPageOf(control);
      const int index = pages->currentIndex();
      const QString path = out.filePath(PageFileName(index, pages->tabText(index)));
      QApplication::processEvents();  // pending layouts, such as the status bar's
      if (!form.window().grab().save(path))
        throw std::runtime_error("cannot write " + path.toStdString());
      std::printf("%s\n", qPrintable(path));
    };

    // What a user sees on the way through the demo, started as scripts/run.sh starts it: the
    // scenario open with the Axis side shown, a unit under review on each unit page, the
    // figures counted, the folders of the writing pages chosen.
    const std::filesystem::path examples = ZARKEL_EXAMPLES_DIR;
    zarkel::StartOptions start;
    start.scenario = QString::fromStdString((examples / "kardel.scn").string());
    start.layout = zarkel::ScenarioLayout::Homemade;
    start.equipment = QString::fromStdString((examples / "equipment.eqp").string());
    start.names = QString::fromStdString((examples / "equipment.txt").string());
    start.side = 0;
    zarkel::ApplyStartOptions(form.window(), form.startDialogs(), start);
    grab("Button1");
    form.ClickItem("ListBox1", 1);
    grab("ListBox1");
    form.ClickItem("ListBox4", 1);
    grab("ListBox4");
    form.ClickItem("ListBox2", 0);
    form.ClickItem("ListBox2", 2, Qt::ControlModifier);
    grab("ListBox2");
    for (const char* list :
         {"DirectoryListBox2", "DirectoryListBox3", "DirectoryListBox4", "DirectoryListBox5"})
      form.GoTo(list, form.fixture().dir / "out");
    form.Click("Button6");
    grab("Button6");
    form.Click("RadioButton5");
    grab("Button5");
    grab("Button4");
    form.Click("RadioButton19");
    grab("Button12");
    grab("Button13");
    ShowTheAxisOnTheMap(form);
    grab("MapView");
    // A step that went wrong shows only in an error box; the pictures would not tell.
    if (!form.dialogs().errors.empty())
      throw std::runtime_error("an error box on the way: " + form.dialogs().errors.front());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
