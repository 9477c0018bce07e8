#include "model/vocabulary.h"

#include <cstddef>

namespace zarkel {

namespace {

constexpr std::array<LayoutWords, 2> kLayoutRows{{
    {ScenarioLayout::Homemade, "homemade", "Homemade"},
    {ScenarioLayout::Original, "original", "Orvane Original"},
}};

constexpr std::array<SideWords, kSideCount> kSideRows{{
    {0, "axis", "Axis"},
    {1, "allies", "Allies"},
    {2, "third", "Third side"},
}};

constexpr std::array<PageWords, kEditorPageCount> kPageRows{{
    {EditorPage::OpenFile, "open", "Open File"},
    {EditorPage::CoreUnits, "core", "Core Units"},
    {EditorPage::AuxUnits, "aux", "Aux Units "},
    {EditorPage::Transfer, "transfer", "Core/Aux Transfer"},
    {EditorPage::CampaignData, "campaign-data", "Campaign Data"},
    {EditorPage::AxisCampaign, "axis-campaign", "Axis Campaign"},
    {EditorPage::OrderOfBattle, "ob", "OB's"},
    {EditorPage::AlliedCampaign, "allied-campaign", "Allied Campaign"},
    {EditorPage::Homemade, "homemade", "Home Made"},
    {EditorPage::Map, "map", "Map"},
}};

constexpr std::array<ReviewFieldWords, kReviewFieldCount> kReviewFieldRows{{
    {ReviewField::Name, "name", "Name:", false},
    {ReviewField::UnitType, "unitType", "Unit Type:", false},
    {ReviewField::Country, "country", "Country:", false},
    {ReviewField::EquipmentName, "equipmentName", "Equipment Name:", false},
    {ReviewField::LandTransport, "landTransport", "Land Trans:", false},
    {ReviewField::NavalTransport, "navalTransport", "Naval Trans:", false},
    {ReviewField::Column, "column", "Column:", true},
    {ReviewField::Row, "row", "Row:", true},
    {ReviewField::Used, "used", "Used:", true},
    {ReviewField::Strength, "strength", "Strength:", false},
    {ReviewField::Entrenchment, "entrenchment", "Entrenchment:", false},
    {ReviewField::Experience, "experience", "Experience:", true},
}};

// Every row present, in the order of its enum, with its texts: a row left out of an array
// sized by the enum's count is zero-filled, which these catch at compile time.
template <typename Row, std::size_t N, typename IdOf>
constexpr bool InOrder(const std::array<Row, N>& rows, IdOf idOf) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(idOf(rows[i])) != i)
      return false;
  }
  return true;
}
template <typename Row, std::size_t N>
constexpr bool Named(const std::array<Row, N>& rows) {
  for (const Row& row : rows) {
    if (row.key == nullptr || row.caption == nullptr)
      return false;
  }
  return true;
}

static_assert(InOrder(kLayoutRows, [](const LayoutWords& r) { return r.layout; }) &&
              Named(kLayoutRows));
static_assert(InOrder(kSideRows, [](const SideWords& r) { return r.side; }));
static_assert(InOrder(kPageRows, [](const PageWords& r) { return r.page; }) && Named(kPageRows));
static_assert(InOrder(kReviewFieldRows, [](const ReviewFieldWords& r) { return r.field; }) &&
              Named(kReviewFieldRows));
static_assert([] {
  for (const SideWords& row : kSideRows) {
    if (row.key == nullptr || row.title == nullptr)
      return false;
  }
  return true;
}());

}  // namespace

const std::array<LayoutWords, 2> kLayoutWords = kLayoutRows;
const std::array<SideWords, kSideCount> kSideWords = kSideRows;
const std::array<PageWords, kEditorPageCount> kPageWords = kPageRows;
const std::array<ReviewFieldWords, kReviewFieldCount> kReviewFieldWords = kReviewFieldRows;
const std::array<const char*, kUnitCountCaptionCount> kUnitCountCaptions{
    "# of Core:", "# of Aux:", "# of non-naval Core:", "# of naval Core:"};
const std::array<LimitPlace, kLimitFieldCount> kLimitPlaces = [] {
  std::array<LimitPlace, kLimitFieldCount> places{};
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
    places[static_cast<std::size_t>(field)] =
        LimitPlace{static_cast<LimitField>(field), Limit(field).row, Limit(field).firstText};
  }
  return places;
}();

const LayoutWords& WordsOf(ScenarioLayout layout) {
  return kLayoutWords[static_cast<std::size_t>(layout)];
}

std::optional<ScenarioLayout> LayoutByKey(std::string_view key) {
  for (const LayoutWords& row : kLayoutWords) {
    if (key == row.key)
      return row.layout;
  }
  return std::nullopt;
}

std::optional<std::int32_t> SideByKey(std::string_view key) {
  for (std::int32_t side = 0; side < 2; ++side) {
    if (key == kSideWords[static_cast<std::size_t>(side)].key)
      return side;
  }
  return std::nullopt;
}

const LimitPlace& PlaceOf(LimitField field) {
  return kLimitPlaces[static_cast<std::size_t>(field)];
}

}  // namespace zarkel
