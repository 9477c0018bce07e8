// The units of the opened scenario in memory, the side rosters built from them, and the two
// steps every scenario writer takes before it lays out the unit area again: renumbering and
// slot placement.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/source_file.h"
#include "model/unit_record.h"

namespace zarkel {

// A table whose positions count from 1, as unit indices and roster positions do everywhere in
// the editor. Holds any number of entries: nothing a file can hold is dropped or wrapped.
template <typename T>
class PositionTable {
 public:
  std::int32_t size() const { return static_cast<std::int32_t>(entries_.size()); }
  bool empty() const { return entries_.empty(); }
  T& at(std::int32_t position) { return entries_.at(static_cast<std::size_t>(position - 1)); }
  const T& at(std::int32_t position) const {
    return entries_.at(static_cast<std::size_t>(position - 1));
  }
  void push_back(T entry) { entries_.push_back(std::move(entry)); }
  void clear() { entries_.clear(); }
  void reserve(std::int32_t count) { entries_.reserve(static_cast<std::size_t>(count)); }
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }
  auto begin() { return entries_.begin(); }
  auto end() { return entries_.end(); }

 private:
  std::vector<T> entries_;
};

// The occupied slots of the opened scenario in file order (unitCount is its size).
using UnitTable = PositionTable<UnitRecord>;
// Each unit's 40 name bytes as a 40-character string, parallel to UnitTable.
using UnitNames = PositionTable<std::string>;

constexpr std::int32_t kSideCount = 3;  // 0 Axis, 1 Allies, 2 the third side
constexpr std::int32_t kMaxCoreUnits = 80;
constexpr std::int32_t kMaxAuxUnits = 120;

// "Axis", "Allies" or "the third side".
const char* SideName(std::int32_t side);

struct RosterPair {
  std::int32_t unitIndex = 0;  // position in UnitTable
  std::uint8_t auxFlag = 0;    // 0 core, 1 auxiliary
};

// One side's units in UnitTable order.
struct SideRoster {
  PositionTable<RosterPair> pairs;
  std::int32_t rosterCount() const { return pairs.size(); }
};

using Rosters = std::array<SideRoster, kSideCount>;

// Output of renumbering: the UnitTable position of the unit of side s (rows 0..5) with order
// number n (columns 0..199), 0 for none. Rows 3 to 5 stay 0.
using SlotTable = std::array<std::array<std::int32_t, scn::kBlockCount>, scn::kSlotsPerBlock>;

// Reads the 200 blocks of the unit area from `start`: every slot that is not empty becomes the
// next entry of `units` (all 218 bytes) and of `names`. Replaces what the tables held. Bytes the
// file does not have read as zero, so slots past its end are empty.
void ReadUnitArea(SourceFile& file, std::int32_t start, UnitTable& units, UnitNames& names);

// Each unit joins the roster of its side, auxiliary when its order number is 80 or more. A unit
// whose side is 3 or more joins no roster.
Rosters BuildSideRosters(const UnitTable& units);

// The unitIndex and auxFlag of a roster pair (positions from 1).
std::int32_t UnitAt(const Rosters& rosters, std::int32_t side, std::int32_t position);
std::uint8_t IsAux(const Rosters& rosters, std::int32_t side, std::int32_t position);

// Numbers each side's core units 0, 1, 2, ... and its auxiliary units 80, 81, ... in roster
// order, stores the numbers in the units' records and fills `slots`. Only a flag of 1 counts as
// auxiliary. Throws Refusal, before changing anything, when a side has more than 80 core or more
// than 120 auxiliary units.
void RenumberUnits(const Rosters& rosters, UnitTable& units, SlotTable& slots);

// The 218 bytes a writer puts into slot `slot` (0..5) of block `block` after renumbering: the
// unit renumbering placed there, or the empty form.
const std::uint8_t* UnitSlotBytes(const SlotTable& slots, const UnitTable& units,
                                  std::int32_t block, std::int32_t slot);

}  // namespace zarkel
