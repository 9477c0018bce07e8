#include "roster/unit_review.h"

#include "base/integer_text.h"

namespace zarkel {

namespace {

constexpr const char* kUsedRejected = "\"0\" and \"NO\" are the only two valid entries";
constexpr const char* kSetUnused = "Because Status set to Unused Columns and Rows set to 0";
constexpr const char* kNotSelectable = "Not Selectable";

// The UnitTable position behind a line of the page's list, or 0 when there is none.
std::int32_t UnitBehindLine(const EditorState& state, UnitPage page,
                            std::optional<std::int32_t> line) {
  const auto& map = page == UnitPage::Core ? state.view.coreListMap : state.view.auxListMap;
  if (!line || *line < 0 || *line >= static_cast<std::int32_t>(map.size()))
    return 0;
  const SideRoster& roster = state.scenario.rosters.at(state.view.currentSide);
  const std::int32_t position = map[static_cast<std::size_t>(*line)];
  if (position < 1 || position > roster.rosterCount())
    return 0;
  return roster.pairs.at(position).unitIndex;
}

// The byte typed into a field of the page, or UnitFieldError for that field.
std::uint8_t FieldByte(const std::string& text, UnitField field) {
  static const char* const kCaptions[] = {"Column", "Row", "Used", "Experience"};
  try {
    return ParseByte(text, kCaptions[static_cast<int>(field)]);
  } catch (const ConversionError& error) {
    throw UnitFieldError(error, field);
  }
}

// The stores of "Accept Changes" into unit k. Every field is checked before any is stored: a
// column, row or experience that is refused throws before the unit changes, and a rejected used
// text stores nothing either, with what the edits show then in `result`.
void StoreUnitChanges(EditorState& state, Dialogs& dialogs, std::int32_t k,
                      const UnitEditTexts& texts, AcceptResult& result) {
  UnitRecord& unit = state.scenario.units.at(k);
  const std::uint8_t column = FieldByte(texts.column, UnitField::Column);
  const std::uint8_t row = FieldByte(texts.row, UnitField::Row);
  const std::uint8_t experience = FieldByte(texts.experience, UnitField::Experience);

  if (texts.used != kUsedPlaced && texts.used != kUsedNotPlaced) {
    dialogs.ShowMessage(kUsedRejected);
    result.shownAfterRejection =
        UnitEditTexts{std::to_string(unit.columnLow()), std::to_string(unit.rowLow()),
                      UsedStatus(unit), std::to_string(unit.experience())};
    return;
  }
  unit.setColumnLow(column);
  unit.setRowLow(row);
  unit.setExperience(experience);
  if (texts.used == kUsedPlaced) {
    unit.setPlacementMarks(0);
  } else {
    unit.setPlacementMarks(1);
    unit.setColumnLow(0);
    unit.setRowLow(0);
    dialogs.ShowMessage(kSetUnused);
  }
}

}  // namespace

std::uint8_t UnitFieldByte(const std::string& text, UnitField field) {
  return FieldByte(text, field);
}

bool IsValidUsedText(const std::string& text) {
  return text == kUsedPlaced || text == kUsedNotPlaced;
}

const char* UsedTextRejection() {
  return kUsedRejected;
}

std::optional<ReviewFields> ReviewUnit(const EditorState& state, UnitPage page,
                                       std::optional<std::int32_t> selectedLine) {
  const std::int32_t k = UnitBehindLine(state, page, selectedLine);
  if (k == 0)
    return std::nullopt;
  const UnitRecord& unit = state.scenario.units.at(k);
  const EquipmentTables& equipment = state.equipment;
  ReviewFields fields;
  fields.name = unit.ShownName();
  fields.unitType = equipment.ClassName(unit.equipmentId());
  fields.country = CountryCode(unit.country());
  fields.equipmentName = equipment.EquipmentName(unit.equipmentId());
  fields.landTransport = equipment.TransportName(unit.landTransportId());
  fields.navalTransport = equipment.TransportName(unit.navalTransportId());
  fields.column = std::to_string(unit.columnLow());
  fields.row = std::to_string(unit.rowLow());
  fields.used = UsedStatus(unit);
  fields.strength = std::to_string(unit.strength());
  fields.entrenchment = std::to_string(unit.entrenchment());
  fields.experience = std::to_string(unit.experience());
  return fields;
}

std::optional<ListedLine> ListedLineOf(const EditorState& state, std::int32_t unitIndex) {
  const SideRoster& roster = state.scenario.rosters.at(state.view.currentSide);
  for (const UnitPage page : {UnitPage::Core, UnitPage::Aux}) {
    const auto& map = page == UnitPage::Core ? state.view.coreListMap : state.view.auxListMap;
    for (std::size_t line = 0; line < map.size(); ++line) {
      const std::int32_t position = map[line];
      if (position >= 1 && position <= roster.rosterCount() &&
          roster.pairs.at(position).unitIndex == unitIndex)
        return ListedLine{page, static_cast<std::int32_t>(line)};
    }
  }
  return std::nullopt;
}

AcceptResult AcceptUnitChanges(EditorState& state, Dialogs& dialogs, UnitPage page,
                               std::optional<std::int32_t> selectedLine, const UnitEditTexts& texts,
                               SideButtons side) {
  AcceptResult result;
  const bool lineChosen = selectedLine.has_value() && *selectedLine >= 0;
  if (!lineChosen) {
    // The core page refreshes all the same; the auxiliary page does nothing.
    if (page == UnitPage::Core)
      result.refreshed = RefreshRosters(state, side);
    return result;
  }
  if (side.axis)
    state.view.currentSide = 0;
  if (side.allies)
    state.view.currentSide = 1;
  const std::int32_t k = UnitBehindLine(state, page, selectedLine);
  if (k == 0) {
    if (page == UnitPage::Core)
      result.refreshed = RefreshRosters(state, side);
    return result;
  }
  // What was stored is one step of the history; a refused accept stores nothing.
  const UnitRecord before = state.scenario.units.at(k);
  StoreUnitChanges(state, dialogs, k, texts, result);
  UnitChangeStep change = DiffUnit(k, before, state.scenario.units.at(k));
  if (!change.bytes.empty())
    state.history.Record(EditStep{state.view.currentSide, std::move(change)});
  if (!result.shownAfterRejection)
    result.refreshed = RefreshRosters(state, side);
  return result;
}

RosterDisplay UnusedListClick(EditorState& state, Dialogs& dialogs, SideButtons side) {
  dialogs.ShowMessage(kNotSelectable);
  return RefreshRosters(state, side);
}

}  // namespace zarkel
