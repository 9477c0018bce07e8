// The page's module: the editor's core and session compiled to WebAssembly, bound through
// embind. The page puts the files the user gives into the module's in-memory file system and
// names them by their paths there; the texts it shows come from here, never made up in the page.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "base/utf8_path.h"
#include "base/version.h"
#include "model/campaign_page.h"
#include "model/campaign_settings.h"
#include "model/dialogs.h"
#include "model/editor_state.h"
#include "model/roster_display.h"
#include "model/vocabulary.h"
#include "model/write_questions.h"
#include "model/written_files.h"
#include "page_map.h"
#include "page_map_style.h"
#include "page_name_match.h"
#include "page_session.h"
#include "session/session.h"
#include "session_values.h"

namespace zarkel::web {

namespace {

using emscripten::val;

val Slots(CampaignPage page) {
  val slots = val::array();
  const auto& all = CampaignSlots(page);
  for (std::size_t i = 0; i < all.size(); ++i) {
    val slot = val::object();
    slot.set("caption", all[i].caption);
    slot.set("baseName", all[i].baseName);
    slots.set(i, slot);
  }
  return slots;
}

// The core's fixed texts that the page shows: the vocabulary (layouts, sides, pages, the review's
// fields, the counts' captions, where each limit stands), captions, dialog titles, the Homemade
// and discard questions, what a write declined says, and the program's version.
val Texts() {
  val texts = val::object();
  val limits = val::array();
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field)
    limits.set(field, std::string(Limit(field).caption));
  texts.set("limits", limits);
  val composition = val::array();
  for (std::size_t i = 0; i < CompositionRows().size(); ++i)
    composition.set(i, CompositionRows()[i].caption);
  texts.set("composition", composition);
  val layouts = val::object();
  for (const LayoutWords& words : kLayoutWords)
    layouts.set(words.key, words.caption);
  texts.set("layouts", layouts);
  // Where each limit's edit stands: the side it limits is its column.
  val limitPlaces = val::array();
  for (const LimitPlace& place : kLimitPlaces) {
    val entry = val::object();
    entry.set("field", static_cast<std::int32_t>(place.field));
    entry.set("column", Limit(place.field).side);
    entry.set("row", place.row);
    entry.set("firstText", place.firstText);
    limitPlaces.set(static_cast<std::int32_t>(place.field), entry);
  }
  texts.set("limitPlaces", limitPlaces);
  val sides = val::array();
  for (const SideWords& words : kSideWords)
    sides.set(words.side, words.title);
  texts.set("sides", sides);
  val pages = val::object();
  for (const PageWords& words : kPageWords)
    pages.set(words.key, words.caption);
  texts.set("pages", pages);
  val fields = val::array();
  for (std::size_t i = 0; i < kReviewFieldWords.size(); ++i) {
    val entry = val::object();
    entry.set("key", kReviewFieldWords[i].key);
    entry.set("caption", kReviewFieldWords[i].caption);
    entry.set("editable", kReviewFieldWords[i].editable);
    fields.set(i, entry);
  }
  texts.set("reviewFields", fields);
  val counts = val::array();
  for (std::size_t i = 0; i < kUnitCountCaptions.size(); ++i)
    counts.set(i, kUnitCountCaptions[i]);
  texts.set("countCaptions", counts);
  val discard = val::object();
  discard.set("title", kDiscardTitle);
  discard.set("text", kDiscardQuestion);
  texts.set("discardQuestion", discard);
  val campaign = val::object();
  for (const CampaignPage page : {CampaignPage::Axis, CampaignPage::Allied}) {
    val entry = val::object();
    entry.set("caption", CampaignPageCaption(page));
    entry.set("slots", Slots(page));
    campaign.set(page == CampaignPage::Axis ? "axis" : "allied", entry);
  }
  texts.set("campaign", campaign);
  val dialogs = val::object();
  for (const auto& [kind, name] : FileDialogNames()) {
    val look = val::object();
    look.set("title", DialogLook(kind).title);
    look.set("pattern", DialogLook(kind).filterPattern);
    dialogs.set(name, look);
  }
  texts.set("fileDialogs", dialogs);
  val question = val::object();
  question.set("title", kConfirmTitle);
  question.set("text", kConfirmOriginalConversion);
  texts.set("homemadeQuestion", question);
  texts.set("notWritten", std::string(kNotWritten));
  texts.set("version", std::string(kVersion));
  return texts;
}

// The question a write into the user's folder asks before it replaces files there: `folder` as
// the page names it, `names` the files of the write that the folder holds already.
val ReplaceQuestionOf(const std::string& folder, const val& names) {
  std::vector<std::string> existing;
  const auto count = names["length"].as<std::uint32_t>();
  for (std::uint32_t i = 0; i < count; ++i)
    existing.push_back(names[i].as<std::string>());
  val question = val::object();
  question.set("title", kReplaceTitle);
  question.set("text", Session::ReplaceQuestionText(PathFromUtf8(folder), existing));
  return question;
}

}  // namespace

EMSCRIPTEN_BINDINGS(zarkel) {
  emscripten::function("texts", &Texts);
  emscripten::function("replaceQuestion", &ReplaceQuestionOf);
  emscripten::function("mapStyle", &MapStyleForPage);
  emscripten::function("pickFile", &PickFile);
  emscripten::function("namesIgnoringCase", &NamesIgnoringCaseOf);
  emscripten::class_<PageSession>("Session")
      .constructor<>()
      .function("giveFiles", &PageSession::GiveFiles)
      .function("open", &PageSession::Open)
      .function("layoutsAccepting", &PageSession::LayoutsAccepting)
      .function("reloadEquipment", &PageSession::ReloadEquipment)
      .function("chooseSide", &PageSession::ChooseSide)
      .function("transfer", &PageSession::Transfer)
      .function("review", &PageSession::Review)
      .function("reviewUnit", &PageSession::ReviewUnit)
      .function("accept", &PageSession::Accept)
      .function("moveUnit", &PageSession::MoveUnit)
      .function("unusedClick", &PageSession::UnusedClick)
      .function("setType", &PageSession::SetType)
      .function("setLimit", &PageSession::SetLimit)
      .function("updateCurrentValues", &PageSession::UpdateCurrentValues)
      .function("undo", &PageSession::Undo)
      .function("redo", &PageSession::Redo)
      .function("snapshot", &PageSession::Snapshot)
      .function("status", &PageSession::Status)
      .function("check", &PageSession::Check)
      .function("write", &PageSession::Write)
      .function("notDelivered", &PageSession::NotDelivered)
      .function("importOrderOfBattle", &PageSession::ImportOrderOfBattle)
      .function("filesInUse", &PageSession::FilesInUse)
      .function("subscribe", &PageSession::Subscribe)
      .function("unsubscribe", &PageSession::Unsubscribe);
  emscripten::class_<PageMap>("MapView")
      .constructor<>()
      .function("setContent", &PageMap::SetContent)
      .function("setView", &PageMap::SetView)
      .function("view", &PageMap::View)
      .function("fit", &PageMap::Fit)
      .function("hexAt", &PageMap::HexAt)
      .function("counterAt", &PageMap::CounterAt)
      .function("hexOutline", &PageMap::HexOutline)
      .function("frame", &PageMap::Frame);
}

}  // namespace zarkel::web
