#include "model/campaign_settings.h"

namespace zarkel {

const std::array<LimitSetting, kLimitFieldCount>& LimitSettings() {
  using B = LimitBlock;
  using C = LimitedCount;
  static const std::array<LimitSetting, kLimitFieldCount> kSettings = {{
      {B::CoreLimits, scn::kAxisLandCoreMaxByte, "max axis land core units", "axisLandCoreMax", 0,
       C::NonNavalCore},
      {B::CoreLimits, scn::kAxisNavalCoreMaxByte, "max axis navy core units ***",
       "axisNavalCoreMax", 0, C::NavalCore},
      {B::CoreLimits, scn::kAlliedLandCoreMaxByte, "max allied land core units",
       "alliedLandCoreMax", 1, C::NonNavalCore},
      {B::CoreLimits, scn::kAlliedNavalCoreMaxByte, "max allied navy core units ***",
       "alliedNavalCoreMax", 1, C::NavalCore},
      {B::Tail, scn::kAxisAuxMaxByte, "max # of axis Aux ", "axisAuxMax", 0, C::Aux},
      {B::Tail, scn::kAxisCoreMaxByte, "max axis core", "axisCoreMax", 0, C::Core},
      {B::Tail, scn::kAlliedAuxMaxByte, "max # of allied Aux", "alliedAuxMax", 1, C::Aux},
      {B::Tail, scn::kAlliedCoreMaxByte, " max allied core", "alliedCoreMax", 1, C::Core},
  }};
  return kSettings;
}

std::string LimitCaptionInMessages(std::int32_t field) {
  const std::string caption = Limit(field).caption;
  const auto first = caption.find_first_not_of(' ');
  if (first == std::string::npos)
    return std::string();
  return caption.substr(first, caption.find_last_not_of(' ') - first + 1);
}

std::int32_t LimitOffset(std::int32_t field, const ScenarioGeometry& geometry,
                         ScenarioLayout layout) {
  const LimitSetting& limit = Limit(field);
  const std::int32_t block = limit.block == LimitBlock::CoreLimits
                                 ? AnchorOffset(geometry, layout) + scn::kCoreLimitsOffset
                                 : TailOffset(geometry, layout);
  return block + limit.byte;
}

std::optional<std::int32_t> LimitFieldNamed(const std::string& name) {
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
    if (name == Limit(field).name)
      return field;
  }
  return std::nullopt;
}

const char* LimitedCountWords(LimitedCount count) {
  switch (count) {
    case LimitedCount::Core:
      return "core";
    case LimitedCount::Aux:
      return "auxiliary";
    case LimitedCount::NonNavalCore:
      return "non-naval core";
    case LimitedCount::NavalCore:
      break;
  }
  return "naval core";
}

}  // namespace zarkel
