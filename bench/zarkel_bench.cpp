// Benchmarks of the open, the writers, the roster refresh and undo and redo, each I/O case
// measured beside a plain read or copy of the same bytes. Every iteration runs the operation and
// its plain counterpart one after the other (taking turns at going first), so both see the same
// load of the machine; the medians of the two and their ratio are reported per case and in a
// summary at the end. The program exits with 1 when a target is missed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/platform_file.h"
#include "bench_inputs.h"
#include "history_steps.h"
#include "load/open_scenario.h"
#include "output/campaign_writer.h"
#include "output/homemade_writer.h"
#include "output/ob_spreadsheet.h"
#include "output/order_of_battle.h"
#include "roster/campaign_values.h"
#include "roster/ob_import.h"
#include "roster/side_rosters.h"
#include "roster/undo_redo.h"
#include "scenario_builder.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

namespace zarkel::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double kMaxRatio = 2.0;                 // an operation against its plain read or copy
constexpr double kMaxLargestCampaignRatio = 1.5;  // the largest scenario's campaign write
constexpr double kMaxRefreshSeconds = 0.001;      // RefreshRosters of a side with 200 units
constexpr double kMaxUndoSeconds = 0.001;         // an undo or a redo, its refresh included
constexpr double kMaxImportSeconds = 0.010;       // an order of battle of 600 units imported
constexpr std::size_t kHistorySteps = 1000;
constexpr std::uint32_t kHistorySeed = 11;

double Median(std::vector<double> samples) {
  if (samples.empty())
    return 0.0;
  std::sort(samples.begin(), samples.end());
  const std::size_t middle = samples.size() / 2;
  return samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
}

double Seconds(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// One line of the closing summary.
struct Outcome {
  double operation = 0.0;  // median seconds
  double plain = 0.0;      // median seconds of the plain read or copy; 0 for none
  double limit = 0.0;      // the target: a ratio, or seconds when there is no plain counterpart
};

std::map<std::string, Outcome>& Outcomes() {
  static std::map<std::string, Outcome> outcomes;
  return outcomes;
}

// Times `operation` and `plain` in turn; the benchmark's own time is the operation's.
void RunPaired(benchmark::State& state, const std::string& name,
               const std::function<void()>& operation, const std::function<void()>& plain,
               double maxRatio = kMaxRatio) {
  std::vector<double> operationTimes;
  std::vector<double> plainTimes;
  bool operationFirst = true;
  for (auto _ : state) {
    double operationTime = 0.0;
    if (operationFirst) {
      operationTime = Seconds(operation);
      plainTimes.push_back(Seconds(plain));
    } else {
      plainTimes.push_back(Seconds(plain));
      operationTime = Seconds(operation);
    }
    operationTimes.push_back(operationTime);
    state.SetIterationTime(operationTime);
    operationFirst = !operationFirst;
  }
  Outcome outcome{Median(operationTimes), Median(plainTimes), maxRatio};
  state.counters["op_median_us"] = outcome.operation * 1e6;
  state.counters["plain_median_us"] = outcome.plain * 1e6;
  state.counters["ratio"] = outcome.plain > 0 ? outcome.operation / outcome.plain : 0.0;
  Outcomes()[name] = outcome;
}

// Reads a whole file in 64 KiB pieces, as a plain program would.
void PlainRead(const fs::path& path) {
  static std::vector<char> buffer(64 * 1024);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr)
    throw std::runtime_error("cannot read " + path.string());
  while (std::fread(buffer.data(), 1, buffer.size(), file) == buffer.size()) {
  }
  std::fclose(file);
}

// The working directories of one run: the inputs, what the operations write, and where the
// plain copies of those outputs go.
struct Workspace {
  testing::TempDir temp;
  fs::path inputs = temp / "inputs";
  fs::path written = temp / "written";
  fs::path copied = temp / "copied";
  EditorState equipped;  // the equipment loaded, no scenario open

  Workspace() {
    WriteInputs(inputs);
    fs::create_directories(written);
    fs::create_directories(copied);
    equipped = StateWithEquipment(inputs);
  }
};

Workspace& Work() {
  static Workspace workspace;
  return workspace;
}

// "open/largest/homemade"; for a write, the layout is that of the source it writes from.
std::string CaseName(const std::string& operation, Size size, ScenarioLayout layout) {
  return operation + "/" + SizeName(size) + "/" + LayoutName(layout);
}

void RegisterOpen(Size size, ScenarioLayout layout) {
  const std::string name = CaseName("open", size, layout);
  benchmark::RegisterBenchmark(
      name.c_str(),
      [=](benchmark::State& state) {
        Workspace& work = Work();
        EditorState editor = work.equipped;
        const fs::path source = work.inputs / ScenarioFileName(size, layout);
        RunPaired(
            state, name, [&] { OpenInput(editor, work.inputs, size, layout); },
            [&] { PlainRead(source); });
      })
      ->UseManualTime()
      ->Unit(benchmark::kMicrosecond);
}

