// Peak memory of each write, on the typical and on the largest scenario, each measured in a
// process of its own so that no case inherits another's heap. A write moves bytes through fixed
// buffers, so its peak should not grow with the scenario: the largest scenario's campaign write
// may use at most 1 MiB more than the typical one's, or the program exits with 1.
//
// Two figures per case, both taken over the state after the opening (the opened scenario, the
// equipment tables), so that they are the write's own:
//   heap  the highest number of bytes the write held allocated at once (counted by replacing
//         the global operator new and delete in this program);
//   RSS   how far the process's resident memory rose during the write (the high-water mark
//         VmHWM, reset through /proc/self/clear_refs just before the write, less VmRSS then).
//
// Then the memory the edit history holds after 1000 steps (bench/history_steps.h) on each
// scenario: the heap bytes released when the history is cleared. It must stay under 16 MiB, and
// grows with what the steps changed, not with the scenario.
//
//   zarkel_write_memory                    every case, a table, and the verdict
//   zarkel_write_memory --measure INPUTS OUTPUT WRITE SIZE LAYOUT
//                                          one case in this process; prints "heap rss hwm"
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "bench_inputs.h"
#include "history_steps.h"
#include "model/vocabulary.h"
#include "output/campaign_writer.h"
#include "output/homemade_writer.h"
#include "output/order_of_battle.h"
#include "roster/campaign_values.h"
#include "roster/undo_redo.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"

namespace {

// Bytes held by operator new now and at most since the last reset.
std::size_t liveBytes = 0;
std::size_t peakBytes = 0;

void* Allocate(std::size_t size) {
  void* pointer = std::malloc(size == 0 ? 1 : size);
  if (pointer == nullptr)
    throw std::bad_alloc();
  liveBytes += malloc_usable_size(pointer);
  if (liveBytes > peakBytes)
    peakBytes = liveBytes;
  return pointer;
}

void Release(void* pointer) noexcept {
  if (pointer == nullptr)
    return;
  liveBytes -= malloc_usable_size(pointer);
  std::free(pointer);
}

}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void operator delete(void* pointer) noexcept {
  Release(pointer);
}
void operator delete[](void* pointer) noexcept {
  Release(pointer);
}
void operator delete(void* pointer, std::size_t) noexcept {
  Release(pointer);
}
void operator delete[](void* pointer, std::size_t) noexcept {
  Release(pointer);
}

namespace zarkel::bench {
namespace {

namespace fs = std::filesystem;

constexpr long kAllowedGrowthKiB = 1024;  // largest over typical, campaign write
constexpr std::size_t kHistorySteps = 1000;
constexpr std::uint32_t kHistorySeed = 11;
constexpr std::size_t kHistoryLimitBytes = 16 * 1024 * 1024;

const char* const kWrites[] = {"campaign_write", "homemade_write", "order_of_battle"};

// A figure of /proc/self/status in KiB, such as "VmHWM".
long StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0)
      return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
  }
  return -1;
}

void Write(EditorState& editor, const std::string& write, const fs::path& output) {
  const CampaignValuesDisplay values = ShowCampaignValues(editor.scenario);
  if (write == "campaign_write") {
    CampaignWriteRequest request;
    request.slotName = "cchina";
    request.directory = output.string();
    request.battleType = values.battleType;
    request.limitTexts = values.limitTexts;
    WriteCampaignScenario(editor, testing::Replacing(), request);
  } else if (write == "homemade_write") {
    HomemadeWriteRequest request;
    request.name = "User_Specified_Name";
    request.directory = output.string();
    request.battleType = values.battleType;
    request.limitTexts = values.limitTexts;
    testing::ScriptedDialogs dialogs;
    dialogs.ReplaceAll();  // the same folder every time
    dialogs.AnswerYesNo(true);
    WriteHomemadeScenario(editor, dialogs, request);
  } else {
    WriteOrderOfBattle(editor, testing::Replacing(), OrderOfBattleRequest{output.string(), "OB"});
  }
}

int MeasureOne(const fs::path& inputs, const fs::path& output, const std::string& write,
               const std::string& sizeName, const std::string& layoutName) {
  const Size size = sizeName == "largest" ? Size::Largest : Size::Typical;
  const ScenarioLayout layout = LayoutByKey(layoutName).value_or(ScenarioLayout::Homemade);
  EditorState editor = StateWithEquipment(inputs);
  OpenInput(editor, inputs, size, layout);
  fs::create_directories(output);

  std::ofstream("/proc/self/clear_refs") << "5";  // the high-water mark starts again from here
  const long rssBefore = StatusKiB("VmRSS");
  const std::size_t heapBefore = liveBytes;
  peakBytes = liveBytes;
  Write(editor, write, output);
  const long hwm = StatusKiB("VmHWM");
  std::printf("%zu %ld %ld\n", peakBytes - heapBefore, hwm - rssBefore, hwm);
  return 0;
}

struct Figures {
  long heapBytes = -1;
  long rssKiB = -1;
  long processKiB = -1;
};

