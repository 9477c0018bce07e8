#include "page_session.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>

#include "base/errors.h"
#include "base/latin1_text.h"
#include "base/utf8_path.h"
#include "js_values.h"
#include "model/scenario_status.h"
#include "model/vocabulary.h"
#include "session/write_kinds.h"
#include "session_values.h"

namespace zarkel::web {

namespace {

const char* LayoutName(ScenarioLayout layout) {
  return WordsOf(layout).key;
}

// None for anything but a layout's key: the core answers that with its own message.
std::optional<ScenarioLayout> LayoutNamed(const std::optional<std::string>& name) {
  return name ? LayoutByKey(*name) : std::nullopt;
}

// An undo or redo name, which names units by their single-byte names.
val StepName(const std::optional<std::string>& name) {
  return name ? val(PrintableLatin1(*name)) : val::null();
}

// An edit with no scenario open changes nothing: it is refused with the writers' own words.
void RequireOpen(const Session& session) {
  session.RequireOpen();
}

// The bytes of a file for the page: a copy, since a view into the module's memory would be gone
// with them.
val BytesOf(const std::string& bytes) {
  return val::global("Uint8Array")
      .new_(val(emscripten::typed_memory_view(
          bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()))));
}

// The bytes of a Uint8Array from the page, copied in one go; none for none.
std::string BytesText(const val& bytes) {
  if (bytes.isUndefined() || bytes.isNull())
    return std::string();
  std::string text(bytes["length"].as<std::size_t>(), '\0');
  val(emscripten::typed_memory_view(text.size(), reinterpret_cast<std::uint8_t*>(text.data())))
      .call<void>("set", bytes);
  return text;
}

}  // namespace

template <typename Work>
val PageSession::Run(Work&& work) {
  val result = val::object();
  try {
    work(result);
  } catch (const std::exception& error) {
    // The editor's failures (EditorError), and any other: the page must hear of it rather than
    // get a number.
    result.set("error", Shown(error.what()));
  }
  val messages = val::array();
  const std::vector<std::string> shown = dialogs_.TakeShown();
  for (std::size_t i = 0; i < shown.size(); ++i)
    messages.set(i, Shown(shown[i]));
  result.set("messages", messages);
  val asked = val::array();
  const std::vector<PageDialogs::Question> questions = dialogs_.TakeAsked();
  for (std::size_t i = 0; i < questions.size(); ++i) {
    val question = val::object();
    question.set("title", Shown(questions[i].title));
    question.set("text", Shown(questions[i].text));
    asked.set(i, question);
  }
  result.set("asked", asked);
  return result;
}

std::string PageSession::Shown(const std::string& text) const {
  return Utf8OrLatin1(text);
}

void PageSession::GiveFiles(const val& files) {
  const auto count = files["length"].as<std::uint32_t>();
  for (std::uint32_t i = 0; i < count; ++i) {
    const val file = files[i];
    files_.Give(file["name"].as<std::string>(), BytesText(file["bytes"]),
                file["id"].isNumber() ? file["id"].as<std::int32_t>() : 0);
  }
}

// A write into `folder` of the page's files: its files taken out of the module and answered as
// {written: [{name, bytes: Uint8Array}]}, or {declined: true} when a question answered No
// stopped it. The folder goes with whatever a failure left in it.
template <typename Write>
void PageSession::WriteInto(const std::string& folder, val& result, Write&& write) {
  files_.MakeFolder(folder);
  try {
    const std::optional<zarkel::WrittenFiles> written = write();
    if (written) {
      val files = val::array();
      std::uint32_t count = 0;
      for (const auto& [name, bytes] : files_.TakeWritten(written->directory, written->names)) {
        val file = val::object();
        file.set("name", name);
        file.set("bytes", BytesOf(bytes->bytes));
        files.set(count++, file);
      }
      result.set("written", files);
    } else {
      result.set("declined", true);
    }
  } catch (...) {
    files_.RemoveFolder(folder);
    throw;
  }
  files_.RemoveFolder(folder);
}

val PageSession::Open(const val& request) {
  return Run([&](val& result) {
    OpenRequest open = session_.OpenRequestFor(LayoutNamed(TextField(request, "layout")),
                                               TextField(request, "scenario").value_or(""));
    open.placenameDefault = FlagField(request, "placenameDefault").value_or(true);
    open.titleDefault = FlagField(request, "titleDefault").value_or(true);
    open.descriptionDefault = FlagField(request, "descriptionDefault").value_or(true);
    DialogAnswers answers;
    for (const auto& [kind, name] : FileDialogNames()) {
      if (const std::optional<std::string> path = TextField(request, name))
        answers.files.push_back(FileAnswer{kind, *path});
    }
    bool opened = false;
    {
      const PageFiles::ReadingGiven reading(files_);
      opened = session_.Open(open, answers, FlagField(request, "rereadEquipment").value_or(false))
                   .opened;
    }
    KeepInUse(opened);
    result.set("opened", opened);
  });
}

