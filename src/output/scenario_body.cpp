#include "output/scenario_body.h"

#include <algorithm>

namespace zarkel {

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
  buffer[scn::kAxisLandCoreMaxByte] = scenario.limits[kAxisLandCoreMax];
  buffer[scn::kAlliedLandCoreMaxByte] = scenario.limits[kAlliedLandCoreMax];
  buffer[scn::kAxisNavalCoreMaxByte] = scenario.limits[kAxisNavalCoreMax];
  buffer[scn::kAlliedNavalCoreMaxByte] = scenario.limits[kAlliedNavalCoreMax];
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
  buffer[scn::kAxisAuxMaxByte] = scenario.limits[kAxisAuxMax];
  buffer[scn::kAxisCoreMaxByte] = scenario.limits[kAxisCoreMax];
  buffer[scn::kAlliedAuxMaxByte] = scenario.limits[kAlliedAuxMax];
  buffer[scn::kAlliedCoreMaxByte] = scenario.limits[kAlliedCoreMax];
  WriteBlock(target, buffer, scn::kTailSize);
}

}  // namespace zarkel
