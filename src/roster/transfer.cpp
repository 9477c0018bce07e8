#include "roster/transfer.h"

#include <string>

#include "base/errors.h"

namespace zarkel {

namespace {

// Sets the flag of every selected line's roster pair, after checking that the side can hold the
// units that arrive, and records the units moved as one step of the edit history. Lines that are
// not on the list are ignored.
std::optional<RosterDisplay> Transfer(EditorState& state, const std::vector<std::int32_t>& lines,
                                      SideButtons side, bool toAux) {
  if (lines.empty())
    return std::nullopt;
  if (side.axis)
    state.view.currentSide = 0;
  if (side.allies)
    state.view.currentSide = 1;

  const std::vector<std::int32_t>& map = toAux ? state.view.coreListMap : state.view.auxListMap;
  SideRoster& roster = state.scenario.rosters.at(state.view.currentSide);
  std::vector<std::int32_t> positions;
  for (std::int32_t p = 0; p < static_cast<std::int32_t>(map.size()); ++p) {
    for (const std::int32_t line : lines) {
      if (line == p) {
        positions.push_back(map[p]);
        break;
      }
    }
  }

  const std::uint8_t flag = toAux ? 1 : 0;
  std::int32_t arriving = 0;
  std::int32_t already = 0;
  for (const RosterPair& pair : roster.pairs)
    already += (pair.auxFlag == 1) == toAux ? 1 : 0;
  for (const std::int32_t n : positions)
    arriving += roster.pairs.at(n).auxFlag != flag ? 1 : 0;
  const std::int32_t limit = toAux ? kMaxAuxUnits : kMaxCoreUnits;
  if (already + arriving > limit) {
    const std::string kind = toAux ? "auxiliary" : "core";
    throw Refusal("This transfer would give " + std::string(SideName(state.view.currentSide)) +
                  " " + std::to_string(already + arriving) + " " + kind +
                  " units, but a scenario holds at most " + std::to_string(limit) + " " + kind +
                  " units per side. Nothing was transferred.");
  }

  std::vector<std::int32_t> moved;
  for (const std::int32_t n : positions) {
    RosterPair& pair = roster.pairs.at(n);
    if (pair.auxFlag != flag) {
      pair.auxFlag = flag;
      moved.push_back(n);
    }
  }
  if (!moved.empty())
    state.history.Record(EditStep{state.view.currentSide, TransferStep{flag, std::move(moved)}});
  return RefreshRosters(state, side);
}

}  // namespace

std::optional<RosterDisplay> TransferToAux(EditorState& state,
                                           const std::vector<std::int32_t>& selectedLines,
                                           SideButtons side) {
  return Transfer(state, selectedLines, side, true);
}

std::optional<RosterDisplay> TransferToCore(EditorState& state,
                                            const std::vector<std::int32_t>& selectedLines,
                                            SideButtons side) {
  return Transfer(state, selectedLines, side, false);
}

}  // namespace zarkel
