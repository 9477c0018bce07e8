// The names every face shows for the same things, in one table: the layouts, the sides, the
// pages, the fields of a unit's review, the counts of "Update Current Values", where each limit
// stands on "Campaign Data", and the question before edits are discarded. The window builds its
// controls from it, zarkel-cli takes its flag values from it, and the page receives it through
// the module, so that the three say the same.
//
// Each table is indexed by its enum and each row names its own enum value; a row left out or
// out of order fails to compile (see the static_asserts in vocabulary.cpp).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/campaign_settings.h"
#include "model/scenario_layout.h"
#include "model/unit_tables.h"

namespace zarkel {

struct LayoutWords {
  ScenarioLayout layout;
  const char* key;      // on command lines and in the page: "homemade", "original"
  const char* caption;  // the window's radio button
};
extern const std::array<LayoutWords, 2> kLayoutWords;
const LayoutWords& WordsOf(ScenarioLayout layout);
// None for anything but a layout's key.
std::optional<ScenarioLayout> LayoutByKey(std::string_view key);

struct SideWords {
  std::int32_t side;
  const char* key;    // on command lines: "axis", "allies"; the third side is never chosen
  const char* title;  // above a side's lists and on reports: "Axis", "Allies", "Third side"
};
extern const std::array<SideWords, kSideCount> kSideWords;
// None for anything but the key of a side that can be chosen (Axis or Allies).
std::optional<std::int32_t> SideByKey(std::string_view key);

// The window's pages in the order of its tabs; the page shows the same.
enum class EditorPage : std::int32_t {
  OpenFile,
  CoreUnits,
  AuxUnits,
  Transfer,
  CampaignData,
  AxisCampaign,
  OrderOfBattle,
  AlliedCampaign,
  Homemade,
  Map,
};
constexpr std::int32_t kEditorPageCount = 10;
struct PageWords {
  EditorPage page;
  const char* key;      // the page's own name for it ("open", "core", ...)
  const char* caption;  // the tab's text, as the window has it ("Aux Units " ends in a space)
};
extern const std::array<PageWords, kEditorPageCount> kPageWords;

// The twelve fields of a unit's review, in the order of the unit pages.
enum class ReviewField : std::int32_t {
  Name,
  UnitType,
  Country,
  EquipmentName,
  LandTransport,
  NavalTransport,
  Column,
  Row,
  Used,
  Strength,
  Entrenchment,
  Experience,
};
constexpr std::int32_t kReviewFieldCount = 12;
struct ReviewFieldWords {
  ReviewField field;
  const char* key;      // the page's name of the field ("equipmentName")
  const char* caption;  // "Equipment Name:"
  bool editable;        // one of the four "Accept Changes" takes
};
extern const std::array<ReviewFieldWords, kReviewFieldCount> kReviewFieldWords;

// The four counts of "Update Current Values", each side's column.
constexpr std::int32_t kUnitCountCaptionCount = 4;
extern const std::array<const char*, kUnitCountCaptionCount> kUnitCountCaptions;

// Where a limit's edit stands on "Campaign Data" and its first text, as the limits' own table
// (model/campaign_settings) gives them: in the column of the side it limits (Axis on the left),
// on its row, tab order down each column.
struct LimitPlace {
  LimitField field;
  std::int32_t row;
  const char* firstText;
};
extern const std::array<LimitPlace, kLimitFieldCount> kLimitPlaces;
const LimitPlace& PlaceOf(LimitField field);

// The question before edits not written are discarded (a new opening, closing the window).
constexpr const char* kDiscardTitle = "zarkel";
constexpr const char* kDiscardQuestion =
    "The scenario has changes that were not written. Discard them?";

}  // namespace zarkel
