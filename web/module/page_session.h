// The page's editing session: the session every face shares, driven through plain JavaScript
// objects. Each operation answers an object with the core's texts and never throws into
// JavaScript: a failure comes back as `error`, what the dialogs showed as `messages`, a question
// that no answer was given for as `asked` ([{title, text}], answered No). What an operation
// changed reaches the page through the observers, as it reaches the window.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <string>

#include "page_dialogs.h"
#include "page_files.h"
#include "session/session.h"

namespace zarkel::web {

using emscripten::val;

class PageSession {
 public:
  PageSession() : session_(dialogs_, files_) {}

  // [{name, bytes: Uint8Array, id}]: files the user gave, each under its name, with the number
  // the page knows it by; a file given before under that name is replaced, except as the open
  // scenario works from it (see PageFiles).
  void GiveFiles(const val& files);

  // {layout: "homemade" | "original", scenario, equipment, names, placenames, title,
  // description, placenameDefault, titleDefault, descriptionDefault, rereadEquipment}: the
  // names of the files given that were chosen, which answer the file dialogs the opening shows; a
  // default flag left out is set. `rereadEquipment` reads the equipment files again, as at the
  // first opening. Answers {opened}.
  val Open(const val& request);
  // The layouts whose checks accept the scenario at `path`: ["homemade"], ["original"], both or
  // none.
  val LayoutsAccepting(const std::string& path);
  // {equipment, names}: "Reload Equipment File".
  val ReloadEquipment(const val& request);

  val ChooseSide(std::int32_t side);
  // {toAux: bool, lines: [..]}: "Transfer =>" or "<= Transfer" on the lines of the side chosen.
  val Transfer(const val& request);
  // {page: "core" | "aux", line}: the unit behind a line; answers {review} (null: none).
  val Review(const val& request);
  // A unit chosen by itself (on the map); answers {review}.
  val ReviewUnit(std::int32_t unitIndex);
  // The edits (Accept, Transfer, SetType, SetLimit) with no scenario open are refused.
  // {page, line, column, row, used, experience}: "Accept Changes". Answers {shown}: after a used
  // text that is neither "0" nor "NO", the four texts the page's edits show instead.
  val Accept(const val& request);
  val MoveUnit(std::int32_t unitIndex, std::int32_t column, std::int32_t row);
  val UnusedClick();

  // The type as typed, read as the window reads it.
  val SetType(const std::string& text);
  val SetLimit(std::int32_t field, const std::string& text);
  // Answers {counts: {axis: [4], allied: [4]}}.
  val UpdateCurrentValues();

  val Undo();
  val Redo();

  // Everything the page shows of the session at once, for a page that starts following it:
  // {status, side, type, limits, undoName, redoName, unwritten, equipment: {loaded, equipment,
  // names, equipmentId, namesId}}: the names of the files the equipment tables were read from
  // (null: none) and the numbers the page gave those files (0: none).
  val Snapshot() const;
  std::string Status() const;
  // {findings: [{kind, side, unit, text}] in the check's order, notes: [what it could not
  // look at]}.
  val Check() const;
  const Session& session() const { return session_; }

  // {kind, name, page, folder, answer}: a write of the kind whose key is `kind` ("campaign",
  // "ob", "ob-spreadsheet", "homemade"; see write_kinds.h) into `folder`, named as the user sees
  // where the files go ("downloads", a zip's name, a folder picked). `name` is the name typed,
  // for a campaign the checked slot's base name or the user's own; `page` ("axis" | "allied") a
  // campaign's page. `answer` answers the question a writer asks (the Homemade writer's of an
  // Original scenario); without it the write stops at the question, answered No, and `asked`
  // holds it for the page to ask. Answers {written: [{name, bytes: Uint8Array}]}, the files in
  // the order the write made them, which the page then delivers, or {declined: true}.
  val Write(const val& request);

  // The last write's files the page could not put in place: a campaign or Homemade write leaves
  // the edits unwritten again.
  void NotDelivered() { session_.WriteNotDelivered(); }

  // {name, bytes: Uint8Array}: "Import OB…" of the file the user picked, `name` as the user sees
  // it. Answers {imported}: whether a step was made; a refused file comes back as `error`.
  val ImportOrderOfBattle(const val& request);

  // The files the open scenario works from: [{path, what, id}], `path` the name it was given by,
  // `id` the number the page gave the file as it was read (0: none).
  val FilesInUse() const;

  // `callback(change)` after every operation that changed something; answers the number that
  // Unsubscribe takes. The callback must not throw.
  std::int32_t Subscribe(val callback);
  void Unsubscribe(std::int32_t id) { session_.Unsubscribe(id); }

 private:
  template <typename Work>
  val Run(Work&& work);
  val ToJs(const SessionChange& change) const;
  val CampaignEntries() const;
  std::string Shown(const std::string& text) const;
  template <typename Write>
  void WriteInto(const std::string& folder, val& result, Write&& write);
  // After an opening (`opened`: one that opened the scenario) or a reading of the equipment: the
  // files in use from now on, those it read as they were given, the others as read before.
  void KeepInUse(bool opened);

  PageDialogs dialogs_;
  PageFiles files_;
  Session session_;
};

}  // namespace zarkel::web
