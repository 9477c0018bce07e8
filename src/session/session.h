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

#include "load/open_scenario.h"
#include "model/dialogs.h"
#include "model/editor_state.h"
#include "output/campaign_writer.h"
#include "output/files_in_use.h"
#include "output/write_report.h"
#include "roster/campaign_values.h"
#include "roster/ob_import.h"
#include "roster/scenario_check.h"
#include "roster/undo_redo.h"
#include "roster/unit_review.h"
#include "session/dialog_answers.h"
#include "session/map_model.h"
#include "session/session_change.h"

namespace zarkel {

class Session {
 public:
  // `dialogs` shows what the operations ask and say; it must outlive the session.
  explicit Session(Dialogs& dialogs) : dialogs_(dialogs) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  const EditorState& state() const { return state_; }
  // 0 Axis, 1 Allies; none before the first choice.
  std::optional<std::int32_t> side() const { return side_; }
  std::int32_t battleType() const { return state_.scenario.entries.battleType; }
  const LimitTexts& limitTexts() const { return state_.scenario.entries.limitTexts; }
  bool HasUnwrittenEdits() const { return state_.history.HasUnwrittenEdits(); }
  std::optional<std::string> UndoName() const { return zarkel::UndoName(state_); }
  std::optional<std::string> RedoName() const { return zarkel::RedoName(state_); }

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
  // A click on a line of an unused list.
  RosterDisplay UnusedClick();

  // "Type of Scenario" (brought into 0..2) and a limit's text as typed; each a step of the
  // history. False when the value was already held.
  bool SetType(std::int64_t value);
  bool SetLimit(std::int32_t field, const std::string& text);
  // "Update Current Values".
  UnitCountCaptions UpdateCurrentValues();

  // The Edit menu's "Undo" and "Redo"; none when there is no step to take.
  std::optional<UndoneStep> Undo();
  std::optional<UndoneStep> Redo();

  // A file that a face wrote by itself (the map's picture), told as the writers' files are.
  void ReportWritten(const WrittenFiles& files);

  // What the map shows: the counters of the three sides, those of the side chosen movable.
  MapContent Map() const { return BuildMapContent(state_, side_); }

  // The scenario check, with the limits as they stand; units named by their lines counted as
  // the face counts them.
  ScenarioCheck Check(LineNumbers lines) const;

  // The files the open scenario depends on (the scenario, its companions, the equipment files),
  // which no write may replace.
  std::vector<FileInUse> FilesInUse() const { return zarkel::FilesInUse(state_); }
  // The check every write makes of its targets before it asks or writes anything, for a file a
  // face writes by itself (the map's picture): throws Refusal for a file in use, a target that is
  // a folder, or a folder that is not there.
  void CheckWriteTargets(const std::vector<std::filesystem::path>& targets) const {
    zarkel::CheckWriteTargets(targets, FilesInUse());
  }

  // The three writers, with the type and limits as they stand. Each asks before it replaces
  // files that are there (`answers.replace` answers that question without showing it) and
  // returns none, having written nothing, when it was answered No.
  std::optional<WrittenFiles> WriteCampaign(CampaignPage page, const std::string& slotName,
                                            const std::string& directory,
                                            const DialogAnswers& answers = {});
  std::optional<WrittenFiles> WriteOrderOfBattle(const std::string& directory,
                                                 const std::string& name,
                                                 const DialogAnswers& answers = {});
  // Whether the Homemade writer would ask before it writes (it does for an Original scenario,
  // whose conversion only a scenario made in the battle generator survives), after the checks it
  // makes before asking: throws their Refusal (no name, no scenario open, a target in use).
  bool HomemadeWriteAsks(const std::string& directory, const std::string& name) const;
  // None when a question was answered No. `answers.yesNo` answers the conversion question
  // without showing it.
  std::optional<WrittenFiles> WriteHomemade(const std::string& directory, const std::string& name,
                                            const DialogAnswers& answers = {});

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
  // "Write OB" in the spreadsheet form (NAME.csv), with the checks and the question of
  // WriteOrderOfBattle.
  std::optional<WrittenFiles> WriteObSpreadsheet(const std::string& directory,
                                                 const std::string& name,
                                                 const DialogAnswers& answers = {});

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
  void Taken(const std::optional<UndoneStep>& step, SessionChange& change);

  Dialogs& dialogs_;
  EditorState state_;
  std::optional<std::int32_t> side_;
  std::vector<std::pair<std::int32_t, Observer>> observers_;
  std::int32_t nextObserver_ = 1;
  std::int32_t announcing_ = 0;  // observers being told, nested

  // An order of battle read against the open scenario, made one step of the history.
  bool ApplyImport(const std::string& fileName, const std::function<ObImport()>& read);
};

}  // namespace zarkel
