// The editing session: one open scenario and everything done to it, shared by every face of the
// editor (the window, zarkel-cli, the browser page). It owns the editor's state with its edit
// history, the side chosen, and the scenario type and limit texts as set; its operations are
// the editor's. Each returns what it changed and tells the observers the same, so that a view
// redraws from the session and never drives another view.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/campaign_display.h"
#include "model/campaign_page.h"
#include "model/companion_reading.h"
#include "model/dialogs.h"
#include "model/editor_state.h"
#include "model/file_in_use.h"
#include "model/open_request.h"
#include "model/scenario_findings.h"
#include "model/undone_step.h"
#include "model/unit_edit.h"
#include "model/written_files.h"
#include "session/dialog_answers.h"
#include "session/map_model.h"
#include "session/session_change.h"
#include "session/write_kinds.h"

namespace zarkel {

struct ObImport;

class Session {
 public:
  // `dialogs` shows what the operations ask and say; `files` holds every file the session reads
  // and writes. Both must outlive the session.
  explicit Session(Dialogs& dialogs, FileSystem& files = DiskFileSystem()) : dialogs_(dialogs) {
    state_.files = &files;
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  const EditorState& state() const { return state_; }
  // 0 Axis, 1 Allies; none before the first choice.
  std::optional<std::int32_t> side() const { return side_; }
  std::int32_t battleType() const { return state_.scenario.entries.battleType; }
  const LimitTexts& limitTexts() const { return state_.scenario.entries.limitTexts; }
  bool HasUnwrittenEdits() const { return state_.history.HasUnwrittenEdits(); }
  std::optional<std::string> UndoName() const;
  std::optional<std::string> RedoName() const;

  // An observer is told after every operation that changed something, also one that failed
  // half-way. Returns the number that Unsubscribe takes.
  using Observer = std::function<void(const SessionChange&)>;
  std::int32_t Subscribe(Observer observer);
  void Unsubscribe(std::int32_t id);

  // "Open File", with the side chosen. The equipment is read at the first opening, and again
  // at one with `rereadEquipment` (the page, whose boxes name the equipment in use, asks for it
  // when they name other files than those read); the status then names the files read. A
  // failure leaves the open scenario as it was; equipment read before it stays read.
  OpenResult Open(OpenRequest request, const DialogAnswers& answers = {},
                  bool rereadEquipment = false);
  // The request of an opening of the scenario file at `path` (UTF-8; a relative one is taken from
  // the working folder): its folder and file name, the companion files found by default. An
  // empty path names no file.
  OpenRequest OpenRequestFor(std::optional<ScenarioLayout> layout, const std::string& path) const;
  // The layouts whose checks of the size accept the scenario file at `path`, in the order
  // Homemade, Original; none for a file that cannot be read (the opening says why).
  std::vector<ScenarioLayout> LayoutsAccepting(const std::string& path) const;
  // "Reload Equipment File"; the status names the files read.
  void ReloadEquipment(const DialogAnswers& answers = {});

  // A side button: the side becomes the one chosen, and its rosters are shown.
  RosterDisplay ChooseSide(std::int32_t side);
  // The lists built again for the side chosen, and the experience figures alone.
  RosterDisplay Refresh();
  ExperienceCaptions UpdateExperience();

  // "Transfer =>" and "<= Transfer" on lines of the side chosen; none when no line is given.
  std::optional<RosterDisplay> TransferToAux(const std::vector<std::int32_t>& lines);
  std::optional<RosterDisplay> TransferToCore(const std::vector<std::int32_t>& lines);

  // Throws the refusal an edit meets with no scenario open: "No scenario is open. Open one on
  // the "Open File" page first."
  void RequireOpen() const;
  // The fields of the unit behind a line as a review shows them, without showing them (what a
  // face compares its fields with); none when the line shows none.
  std::optional<ReviewFields> FieldsOf(UnitPage page, std::optional<std::int32_t> line) const;
  // The unit behind a line of a page's list, shown for review; none when the line shows none.
  std::optional<ReviewFields> Review(UnitPage page, std::optional<std::int32_t> line);
  // The same, for a unit chosen by itself (on the map): found on the lists of the side chosen.
  std::optional<UnitReview> ReviewUnit(std::int32_t unitIndex);
  // "Accept Changes" with the four texts of the page's edits.
  AcceptResult Accept(UnitPage page, std::optional<std::int32_t> line, const UnitEditTexts& texts);
  // A unit of the side chosen moved to another hex: its review with the column and row replaced,
  // accepted as "Accept Changes" accepts it, with the same checks and messages. Throws Refusal
  // for a unit that is not on the lists of the side chosen.
  AcceptResult MoveUnit(std::int32_t unitIndex, std::int32_t column, std::int32_t row);
  // The unit at `line` of the list of `page` reviewed, the texts given put into the fields they
  // name, and accepted as "Accept Changes" accepts them. None when the line shows no unit.
  std::optional<AcceptResult> AcceptFields(
      UnitPage page, std::int32_t line,
      const std::vector<std::pair<UnitField, std::string>>& fields);
  // Throws Refusal when `line` is not on the list of `page` of the side chosen, which a face that
  // names lines by number (zarkel-cli) must rule out: a line past the list names no unit, and
  // doing nothing with it would report an edit that was not made. `askedBy` begins the refusal:
  // `--to-aux: line 7 is not on the Axis core list, which has lines 0 to 3.`
  void RequireListedLine(UnitPage page, std::int32_t line, const std::string& askedBy) const;
  // A click on a line of an unused list.
  RosterDisplay UnusedClick();

  // "Type of Scenario" (brought into 0..2) and a limit's text as typed; each a step of the
  // history. False when the value was already held.
  bool SetType(std::int64_t value);
  // The type a text typed for it stands for, as the spin control takes it: a whole number
  // brought into 0..2; a text that is not one (empty, a lone sign, "abc") reads as 0.
  static std::int32_t TypeOfText(const std::string& text);
  bool SetLimit(std::int32_t field, const std::string& text);
  // "Update Current Values".
  UnitCountCaptions UpdateCurrentValues();

  // The Edit menu's "Undo" and "Redo"; none when there is no step to take.
  std::optional<UndoneStep> Undo();
  std::optional<UndoneStep> Redo();

  // A file whose bytes a face makes (the map's picture), written as the writers write theirs:
  // the target checked as every write checks its targets (Refusal for a file in use, a folder, a
  // folder that is not there), the replace question asked when the file is there (`answers`
  // answers it without showing it), then the bytes `make` answers put in place at once and the
  // file reported as the writers' files are. None, having written nothing, when the question was
  // answered No. Such a file is no scenario: the edits do not count as written by it.
  std::optional<WrittenFiles> WriteFileOfFace(const std::filesystem::path& target,
                                              const std::function<std::string()>& make,
                                              const DialogAnswers& answers = {});

  // What the map shows: the counters of the three sides, those of the side chosen movable.
  MapContent Map() const { return BuildMapContent(state_, side_); }

  // The scenario check, with the limits as they stand; units named by their lines counted as
  // the face counts them.
  ScenarioCheck Check(LineNumbers lines) const;

  // What the companion files of an open Original scenario hold, read as the writers read them.
  CompanionSummary Companions() const;

  // The files the open scenario depends on (the scenario, its companions, the equipment files),
  // which no write may replace.
  std::vector<FileInUse> FilesInUse() const;

  // Refuses a name that a write of this kind cannot be given on every system its files go to,
  // before anything is opened or written: `given` says where it was typed ("given in --name").
  static void RequireWriteName(WriteKind kind, const std::string& name, const std::string& given);
  // The line a write's status says and zarkel-cli prints: `Wrote a.scn and sa.tst in "/x"`.
  static std::string WrittenLine(const WrittenFiles& files);
  // The question a write into a folder asks when `existing` stand there already.
  static std::string ReplaceQuestionText(const std::filesystem::path& directory,
                                         const std::vector<std::string>& existing);

  // The last write's files did not reach their place (the page delivers them after the write):
  // when it was a campaign or Homemade write, the edits count as unwritten again, as they were
  // before it. Nothing when another write or an opening came since.
  void WriteNotDelivered();

  // A write of any kind (write_kinds.h), with the type and limits as they stand. Each asks before
  // it replaces files that are there (`answers.replace` answers that question without showing
  // it) and returns none, having written nothing, when it was answered No. A kind that writes the
  // scenario is refused with none open, and the edits made so far then count as written.
  // `answers.yesNo` answers a writer's own question (the Homemade writer's before it converts an
  // Original scenario) without showing it.
  std::optional<WrittenFiles> Write(const WriteRequest& request, const DialogAnswers& answers = {});
  // Whether the Homemade writer would ask before it writes (it does for an Original scenario,
  // whose conversion only a scenario made in the battle generator survives), after the checks it
  // makes before asking: throws their Refusal (no name, no scenario open, a target in use).
  bool HomemadeWriteAsks(const std::string& directory, const std::string& name) const;

  // "Import OB…": the order of battle in the file at `path` (either form, as written or as a
  // spreadsheet saved it), read and never written. A file with any problem is refused whole
  // (Refusal with the file, the lines and the reasons), changing nothing; one that changes
  // nothing says so and makes no step. Otherwise its changes are made at once, across both sides,
  // as one step of the history ("Import of OB.csv") that undo and redo take whole; the lists are
  // built again for the side shown, which an undo or a redo keeps (before any side is chosen, an
  // undo or a redo shows the side the lists were last built for, as for every step). True when a
  // step was made.
  // Throws IoError when the file cannot be read.
  bool ImportOrderOfBattle(const std::filesystem::path& path);
  // "Import OB…" with the file chosen in its dialog (`answers` may answer it without showing it),
  // which remembers the file for the next time; false, changing nothing, when it is cancelled.
  bool ChooseAndImportOrderOfBattle(const DialogAnswers& answers = {});
  // The same for the content of a file picked by the page: `fileName` is its name as the user
  // sees it, for the messages and the step.
  bool ImportOrderOfBattleBytes(const std::string& fileName, std::string_view bytes);

 private:
  SideButtons Buttons() const { return SideButtons{side_ == 0, side_ == 1}; }
  // Runs one operation that fills `change`, then tells the observers, also after a failure;
  // `report` adds the status line in either case.
  template <typename Work, typename Report>
  auto Operate(Work&& work, Report&& report);
  template <typename Work>
  auto Operate(Work&& work);
  std::optional<RosterDisplay> Transfer(const std::vector<std::int32_t>& lines, bool toAux);
  void Announce(SessionChange& change, std::uint64_t historyRevision);
  // What an undo or a redo changed, told in `change`; the side the step was made on becomes the
  // side chosen when it changed the rosters.
  void TellStepTaken(const std::optional<UndoneStep>& step, SessionChange& change);
  // The end of every write: what it wrote, the status saying so, the edits counted as written
  // when it wrote the scenario.
  void Wrote(SessionChange& change, std::optional<WrittenFiles> written, bool scenario);
  // A kind written with no scenario open (an order of battle): the status says what it `holds`
  // instead of units.
  void SayWhenNoUnits(SessionChange& change, const char* holds) const;

  Dialogs& dialogs_;
  EditorState state_;
  std::optional<std::int32_t> side_;
  std::vector<std::pair<std::int32_t, Observer>> observers_;
  std::int32_t nextObserver_ = 1;
  std::int32_t announcing_ = 0;                      // observers being told, nested
  std::optional<EditHistory::WriteMark> lastWrite_;  // of the last write of the scenario

  // An order of battle read against the open scenario, made one step of the history.
  bool ApplyImport(const std::string& fileName, const std::function<ObImport()>& read);
};

}  // namespace zarkel
