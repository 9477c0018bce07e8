#include "output/scenario_body.h"

#include <algorithm>

namespace zarkel {
namespace {

// Puts the limits whose bytes lie in `block` into the block's bytes in `buffer`.
void PutLimits(LimitBlock block, const CampaignLimits& limits, TransferBuffer& buffer) {
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
    if (Limit(field).block == block)
      buffer[static_cast<std::size_t>(Limit(field).byte)] = limits[static_cast<std::size_t>(field)];
  }
}

}  // namespace

void WriteMapAndSettings(SourceFile& source, const ScenarioData& scenario, OutputFile& target,
                         TransferBuffer& buffer) {
  const ScenarioLayout layout = *scenario.layout;
  const ScenarioGeometry& geometry = scenario.geometry;
  const std::int32_t p = AnchorOffset(geometry, layout);
  const std::int32_t mapStart = p - MapAreaSize(geometry) - scn::kAfterMapSize;

  CopyRange(source, mapStart, MapAreaSize(geometry) + scn::kAfterMapSize, target, buffer);
  buffer[0] = scenario.battleType;
  WriteBlock(target, buffer, 1);
  CopyRange(source, p + scn::kAfterTypeOffset, scn::kAfterTypeSize, target, buffer);

  ReadBlock(source, p + scn::kCoreLimitsOffset, scn::kCoreLimitsSize, buffer);
  buffer[scn::kCarriedValue0] = geometry.carriedValues[0];
  buffer[scn::kCarriedValue1] = geometry.carriedValues[1];
  PutLimits(LimitBlock::CoreLimits, scenario.limits, buffer);
  WriteBlock(target, buffer, scn::kCoreLimitsSize);

  CopyRange(source, p + scn::kAfterLimitsOffset, scn::kAfterLimitsSize, target, buffer);
}

void WriteUnitAreaAndTail(SourceFile& source, EditorState& state, OutputFile& target,
                          TransferBuffer& buffer) {
  ScenarioData& scenario = state.scenario;
  RenumberUnits(scenario.rosters, scenario.units, state.slotTable);
  for (std::int32_t block = 0; block < scn::kBlockCount; ++block) {
    for (std::int32_t slot = 0; slot < scn::kSlotsPerBlock; ++slot) {
      const std::uint8_t* bytes = UnitSlotBytes(state.slotTable, scenario.units, block, slot);
      std::copy(bytes, bytes + scn::kUnitRecordSize, buffer.begin() + slot * scn::kUnitRecordSize);
    }
    WriteBlock(target, buffer, scn::kBlockSize);
  }

  ReadBlock(source, TailOffset(scenario.geometry, *scenario.layout), scn::kTailSize, buffer);
  PutLimits(LimitBlock::Tail, scenario.limits, buffer);
  WriteBlock(target, buffer, scn::kTailSize);
}

}  // namespace zarkel