void PageSession::KeepInUse(bool opened) {
  std::vector<std::filesystem::path> inUse;
  for (const FileInUse& file : session_.FilesInUse())
    inUse.push_back(file.path);
  if (opened) {
    files_.KeepAsRead(inUse, inUse);
    return;
  }
  // Without an opening only the equipment read, if it was, is in use anew: the scenario still
  // open is written from the bytes it was read with, whatever a failed opening looked at.
  const EquipmentTables& equipment = session_.state().equipment;
  std::vector<std::filesystem::path> readNow;
  for (const std::filesystem::path& read : files_.ReadAsGiven()) {
    if (read == PathFromUtf8(equipment.equipmentPath) || read == PathFromUtf8(equipment.namesPath))
      readNow.push_back(read);
  }
  files_.KeepAsRead(inUse, readNow);
}

val PageSession::LayoutsAccepting(const std::string& path) {
  val layouts = val::array();
  const PageFiles::ReadingGiven reading(files_);
  for (const ScenarioLayout layout : session_.LayoutsAccepting(path))
    layouts.call<void>("push", val(LayoutName(layout)));
  return layouts;
}

val PageSession::ReloadEquipment(const val& request) {
  return Run([&](val&) {
    DialogAnswers answers;
    if (const std::optional<std::string> path = TextField(request, "equipment"))
      answers.files.push_back(FileAnswer{FileDialogKind::Equipment, *path});
    if (const std::optional<std::string> path = TextField(request, "names"))
      answers.files.push_back(FileAnswer{FileDialogKind::EquipmentNames, *path});
    {
      const PageFiles::ReadingGiven reading(files_);
      session_.ReloadEquipment(answers);
    }
    KeepInUse(false);
  });
}

val PageSession::ChooseSide(std::int32_t side) {
  return Run([&](val&) { session_.ChooseSide(side); });
}

val PageSession::Transfer(const val& request) {
  return Run([&](val& result) {
    RequireOpen(session_);
    const std::vector<std::int32_t> lines = IntegersField(request, "lines");
    const bool toAux = FlagField(request, "toAux").value_or(false);
    const auto display = toAux ? session_.TransferToAux(lines) : session_.TransferToCore(lines);
    result.set("transferred", display.has_value());
  });
}

val PageSession::Review(const val& request) {
  return Run([&](val& result) {
    const std::optional<UnitPage> page = PageNamed(TextField(request, "page").value_or(""));
    const std::optional<std::int32_t> line = IntegerField(request, "line");
    std::optional<ReviewFields> fields;
    if (page)
      fields = session_.Review(*page, line);
    result.set("review", fields ? web::ToJs(UnitReview{*page, *line, *fields}) : val::null());
  });
}

val PageSession::ReviewUnit(std::int32_t unitIndex) {
  return Run([&](val& result) {
    const std::optional<UnitReview> review = session_.ReviewUnit(unitIndex);
    result.set("review", review ? web::ToJs(*review) : val::null());
  });
}

val PageSession::Accept(const val& request) {
  return Run([&](val& result) {
    const std::optional<UnitPage> page = PageNamed(TextField(request, "page").value_or(""));
    if (!page)
      return;
    RequireOpen(session_);
    auto typed = [&](const char* name) {
      return TypedAsLatin1(TextField(request, name).value_or(""));
    };
    const AcceptResult accepted = session_.Accept(
        *page, IntegerField(request, "line"),
        UnitEditTexts{typed("column"), typed("row"), typed("used"), typed("experience")});
    result.set("shown", accepted.shownAfterRejection ? web::ToJs(*accepted.shownAfterRejection)
                                                     : val::null());
  });
}

val PageSession::MoveUnit(std::int32_t unitIndex, std::int32_t column, std::int32_t row) {
  return Run([&](val&) { session_.MoveUnit(unitIndex, column, row); });
}

val PageSession::UnusedClick() {
  return Run([&](val&) { session_.UnusedClick(); });
}

val PageSession::SetType(const std::string& text) {
  return Run([&](val& result) {
    RequireOpen(session_);
    result.set("changed", session_.SetType(Session::TypeOfText(text)));
  });
}

val PageSession::SetLimit(std::int32_t field, const std::string& text) {
  return Run([&](val& result) {
    if (field < 0 || field >= kLimitFieldCount)
      return;
    RequireOpen(session_);
    result.set("changed", session_.SetLimit(field, TypedAsLatin1(text)));
  });
}

val PageSession::UpdateCurrentValues() {
  return Run([&](val& result) { result.set("counts", web::ToJs(session_.UpdateCurrentValues())); });
}

val PageSession::Undo() {
  return Run([&](val& result) { result.set("taken", session_.Undo().has_value()); });
}

val PageSession::Redo() {
  return Run([&](val& result) { result.set("taken", session_.Redo().has_value()); });
}

