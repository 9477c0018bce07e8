#include "history_steps.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "roster/transfer.h"
#include "roster/unit_review.h"

namespace zarkel::bench {

namespace {

constexpr std::int32_t kMostLinesMoved = 10;

// Answers nothing and keeps nothing, so that the messages of a thousand accepts cost no memory.
class QuietDialogs : public Dialogs {
 public:
  std::optional<std::string> ChooseFile(FileDialogKind, const FileDialogMemory&) override {
    return std::nullopt;
  }
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&, const std::string&) override { return true; }
  bool AskReplace(const std::string&) override { return true; }
};

// Moves 1 to 10 lines of one list to the other, as far as the side has room; false when it has
// none that way.
bool Transfer(EditorState& state, std::mt19937& random, SideButtons side, bool toAux) {
  const auto core = static_cast<std::int32_t>(state.view.coreListMap.size());
  const auto aux = static_cast<std::int32_t>(state.view.auxListMap.size());
  const std::int32_t movable = std::min(
      {kMostLinesMoved, toAux ? kMaxAuxUnits - aux : kMaxCoreUnits - core, toAux ? core : aux});
  if (movable <= 0)
    return false;
  std::vector<std::int32_t> lines(static_cast<std::size_t>(toAux ? core : aux));
  std::iota(lines.begin(), lines.end(), 0);
  std::shuffle(lines.begin(), lines.end(), random);
  lines.resize(1 + random() % static_cast<std::uint32_t>(movable));
  if (toAux)
    TransferToAux(state, lines, side);
  else
    TransferToCore(state, lines, side);
  return true;
}

void ChangeUnit(EditorState& state, Dialogs& dialogs, std::mt19937& random, SideButtons side) {
  const bool core = random() % 2 == 0 || state.view.auxListMap.empty();
  const auto lines = (core ? state.view.coreListMap : state.view.auxListMap).size();
  if (lines == 0)
    return;
  const auto line = static_cast<std::int32_t>(random() % lines);
  const UnitEditTexts texts{std::to_string(random() % 255), std::to_string(random() % 255),
                            random() % 4 == 0 ? kUsedNotPlaced : kUsedPlaced,
                            std::to_string(random() % 6)};
  AcceptUnitChanges(state, dialogs, core ? UnitPage::Core : UnitPage::Aux, line, texts, side);
}

}  // namespace

void MakeHistorySteps(EditorState& state, std::size_t count, std::uint32_t seed) {
  std::mt19937 random(seed);
  QuietDialogs dialogs;
  while (state.history.StepCount() < count) {
    const bool axis = random() % 2 == 0;
    const SideButtons side{axis, !axis};
    SelectSide(state, side);
    // An edit that changes nothing (the same values again) makes no step; the loop draws again.
    if (state.history.StepCount() % 2 == 1 || !Transfer(state, random, side, random() % 2 == 0))
      ChangeUnit(state, dialogs, random, side);
  }
}

}  // namespace zarkel::bench
