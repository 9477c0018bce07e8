// Frames of the Map page on the largest scenario (a 255 x 255 map, 600 units): the counters
// built from the state, a full frame of the fitted map, and a full frame at four times that zoom
// over the part where the units stand, each frame painted into a 1920 x 1080 image as the view
// paints itself. Reports medians and exits with 1 when a frame takes 16 ms or more.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "session/hex_geometry.h"
#include "session/map_model.h"
#include "temp_dir.h"
#include "ui/map_qt.h"
#include "ui/map_renderer.h"

namespace zarkel::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr double kFrameSeconds = 0.016;
const QSize kFrame(1920, 1080);
constexpr double kFitMargin = 8.0;  // as the view leaves around the fitted map
constexpr double kZoom = 4.0;

std::map<std::string, double>& Medians() {
  static std::map<std::string, double> medians;
  return medians;
}

struct Scene {
  EditorState state;
  MapContent content;
  Scene() {
    testing::TempDir inputs;
    WriteInputs(inputs.path());
    state = StateWithEquipment(inputs.path());
    OpenInput(state, inputs.path(), Size::Largest, ScenarioLayout::Homemade,
              SideButtons{true, false});
    content = BuildMapContent(state, 0);
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

// The view's fit of the whole map into the frame.
HexGeometry Fitted(const MapContent& content) {
  const MapSize units = HexGeometry::UnitSize(content.columns, content.rows);
  const double radius = std::min((kFrame.width() - 2 * kFitMargin) / units.width,
                                 (kFrame.height() - 2 * kFitMargin) / units.height);
  const QPointF origin =
      QRectF(QPoint(), kFrame).center() - QPointF(units.width, units.height) * radius / 2;
  return HexGeometry(content.columns, content.rows, false, radius, FromQt(origin));
}

// Four times the fit, the map's top left corner (where the inputs' units stand) in the frame's.
HexGeometry Zoomed(const MapContent& content) {
  return HexGeometry(content.columns, content.rows, false, Fitted(content).radius() * kZoom,
                     MapPoint{kFitMargin, kFitMargin});
}

void Register(const std::string& name, const std::function<void()>& work) {
  benchmark::RegisterBenchmark(name.c_str(),
                               [=](benchmark::State& state) {
                                 std::vector<double> times;
                                 for (auto _ : state) {
                                   const auto start = Clock::now();
                                   work();
                                   const double seconds =
                                       std::chrono::duration<double>(Clock::now() - start).count();
                                   times.push_back(seconds);
                                   state.SetIterationTime(seconds);
                                 }
                                 std::sort(times.begin(), times.end());
                                 const double median = times.empty() ? 0 : times[times.size() / 2];
                                 state.counters["median_ms"] = median * 1e3;
                                 Medians()[name] = median;
                               })
      ->UseManualTime()
      ->Unit(benchmark::kMillisecond);
}

void RegisterFrame(const std::string& name, HexGeometry (*geometry)(const MapContent&)) {
  Register(name, [geometry] {
    static QImage image(kFrame, QImage::Format_ARGB32_Premultiplied);
    const Scene& scene = TheScene();
    QPainter painter(&image);
    PaintMap(painter, scene.content, geometry(scene.content), QRectF(image.rect()));
  });
}

bool PrintSummary() {
  bool met = true;
  std::printf("\n%-32s %12s %10s\n", "case (medians)", "time", "target");
  for (const auto& [name, median] : Medians()) {
    const bool ok = median < kFrameSeconds;
    std::printf("%-32s %9.2f ms %7s%.0f ms %s\n", name.c_str(), median * 1e3, "< ",
                kFrameSeconds * 1e3, ok ? "met" : "MISSED");
    met = met && ok;
  }
  return met;
}

}  // namespace
}  // namespace zarkel::bench

int main(int argc, char** argv) {
  using namespace zarkel::bench;
  // Fonts need a platform; none has to be on screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  Register("map_content/600_units", [] {
    const Scene& scene = TheScene();
    benchmark::DoNotOptimize(zarkel::BuildMapContent(scene.state, 0));
  });
  RegisterFrame("map_frame/fitted", Fitted);
  RegisterFrame("map_frame/zoomed_4x", Zoomed);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 2;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return PrintSummary() ? 0 : 1;
}