val PageSession::CampaignEntries() const {
  val limits = val::array();
  for (std::size_t i = 0; i < session_.limitTexts().size(); ++i)
    limits.set(i, Latin1Text(session_.limitTexts()[i]));
  return limits;
}

val PageSession::Snapshot() const {
  val snapshot = val::object();
  snapshot.set("status", Status());
  const std::optional<std::int32_t> side = session_.side();
  snapshot.set("side", side ? val(*side) : val::null());
  snapshot.set("type", session_.battleType());
  snapshot.set("limits", CampaignEntries());
  snapshot.set("undoName", StepName(session_.UndoName()));
  snapshot.set("redoName", StepName(session_.RedoName()));
  snapshot.set("unwritten", session_.HasUnwrittenEdits());
  const EquipmentTables& equipment = session_.state().equipment;
  val read = val::object();
  read.set("loaded", equipment.equipmentLoaded);
  read.set("equipment",
           equipment.equipmentPath.empty() ? val::null() : val(equipment.equipmentPath));
  read.set("names", equipment.namesPath.empty() ? val::null() : val(equipment.namesPath));
  // The numbers of the files read, as the page gave them.
  read.set("equipmentId", files_.IdOf(PathFromUtf8(equipment.equipmentPath)));
  read.set("namesId", files_.IdOf(PathFromUtf8(equipment.namesPath)));
  snapshot.set("equipment", read);
  return snapshot;
}

std::string PageSession::Status() const {
  return ScenarioStatusText(session_.state().scenario);
}

val PageSession::Check() const {
  // The page's lists are not numbered either: lines counted from 1, as in the window.
  // Nothing to check before a scenario is open: the limits' first texts are no scenario's.
  const ScenarioCheck check =
      session_.state().scenario.layout ? session_.Check(LineNumbers::FromOne) : ScenarioCheck{};
  const std::vector<Finding>& found = check.findings;
  val findings = val::array();
  for (std::size_t i = 0; i < found.size(); ++i) {
    val finding = val::object();
    finding.set("kind", FindingKindName(found[i].kind));
    finding.set("side", found[i].side);
    finding.set("unit", found[i].unit);
    finding.set("text", Shown(found[i].text));
    findings.set(i, finding);
  }
  val result = val::object();
  result.set("findings", findings);
  result.set("notes", Latin1Texts(check.notes));
  return result;
}

val PageSession::Write(const val& request) {
  return Run([&](val& result) {
    const std::string key = TextField(request, "kind").value_or("");
    const std::optional<WriteKind> kind = WriteKindByKey(key);
    if (!kind)
      throw std::invalid_argument("\"" + key + "\" is no kind of write");
    const std::string folder = TextField(request, "folder").value_or("");
    DialogAnswers answers;
    answers.yesNo = FlagField(request, "answer");
    WriteInto(folder, result, [&] {
      return session_.Write(
          {*kind, folder, TextField(request, "name").value_or(""),
           TextField(request, "page") == "allied" ? CampaignPage::Allied : CampaignPage::Axis},
          answers);
    });
  });
}

val PageSession::ImportOrderOfBattle(const val& request) {
  return Run([&](val& result) {
    result.set("imported",
               session_.ImportOrderOfBattleBytes(TextField(request, "name").value_or(""),
                                                 BytesText(request["bytes"])));
  });
}

val PageSession::FilesInUse() const {
  val files = val::array();
  std::uint32_t count = 0;
  for (const FileInUse& inUse : session_.FilesInUse()) {
    const std::string path = inUse.path.generic_string();
    val file = val::object();
    file.set("path", path);
    file.set("id", files_.IdOf(inUse.path));
    file.set("what", std::string(inUse.what));
    files.set(count++, file);
  }
  return files;
}

val PageSession::ToJs(const SessionChange& change) const {
  val object = val::object();
  object.set("opened", change.opened);
  object.set("side", change.side);
  const std::optional<std::int32_t> side = session_.side();
  object.set("sideChosen", side ? val(*side) : val::null());
  object.set("rosters", change.rosters ? web::ToJs(*change.rosters) : val::null());
  object.set("review", change.review ? web::ToJs(*change.review) : val::null());
  object.set("campaignEntries", change.campaignEntries);
  if (change.campaignEntries) {
    object.set("type", session_.battleType());
    object.set("limits", CampaignEntries());
  }
  object.set("history", change.history);
  object.set("undoName", StepName(session_.UndoName()));
  object.set("redoName", StepName(session_.RedoName()));
  object.set("unwritten", session_.HasUnwrittenEdits());
  object.set("written", change.written ? Texts(change.written->names) : val::null());
  object.set("status", Shown(change.status));
  object.set("scenario", Status());
  return object;
}

std::int32_t PageSession::Subscribe(val callback) {
  return session_.Subscribe(
      [this, callback](const SessionChange& change) { callback(ToJs(change)); });
}

}  // namespace zarkel::web
