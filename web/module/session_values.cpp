#include "session_values.h"

#include "js_values.h"

namespace zarkel::web {

namespace {

template <std::size_t N>
val Latin1Array(const std::array<std::string, N>& texts) {
  val array = val::array();
  for (std::size_t i = 0; i < N; ++i)
    array.set(i, Latin1Text(texts[i]));
  return array;
}

val OptionalLatin1(const std::optional<std::string>& text) {
  return text ? Latin1Text(*text) : val::null();
}

val ToJs(const ExperienceCaptions& captions) {
  val object = val::object();
  object.set("axisAverage", captions.axisAverage);
  object.set("axisNewUnit", captions.axisNewUnit);
  object.set("alliedAverage", captions.alliedAverage);
  object.set("alliedNewUnit", captions.alliedNewUnit);
  object.set("pageAverage", OptionalLatin1(captions.pageAverage));
  object.set("pageNewUnit", OptionalLatin1(captions.pageNewUnit));
  return object;
}

val ToJs(const MapCounter& counter) {
  val object = val::object();
  object.set("unitIndex", counter.unitIndex);
  object.set("side", counter.side);
  object.set("aux", counter.aux);
  object.set("column", counter.column);
  object.set("row", counter.row);
  object.set("label", Latin1Text(counter.label));
  object.set("experience", counter.experience);
  object.set("line", counter.line);
  object.set("dimmed", counter.dimmed);
  object.set("description", Latin1Text(CounterDescription(counter)));
  return object;
}

}  // namespace

const char* PageName(UnitPage page) {
  return page == UnitPage::Aux ? "aux" : "core";
}

std::optional<UnitPage> PageNamed(const std::string& name) {
  if (name == "core")
    return UnitPage::Core;
  if (name == "aux")
    return UnitPage::Aux;
  return std::nullopt;
}

const std::array<FileDialogName, 5>& FileDialogNames() {
  static const std::array<FileDialogName, 5> kNames{{{FileDialogKind::Equipment, "equipment"},
                                                     {FileDialogKind::EquipmentNames, "names"},
                                                     {FileDialogKind::Placenames, "placenames"},
                                                     {FileDialogKind::Title, "title"},
                                                     {FileDialogKind::Description, "description"}}};
  return kNames;
}

val ToJs(const RosterDisplay& display) {
  val object = val::object();
  object.set("coreNames", Latin1Texts(display.coreNames));
  object.set("coreLines", Latin1Texts(display.coreLines));
  object.set("auxLines", Latin1Texts(display.auxLines));
  object.set("auxNames", Latin1Texts(display.auxNames));
  object.set("unusedCoreNames", Latin1Texts(display.unusedCoreNames));
  object.set("unusedAuxNames", Latin1Texts(display.unusedAuxNames));
  object.set("sideCaption", OptionalLatin1(display.sideCaption));
  object.set("composition", Latin1Array(display.compositionCaptions));
  object.set("compositionNote", Latin1Text(display.compositionNote));
  object.set("experience", ToJs(display.experience));
  return object;
}

val ToJs(const ReviewFields& fields) {
  val object = val::object();
  object.set("name", Latin1Text(fields.name));
  object.set("unitType", Latin1Text(fields.unitType));
  object.set("country", Latin1Text(fields.country));
  object.set("equipmentName", Latin1Text(fields.equipmentName));
  object.set("landTransport", Latin1Text(fields.landTransport));
  object.set("navalTransport", Latin1Text(fields.navalTransport));
  object.set("column", Latin1Text(fields.column));
  object.set("row", Latin1Text(fields.row));
  object.set("used", Latin1Text(fields.used));
  object.set("strength", Latin1Text(fields.strength));
  object.set("entrenchment", Latin1Text(fields.entrenchment));
  object.set("experience", Latin1Text(fields.experience));
  return object;
}

val ToJs(const UnitReview& review) {
  val object = val::object();
  object.set("page", PageName(review.page));
  object.set("line", review.line);
  object.set("fields", ToJs(review.fields));
  return object;
}

val ToJs(const UnitEditTexts& texts) {
  val object = val::object();
  object.set("column", Latin1Text(texts.column));
  object.set("row", Latin1Text(texts.row));
  object.set("used", Latin1Text(texts.used));
  object.set("experience", Latin1Text(texts.experience));
  return object;
}

val ToJs(const UnitCountCaptions& captions) {
  val object = val::object();
  object.set("axis", Latin1Array(captions.axis));
  object.set("allied", Latin1Array(captions.allied));
  object.set("note", Latin1Text(captions.note));
  return object;
}

val ToJs(const MapContent& content) {
  val object = val::object();
  object.set("columns", content.columns);
  object.set("rows", content.rows);
  val counters = val::array();
  for (std::size_t i = 0; i < content.counters.size(); ++i)
    counters.set(i, ToJs(content.counters[i]));
  object.set("counters", counters);
  val unplaced = val::array();
  for (std::size_t side = 0; side < content.unplaced.size(); ++side)
    unplaced.set(side, Latin1Texts(content.unplaced[side]));
  object.set("unplaced", unplaced);
  return object;
}

}  // namespace zarkel::web
