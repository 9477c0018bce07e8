// The eight campaign limits, described once: where each lies in the scenario file, its caption
// on "Campaign Data" (and in messages), zarkel-cli's name for it, and the figure of "Update
// Current Values" it holds back. The reader, the writers, the scenario check, the window and
// zarkel-cli all take them from here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/scenario_layout.h"

namespace zarkel {

// The limits in the order of their edits on "Campaign Data" (Edit3, Edit4, Edit6, Edit7, Edit8,
// Edit9, Edit10, Edit11), which is also the order in which a writer converts them.
enum LimitField : std::int32_t {
  kAxisLandCoreMax,
  kAxisNavalCoreMax,
  kAlliedLandCoreMax,
  kAlliedNavalCoreMax,
  kAxisAuxMax,
  kAxisCoreMax,
  kAlliedAuxMax,
  kAlliedCoreMax,
  kLimitFieldCount
};
using CampaignLimits = std::array<std::uint8_t, kLimitFieldCount>;
using LimitTexts = std::array<std::string, kLimitFieldCount>;

// The part of the scenario file a limit's byte lies in.
enum class LimitBlock {
  CoreLimits,  // the core limits block after the scenario type
  Tail,        // the tail after the unit area
};

// The figure of "Update Current Values" that a limit holds back.
enum class LimitedCount { Core, Aux, NonNavalCore, NavalCore };

struct LimitSetting {
  LimitBlock block;
  std::int32_t byte;    // within its block
  const char* caption;  // beside its edit, blanks and footnote mark included
  const char* name;     // zarkel-cli's: "axisLandCoreMax"
  std::int32_t side;    // whose units it limits: 0 Axis, 1 Allies
  LimitedCount count;
  // Where its edit stands on "Campaign Data": the row in the column of its side (Axis on the
  // left), and the text the edit shows before a scenario is opened (the window's name of it).
  std::int32_t row;
  const char* firstText;
};

// The setting of each limit, in LimitField order.
const std::array<LimitSetting, kLimitFieldCount>& LimitSettings();
inline const LimitSetting& Limit(std::int32_t field) {
  return LimitSettings().at(static_cast<std::size_t>(field));
}

// What the step of a type change is named after: "Change of Type of Scenario".
constexpr const char* kScenarioTypeCaption = "Type of Scenario";

// The caption without its leading and trailing blanks, as messages name the edit:
// "max allied core", "max axis navy core units ***".
std::string LimitCaptionInMessages(std::int32_t field);

// Where the limit's byte lies in a scenario file of this geometry and layout.
std::int32_t LimitOffset(std::int32_t field, const ScenarioGeometry& geometry,
                         ScenarioLayout layout);

// The limit zarkel-cli names `name`; none for a name that is no limit's.
std::optional<std::int32_t> LimitFieldNamed(const std::string& name);

// What the figure counts, as messages say it: "core", "auxiliary", "non-naval core", "naval core".
const char* LimitedCountWords(LimitedCount count);

}  // namespace zarkel
