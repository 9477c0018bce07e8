#include "model/scenario_layout.h"

#include "model/vocabulary.h"

namespace zarkel {

const char* LayoutCaption(ScenarioLayout layout) {
  return WordsOf(layout).caption;
}

std::int32_t HeaderSize(ScenarioLayout layout) {
  return layout == ScenarioLayout::Homemade ? scn::kHomemadeHeaderSize : scn::kOriginalHeaderSize;
}

std::int32_t MapAreaSize(const ScenarioGeometry& geometry) {
  return scn::kHexRecordSize * geometry.mapSizeA * geometry.mapSizeB;
}

std::int32_t EmbeddedTextsSize(const ScenarioGeometry& geometry, ScenarioLayout layout) {
  if (layout != ScenarioLayout::Homemade)
    return 0;
  return 2 * scn::kTextLengthSize + geometry.descriptionLength + geometry.titleLength;
}

std::int32_t AnchorOffset(const ScenarioGeometry& geometry, ScenarioLayout layout) {
  const std::int32_t placeNames =
      layout == ScenarioLayout::Homemade ? scn::kPlaceNameRecordSize * geometry.placeNameCount : 0;
  return HeaderSize(layout) + placeNames + MapAreaSize(geometry) + scn::kAfterMapSize;
}

std::int32_t UnitAreaOffset(const ScenarioGeometry& geometry, ScenarioLayout layout) {
  return AnchorOffset(geometry, layout) + scn::kTextsOffset + EmbeddedTextsSize(geometry, layout);
}

std::int32_t TailOffset(const ScenarioGeometry& geometry, ScenarioLayout layout) {
  return UnitAreaOffset(geometry, layout) + scn::kUnitAreaSize;
}

std::int32_t ScenarioFileSize(const ScenarioGeometry& geometry, ScenarioLayout layout) {
  return TailOffset(geometry, layout) + scn::kTailSize;
}

}  // namespace zarkel