// Runs this program on one case and reads its figures.
Figures MeasureInChild(const fs::path& inputs, const fs::path& output, const std::string& write,
                       Size size, ScenarioLayout layout) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0)
    return {};
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  const std::vector<std::string> arguments = {
      self,  "--measure",    inputs.string(),   output.string(),
      write, SizeName(size), LayoutName(layout)};
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(pipeEnds[1], STDOUT_FILENO);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(self.c_str(), argv.data());
    std::_Exit(127);
  }
  ::close(pipeEnds[1]);
  std::string text;
  char chunk[256];
  for (ssize_t got; (got = ::read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
    text.append(chunk, static_cast<std::size_t>(got));
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  Figures figures;
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
    std::istringstream(text) >> figures.heapBytes >> figures.rssKiB >> figures.processKiB;
  }
  return figures;
}

// What the steps of a history are: transfers, the units they moved, and unit changes. Walks the
// history back to its start and forward again.
struct StepCounts {
  std::size_t transfers = 0;
  std::size_t unitsMoved = 0;
  std::size_t unitChanges = 0;
};

StepCounts CountSteps(EditorState& editor) {
  StepCounts counts;
  while (editor.history.CanUndo()) {
    const EditStep& step = editor.history.StepToUndo();
    if (const auto* transfer = std::get_if<TransferStep>(&step.change)) {
      ++counts.transfers;
      counts.unitsMoved += transfer->positions.size();
    } else {
      ++counts.unitChanges;
    }
    UndoEdit(editor);
  }
  while (RedoEdit(editor)) {
  }
  return counts;
}

bool MeasureHistory(const fs::path& inputs) {
  bool met = true;
  std::printf("\n%-32s %10s %12s %12s %12s %14s\n", "edit history, 1000 steps", "transfers",
              "units moved", "unit changes", "held", "per step");
  for (const Size size : {Size::Typical, Size::Spacious, Size::Largest}) {
    EditorState editor = StateWithEquipment(inputs);
    OpenInput(editor, inputs, size, ScenarioLayout::Homemade);
    MakeHistorySteps(editor, kHistorySteps, kHistorySeed);
    const StepCounts counts = CountSteps(editor);
    const std::size_t before = liveBytes;
    editor.history.Clear();
    const std::size_t held = before - liveBytes;
    const bool ok = held < kHistoryLimitBytes;
    std::printf("%-32s %10zu %12zu %12zu %8.1f KiB %10.1f B  %s\n", SizeName(size),
                counts.transfers, counts.unitsMoved, counts.unitChanges, held / 1024.0,
                static_cast<double>(held) / kHistorySteps, ok ? "met" : "MISSED");
    met = met && ok;
  }
  std::printf("  target: under %zu MiB\n", kHistoryLimitBytes / (1024 * 1024));
  return met;
}

int MeasureAll() {
  testing::TempDir temp;
  const fs::path inputs = temp / "inputs";
  WriteInputs(inputs);

  bool met = true;
  std::printf("%-32s %14s %14s %12s %12s %14s\n", "write (from source layout)", "typical heap",
              "largest heap", "typical RSS", "largest RSS", "process peak");
  for (const std::string write : kWrites) {
    for (const ScenarioLayout layout : {ScenarioLayout::Homemade, ScenarioLayout::Original}) {
      if (write == "order_of_battle" && layout == ScenarioLayout::Original)
        continue;  // written from memory alone: the source layout plays no part
      Figures typical = MeasureInChild(inputs, temp / "out-typical", write, Size::Typical, layout);
      Figures largest = MeasureInChild(inputs, temp / "out-largest", write, Size::Largest, layout);
      const std::string name = write + "/" + LayoutName(layout);
      std::printf("%-32s %10.1f KiB %10.1f KiB %8ld KiB %8ld KiB %10ld KiB\n", name.c_str(),
                  typical.heapBytes / 1024.0, largest.heapBytes / 1024.0, typical.rssKiB,
                  largest.rssKiB, largest.processKiB);
      if (typical.heapBytes < 0 || largest.heapBytes < 0) {
        std::printf("  the measurement failed\n");
        met = false;
        continue;
      }
      if (write == "campaign_write") {
        const long heapGrowth = (largest.heapBytes - typical.heapBytes) / 1024;
        const long rssGrowth = largest.rssKiB - typical.rssKiB;
        const bool ok = heapGrowth <= kAllowedGrowthKiB && rssGrowth <= kAllowedGrowthKiB;
        std::printf("  largest over typical: heap %+ld KiB, RSS %+ld KiB (at most %ld KiB): %s\n",
                    heapGrowth, rssGrowth, kAllowedGrowthKiB, ok ? "met" : "MISSED");
        met = met && ok;
      }
    }
  }
  met = MeasureHistory(inputs) && met;
  return met ? 0 : 1;
}

}  // namespace
}  // namespace zarkel::bench

int main(int argc, char** argv) {
  if (argc == 7 && std::string(argv[1]) == "--measure")
    return zarkel::bench::MeasureOne(argv[2], argv[3], argv[4], argv[5], argv[6]);
  if (argc != 1) {
    std::fprintf(stderr, "usage: %s\n", argv[0]);
    return 2;
  }
  return zarkel::bench::MeasureAll();
}
