#include "model/unit_tables.h"

#include <string>

#include "base/errors.h"

namespace zarkel {

const char* SideName(std::int32_t side) {
  switch (side) {
    case 0:
      return "Axis";
    case 1:
      return "Allies";
    default:
      return "the third side";
  }
}

void ReadUnitArea(SourceFile& file, std::int32_t start, UnitTable& units, UnitNames& names) {
  units.clear();
  names.clear();
  // Room for every slot at once: growing the tables unit by unit copied them over and over.
  units.reserve(scn::kBlockCount * scn::kSlotsPerBlock);
  names.reserve(scn::kBlockCount * scn::kSlotsPerBlock);
  std::array<std::uint8_t, scn::kBlockSize> block{};
  for (std::int32_t b = 0; b < scn::kBlockCount; ++b) {
    block.fill(0);
    file.ReadAt(static_cast<std::uint64_t>(start) + std::uint64_t{1} * b * scn::kBlockSize,
                block.data(), block.size());
    for (std::int32_t i = 0; i < scn::kSlotsPerBlock; ++i) {
      const std::uint8_t* slot = block.data() + i * scn::kUnitRecordSize;
      if (IsEmptySlot(slot))
        continue;
      UnitRecord record;
      std::copy(slot, slot + scn::kUnitRecordSize, record.bytes.begin());
      names.push_back(record.FullName());
      units.push_back(record);
    }
  }
}

Rosters BuildSideRosters(const UnitTable& units) {
  Rosters rosters;
  for (std::int32_t k = 1; k <= units.size(); ++k) {
    const UnitRecord& unit = units.at(k);
    const std::int32_t side = unit.side();
    if (side >= kSideCount)
      continue;
    const std::uint8_t aux = unit.orderNumber() >= unit::kFirstAuxOrderNumber ? 1 : 0;
    rosters[side].pairs.push_back(RosterPair{k, aux});
  }
  return rosters;
}

std::int32_t UnitAt(const Rosters& rosters, std::int32_t side, std::int32_t position) {
  return rosters.at(side).pairs.at(position).unitIndex;
}

std::uint8_t IsAux(const Rosters& rosters, std::int32_t side, std::int32_t position) {
  return rosters.at(side).pairs.at(position).auxFlag;
}

namespace {

void CheckSideCapacity(const SideRoster& roster, std::int32_t side) {
  std::int32_t core = 0;
  std::int32_t aux = 0;
  for (const RosterPair& pair : roster.pairs)
    (pair.auxFlag == 1 ? aux : core) += 1;
  if (core > kMaxCoreUnits) {
    throw Refusal(std::string(SideName(side)) + " has " + std::to_string(core) +
                  " core units, but a scenario holds at most " + std::to_string(kMaxCoreUnits) +
                  " core units per side. Move some of them to the auxiliary units first.");
  }
  if (aux > kMaxAuxUnits) {
    throw Refusal(std::string(SideName(side)) + " has " + std::to_string(aux) +
                  " auxiliary units, but a scenario holds at most " + std::to_string(kMaxAuxUnits) +
                  " auxiliary units per side. Move some of them to the core units first.");
  }
}

}  // namespace

void RenumberUnits(const Rosters& rosters, UnitTable& units, SlotTable& slots) {
  for (std::int32_t side = 0; side < kSideCount; ++side)
    CheckSideCapacity(rosters[side], side);

  for (auto& row : slots)
    row.fill(0);
  for (std::int32_t side = 0; side < kSideCount; ++side) {
    std::int32_t core = -1;
    std::int32_t aux = unit::kFirstAuxOrderNumber - 1;
    for (const RosterPair& pair : rosters[side].pairs) {
      const std::int32_t n = pair.auxFlag == 1 ? ++aux : ++core;
      units.at(pair.unitIndex).setOrderNumber(static_cast<std::uint8_t>(n));
      slots[side][n] = pair.unitIndex;
    }
  }
}

const std::uint8_t* UnitSlotBytes(const SlotTable& slots, const UnitTable& units,
                                  std::int32_t block, std::int32_t slot) {
  const std::int32_t k = slots.at(slot).at(block);
  return k == 0 ? EmptySlot().data() : units.at(k).bytes.data();
}

}  // namespace zarkel
