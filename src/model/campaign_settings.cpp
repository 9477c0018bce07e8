#include "model/campaign_settings.h"

namespace zarkel {

namespace {

using B = LimitBlock;
using C = LimitedCount;
constexpr std::array<LimitSetting, kLimitFieldCount> kSettings = {{
    {B::CoreLimits, scn::kAxisLandCoreMaxByte, "max axis land core units", "axisLandCoreMax", 0,
     C::NonNavalCore, 0, "Edit3"},
    {B::CoreLimits, scn::kAxisNavalCoreMaxByte, "max axis navy core units ***", "axisNavalCoreMax",
     0, C::NavalCore, 1, "Edit4"},
    {B::CoreLimits, scn::kAlliedLandCoreMaxByte, "max allied land core units", "alliedLandCoreMax",
     1, C::NonNavalCore, 0, "Edit6"},
    {B::CoreLimits, scn::kAlliedNavalCoreMaxByte, "max allied navy core units ***",
     "alliedNavalCoreMax", 1, C::NavalCore, 1, "Edit7"},
    {B::Tail, scn::kAxisAuxMaxByte, "max # of axis Aux ", "axisAuxMax", 0, C::Aux, 2, "Edit8"},
    {B::Tail, scn::kAxisCoreMaxByte, "max axis core", "axisCoreMax", 0, C::Core, 3, "Edit9"},
    {B::Tail, scn::kAlliedAuxMaxByte, "max # of allied Aux", "alliedAuxMax", 1, C::Aux, 2,
     "Edit10"},
    {B::Tail, scn::kAlliedCoreMaxByte, " max allied core", "alliedCoreMax", 1, C::Core, 3,
     "Edit11"},
}};

// A row left out of the table is zero-filled, without texts: that fails to compile.
static_assert([] {
  for (const LimitSetting& limit : kSettings) {
    if (limit.caption == nullptr || limit.name == nullptr || limit.firstText == nullptr)
      return false;
  }
  return true;
}());

}  // namespace

const std::array<LimitSetting, kLimitFieldCount>& LimitSettings() {
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
