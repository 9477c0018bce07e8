#include "roster/plausible_content.h"

#include <algorithm>

#include "base/errors.h"
#include "base/utf8_path.h"

namespace zarkel {

namespace {

constexpr std::size_t kMostReasons = 3;
constexpr std::int32_t kLastCountry = 30;
constexpr std::int32_t kLastSide = 2;
constexpr std::int32_t kLastOrderNumber = 199;

// A name is text when the bytes before its first zero byte hold no control character.
bool NameIsText(const std::string& fullName) {
  for (const char c : fullName) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == 0)
      return true;
    if (byte < 0x20 || byte == 0x7F)
      return false;
  }
  return true;
}

}  // namespace

std::vector<std::string> ImplausibleContent(const EditorState& state) {
  const ScenarioData& scenario = state.scenario;
  std::vector<std::string> reasons;
  if (!scenario.layout)
    return reasons;
  const ScenarioGeometry& geometry = scenario.geometry;
  if (geometry.mapSizeA == 0 || geometry.mapSizeB == 0) {
    reasons.push_back("the map is " + std::to_string(geometry.mapSizeA) + " x " +
                      std::to_string(geometry.mapSizeB) + " hexes");
  }

  const std::int32_t units = scenario.units.size();
  const std::int32_t equipmentCount = state.equipment.equipmentCount;
  const std::int32_t lastId = equipmentCount > 0 ? equipmentCount - 1 : kMinEquipmentIds - 1;
  std::int32_t notText = 0;
  std::int32_t badCountry = 0;
  std::int32_t noSide = 0;
  std::int32_t badOrder = 0;
  std::int32_t badEquipment = 0;
  for (std::int32_t k = 1; k <= units; ++k) {
    const UnitRecord& unit = scenario.units.at(k);
    notText += NameIsText(scenario.names.at(k)) ? 0 : 1;
    badCountry += unit.country() > kLastCountry ? 1 : 0;
    noSide += unit.side() > kLastSide ? 1 : 0;
    badOrder += unit.orderNumber() > kLastOrderNumber ? 1 : 0;
    badEquipment += unit.equipmentId() > lastId ? 1 : 0;
  }
  // Most units, not a few: a scenario may well hold an odd unit or two.
  auto most = [units](std::int32_t count) { return count > 0 && 2 * count > units; };
  auto of = [units](std::int32_t count) {
    return std::to_string(count) + " of " + std::to_string(units) + " ";
  };
  if (most(notText))
    reasons.push_back(of(notText) + "unit names are not text");
  if (most(badEquipment)) {
    reasons.push_back(of(badEquipment) + "units have an equipment id beyond " +
                      (equipmentCount > 0 ? "the equipment file (ids 0 to " : "the game's (0 to ") +
                      std::to_string(lastId) + ")");
  }
  if (most(badCountry))
    reasons.push_back(of(badCountry) + "units have a country beyond the game's 0 to 30");
  if (most(noSide))
    reasons.push_back(of(noSide) + "units belong to no side");
  if (most(badOrder))
    reasons.push_back(of(badOrder) + "units have an order number beyond the game's 0 to 199");
  if (reasons.size() > kMostReasons)
    reasons.resize(kMostReasons);
  return reasons;
}

std::string ImplausibleContentText(const EditorState& state,
                                   const std::vector<std::string>& reasons) {
  std::string text = QuotedPath(PathFromUtf8(state.scenario.geometry.sourcePath).filename()) +
                     " does not look like a scenario of the game: ";
  for (std::size_t i = 0; i < reasons.size(); ++i)
    text += (i > 0 ? "; " : "") + reasons[i];
  return text + ".";
}

}  // namespace zarkel