// The plain counterpart of a write: a copy of each file the write made, byte for byte, so the
// same number of files and bytes, flushed to the disk as the editor flushes its outputs: each
// file, then the directory.
std::function<void()> PlainCopies(const fs::path& written, const fs::path& copied) {
  fs::create_directories(copied);
  std::vector<std::pair<fs::path, fs::path>> pairs;
  for (const auto& entry : fs::directory_iterator(written))
    pairs.emplace_back(entry.path(), copied / entry.path().filename());
  return [pairs, copied] {
    for (const auto& [from, to] : pairs) {
      fs::copy_file(from, to, fs::copy_options::overwrite_existing);
      const platform::OpenedFile copy = platform::OpenForReading(to);
      platform::FlushToDisk(copy.handle, to);
      platform::CloseQuietly(copy.handle);
    }
    platform::FlushDirectory(copied);
  };
}

// Registers a write of each size and source layout. `write` writes the opened scenario of
// `editor` into a directory.
using Write = std::function<void(EditorState& editor, const fs::path& directory)>;

void RegisterWrite(const std::string& operation, Size size, ScenarioLayout layout, Write write) {
  const std::string name = CaseName(operation, size, layout);
  benchmark::RegisterBenchmark(
      name.c_str(),
      [=](benchmark::State& state) {
        Workspace& work = Work();
        EditorState editor = work.equipped;
        OpenInput(editor, work.inputs, size, layout);
        const fs::path written = work.written / name;
        fs::create_directories(written);
        write(editor, written);  // the files the plain copies copy
        const bool largestCampaign = operation == "campaign_write" && size == Size::Largest;
        RunPaired(
            state, name, [&] { write(editor, written); }, PlainCopies(written, work.copied / name),
            largestCampaign ? kMaxLargestCampaignRatio : kMaxRatio);
      })
      ->UseManualTime()
      ->Unit(benchmark::kMicrosecond);
}

void RegisterWriters() {
  const Write campaign = [](EditorState& editor, const fs::path& directory) {
    CampaignWriteRequest request;
    request.slotName = "cchina";
    request.directory = directory.string();
    const CampaignValuesDisplay values = ShowCampaignValues(editor.scenario);
    request.battleType = values.battleType;
    request.limitTexts = values.limitTexts;
    WriteCampaignScenario(editor, testing::Replacing(), request);
  };
  const Write homemade = [](EditorState& editor, const fs::path& directory) {
    HomemadeWriteRequest request;
    request.name = "User_Specified_Name";
    request.directory = directory.string();
    const CampaignValuesDisplay values = ShowCampaignValues(editor.scenario);
    request.battleType = values.battleType;
    request.limitTexts = values.limitTexts;
    testing::ScriptedDialogs dialogs;
    dialogs.ReplaceAll();       // the same folder every time
    dialogs.AnswerYesNo(true);  // asked before converting an Original scenario
    WriteHomemadeScenario(editor, dialogs, request);
  };
  const Write orderOfBattle = [](EditorState& editor, const fs::path& directory) {
    WriteOrderOfBattle(editor, testing::Replacing(),
                       OrderOfBattleRequest{directory.string(), "OB"});
  };
  for (const Size size : {Size::Typical, Size::Largest}) {
    for (const ScenarioLayout layout : {ScenarioLayout::Homemade, ScenarioLayout::Original}) {
      RegisterWrite("campaign_write", size, layout, campaign);
      RegisterWrite("homemade_write", size, layout, homemade);
    }
    RegisterWrite("order_of_battle", size, ScenarioLayout::Homemade, orderOfBattle);
  }
}

void RegisterRefresh() {
  const std::string name = "refresh_rosters/200_units";
  benchmark::RegisterBenchmark(
      name.c_str(),
      [=](benchmark::State& state) {
        Workspace& work = Work();
        EditorState editor = work.equipped;
        OpenInput(editor, work.inputs, Size::Largest, ScenarioLayout::Homemade);
        const SideButtons axis{true, false};
        editor.view.currentSide = 0;
        if (editor.scenario.rosters[0].rosterCount() != 200)
          state.SkipWithError("the Axis roster does not hold 200 units");
        std::vector<double> times;
        for (auto _ : state) {
          const auto start = Clock::now();
          benchmark::DoNotOptimize(RefreshRosters(editor, axis));
          const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
          times.push_back(seconds);
          state.SetIterationTime(seconds);
        }
        Outcome outcome{Median(times), 0.0, kMaxRefreshSeconds};
        state.counters["op_median_us"] = outcome.operation * 1e6;
        Outcomes()[name] = outcome;
      })
      ->UseManualTime()
      ->Unit(benchmark::kMicrosecond);
}

// An undo or a redo, each with the refresh that ends it, through a history of 1000 mixed steps:
// every iteration takes one step, back until none is left, then forward again.
void RegisterUndoRedo(Size size) {
  const std::string name = std::string("undo_redo/") + SizeName(size);
  benchmark::RegisterBenchmark(
      name.c_str(),
      [=](benchmark::State& state) {
        Workspace& work = Work();
        EditorState editor = work.equipped;
        OpenInput(editor, work.inputs, size, ScenarioLayout::Homemade);
        MakeHistorySteps(editor, kHistorySteps, kHistorySeed);
        bool back = true;
        std::vector<double> times;
        for (auto _ : state) {
          if (!(back ? editor.history.CanUndo() : editor.history.CanRedo()))
            back = !back;
          const auto start = Clock::now();
          benchmark::DoNotOptimize(back ? UndoEdit(editor) : RedoEdit(editor));
          const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
          times.push_back(seconds);
          state.SetIterationTime(seconds);
        }
        Outcome outcome{Median(times), 0.0, kMaxUndoSeconds};
        state.counters["op_median_us"] = outcome.operation * 1e6;
        // The slowest, which on a busy machine is mostly the time the process was not running.
        std::sort(times.begin(), times.end());
        state.counters["p99_us"] = times[times.size() * 99 / 100] * 1e6;
        state.counters["max_us"] = times.back() * 1e6;
        Outcomes()[name] = outcome;
      })
      ->UseManualTime()
      ->Unit(benchmark::kMicrosecond);
}

// The import of the largest scenario's order of battle in the spreadsheet form, read from its
// file, with a new experience in each of the 400 Axis and Allied lines and a new place for every
// tenth: the reading, the plan and its application. Each iteration then takes the import back,
// outside the time measured.
void RegisterObImport() {
  const std::string name = "ob_import/largest";
  benchmark::RegisterBenchmark(
      name.c_str(),
      [=](benchmark::State& state) {
        Workspace& work = Work();
        EditorState editor = work.equipped;
        OpenInput(editor, work.inputs, Size::Largest, ScenarioLayout::Homemade);
        EditorState edited = editor;
        for (std::int32_t side = 0; side < 2; ++side) {
          std::int32_t position = 0;
          for (const RosterPair& pair : edited.scenario.rosters[side].pairs) {
            UnitRecord& unit = edited.scenario.units.at(pair.unitIndex);
            unit.setExperience(static_cast<std::uint8_t>((unit.experience() + 1) % 6));
            if (++position % 10 == 0)
              unit.setColumnLow(static_cast<std::uint8_t>(unit.columnLow() ^ 1));
          }
        }
        const fs::path file = work.written / "import" / "OB.csv";
        fs::create_directories(file.parent_path());
        testing::WriteFileText(file, ObSpreadsheetBytes(edited));
        std::vector<double> times;
        for (auto _ : state) {
          const auto start = Clock::now();
          const ObImport import = ReadObImportFile(editor, file);
          const AppliedImport applied = ApplyImportPlan(editor, import.plan);
          const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
          if (!import.problems.empty() || import.plan.edits.size() != 400)
            state.SkipWithError("the import did not plan the 400 units' edits");
          RevertImport(editor, applied);
          times.push_back(seconds);
          state.SetIterationTime(seconds);
        }
        Outcome outcome{Median(times), 0.0, kMaxImportSeconds};
        state.counters["op_median_us"] = outcome.operation * 1e6;
        Outcomes()[name] = outcome;
      })
      ->UseManualTime()
      ->Unit(benchmark::kMicrosecond);
}

// Prints the summary and tells whether every target was met.
bool PrintSummary() {
  bool met = true;
  std::printf("\n%-40s %14s %14s %8s %10s\n", "case (medians)", "operation", "plain", "ratio",
              "target");
  for (const auto& [name, outcome] : Outcomes()) {
    bool ok = false;
    if (outcome.plain > 0) {
      const double ratio = outcome.operation / outcome.plain;
      ok = ratio <= outcome.limit;
      std::printf("%-40s %11.1f us %11.1f us %8.2f %7s%.1fx %s\n", name.c_str(),
                  outcome.operation * 1e6, outcome.plain * 1e6, ratio, "<= ", outcome.limit,
                  ok ? "met" : "MISSED");
    } else {
      ok = outcome.operation < outcome.limit;
      std::printf("%-40s %11.1f us %14s %8s %7s%.0f us %s\n", name.c_str(), outcome.operation * 1e6,
                  "-", "-", "< ", outcome.limit * 1e6, ok ? "met" : "MISSED");
    }
    met = met && ok;
  }
  return met;
}

}  // namespace
}  // namespace zarkel::bench

int main(int argc, char** argv) {
  using namespace zarkel;
  using namespace zarkel::bench;
  for (const Size size : {Size::Typical, Size::Largest}) {
    for (const ScenarioLayout layout : {ScenarioLayout::Homemade, ScenarioLayout::Original})
      RegisterOpen(size, layout);
  }
  RegisterWriters();
  RegisterRefresh();
  // The largest scenario's full rosters leave a transfer no room: its steps are unit changes.
  RegisterUndoRedo(Size::Spacious);
  RegisterUndoRedo(Size::Largest);
  RegisterObImport();

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 2;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return PrintSummary() ? 0 : 1;
}
