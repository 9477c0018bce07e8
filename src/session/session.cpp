#include "session/session.h"

#include <algorithm>

#include "base/errors.h"
#include "base/integer_text.h"
#include "base/output_file.h"
#include "base/source_file.h"
#include "base/utf8_path.h"
#include "load/companion_summary.h"
#include "load/equipment_load.h"
#include "load/open_scenario.h"
#include "model/scenario_status.h"
#include "output/files_in_use.h"
#include "output/homemade_writer.h"
#include "output/replace_question.h"
#include "output/write_name.h"
#include "output/write_report.h"
#include "output/writer_checks.h"
#include "roster/campaign_edits.h"
#include "roster/campaign_values.h"
#include "roster/edit_report.h"
#include "roster/ob_import.h"
#include "roster/plausible_content.h"
#include "roster/scenario_check.h"
#include "roster/transfer.h"
#include "roster/undo_redo.h"
#include "roster/unit_review.h"
#include "session/equipment_status.h"

namespace zarkel {

template <typename Work, typename Report>
auto Session::Operate(Work&& work, Report&& report) {
  SessionChange change;
  const std::uint64_t revision = state_.history.Revision();
  try {
    auto result = work(change);
    report(change);
    Announce(change, revision);
    return result;
  } catch (...) {
    // What was done before the failure stays done (the history may hold a step of it).
    report(change);
    Announce(change, revision);
    throw;
  }
}

template <typename Work>
auto Session::Operate(Work&& work) {
  return Operate(std::forward<Work>(work), [](SessionChange&) {});
}

void Session::Announce(SessionChange& change, std::uint64_t historyRevision) {
  change.history = change.history || state_.history.Revision() != historyRevision;
  if (change.Empty())
    return;
  ++announcing_;
  // An observer may subscribe or unsubscribe others while it is told: those added now hear from
  // the next change, those removed are not called. Each is called through a copy, since a
  // subscription made during the call may move the list, and the observer with it.
  const std::size_t count = observers_.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (const Observer observer = observers_[i].second)
      observer(change);
  }
  if (--announcing_ == 0) {
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [](const auto& entry) { return !entry.second; }),
                     observers_.end());
  }
}

std::optional<std::string> Session::UndoName() const {
  return zarkel::UndoName(state_);
}

std::optional<std::string> Session::RedoName() const {
  return zarkel::RedoName(state_);
}

std::int32_t Session::Subscribe(Observer observer) {
  observers_.emplace_back(nextObserver_, std::move(observer));
  return nextObserver_++;
}

void Session::Unsubscribe(std::int32_t id) {
  for (auto& [entryId, observer] : observers_) {
    if (entryId == id)
      observer = nullptr;
  }
  if (announcing_ == 0) {
    observers_.erase(std::remove_if(observers_.begin(), observers_.end(),
                                    [](const auto& entry) { return !entry.second; }),
                     observers_.end());
  }
}

OpenResult Session::Open(OpenRequest request, const DialogAnswers& answers, bool rereadEquipment) {
  return Operate([&](SessionChange& change) {
    request.side = Buttons();
    AnsweredDialogs dialogs(dialogs_, answers);
    // Read here rather than by the opening, which would read it at the first one alone, so that
    // the status can say what was read, also when the scenario then fails to open.
    std::optional<EquipmentRead> read;
    if (request.layout && (rereadEquipment || !state_.equipment.equipmentLoaded)) {
      read = zarkel::ReloadEquipment(state_, dialogs);
      change.status = EquipmentReadText(*read);
    }
    OpenResult result = OpenScenario(state_, dialogs, request);
    if (result.opened) {
      change.opened = true;
      change.rosters = result.roster;
      change.campaignEntries = true;
      const std::string opened = OpenedText(state_.scenario);
      change.status = (read ? WithEquipmentRead(opened, *read) : opened) +
                      MissingCompanionsNote(*state_.files, state_.scenario);
      if (read && !state_.equipment.note.empty())
        change.status += ". " + state_.equipment.note;
      // A file of the layout's size opens whatever it holds; one that is no scenario is said so.
      const std::vector<std::string> implausible = ImplausibleContent(state_);
      if (!implausible.empty()) {
        dialogs.ShowMessage(ImplausibleContentText(state_, implausible) +
                            " It was opened all the same; check it before writing it.");
      }
    }
    return result;
  });
}

OpenRequest Session::OpenRequestFor(std::optional<ScenarioLayout> layout,
                                    const std::string& path) const {
  OpenRequest request;
  request.layout = layout;
  // No file named: the opening says so.
  if (path.empty())
    return request;
  const std::filesystem::path scenario = state_.files->Absolute(PathFromUtf8(path));
  request.directory = Utf8FromPath(scenario.parent_path());
  request.fileName = Utf8FromPath(scenario.filename());
  return request;
}

std::vector<ScenarioLayout> Session::LayoutsAccepting(const std::string& path) const {
  std::vector<ScenarioLayout> layouts;
  try {
    SourceFile file(*state_.files, PathFromUtf8(path));
    for (const ScenarioLayout layout : {ScenarioLayout::Homemade, ScenarioLayout::Original}) {
      try {
        CheckScenarioSize(file, layout);
        layouts.push_back(layout);
      } catch (const Refusal&) {
      }
    }
  } catch (const EditorError&) {
    // A file that cannot be read fits no layout; the opening says why.
  }
  return layouts;
}

void Session::ReloadEquipment(const DialogAnswers& answers) {
  Operate([&](SessionChange& change) {
    AnsweredDialogs dialogs(dialogs_, answers);
    change.status = EquipmentReadText(zarkel::ReloadEquipment(state_, dialogs));
    if (!state_.equipment.note.empty())
      change.status += ". " + state_.equipment.note;
    return true;
  });
}

RosterDisplay Session::ChooseSide(std::int32_t side) {
  return Operate([&](SessionChange& change) {
    change.side = side_ != side;
    side_ = side;
    change.rosters = SelectSide(state_, Buttons());
    return *change.rosters;
  });
}

RosterDisplay Session::Refresh() {
  return Operate([&](SessionChange& change) {
    change.rosters = RefreshRosters(state_, Buttons());
    return *change.rosters;
  });
}

ExperienceCaptions Session::UpdateExperience() {
  return zarkel::UpdateExperience(state_, Buttons());
}

std::optional<RosterDisplay> Session::Transfer(const std::vector<std::int32_t>& lines, bool toAux) {
  const std::uint64_t recorded = state_.history.StepsRecorded();
  return Operate(
      [&](SessionChange& change) {
        change.rosters = toAux ? zarkel::TransferToAux(state_, lines, Buttons())
                               : zarkel::TransferToCore(state_, lines, Buttons());
        return change.rosters;
      },
      [&](SessionChange& change) {
        change.status = state_.scenario.layout
                            ? RecordedStepText(state_, recorded).value_or(std::string())
                            : kNoScenarioOpen;
      });
}

std::optional<RosterDisplay> Session::TransferToAux(const std::vector<std::int32_t>& lines) {
  return Transfer(lines, true);
}

std::optional<RosterDisplay> Session::TransferToCore(const std::vector<std::int32_t>& lines) {
  return Transfer(lines, false);
}

void Session::RequireOpen() const {
  RequireOpenScenario(state_.scenario);
}

std::optional<ReviewFields> Session::FieldsOf(UnitPage page,
                                              std::optional<std::int32_t> line) const {
  return zarkel::ReviewUnit(state_, page, line);
}

std::optional<ReviewFields> Session::Review(UnitPage page, std::optional<std::int32_t> line) {
  return Operate([&](SessionChange& change) {
    std::optional<ReviewFields> fields = zarkel::ReviewUnit(state_, page, line);
    if (fields)
      change.review = UnitReview{page, *line, *fields};
    return fields;
  });
}

std::optional<UnitReview> Session::ReviewUnit(std::int32_t unitIndex) {
  const std::optional<ListedLine> listed = ListedLineOf(state_, unitIndex);
  if (!listed)
    return std::nullopt;
  const std::optional<ReviewFields> fields = Review(listed->page, listed->line);
  if (!fields)
    return std::nullopt;
  return UnitReview{listed->page, listed->line, *fields};
}

AcceptResult Session::Accept(UnitPage page, std::optional<std::int32_t> line,
                             const UnitEditTexts& texts) {
  const std::uint64_t recorded = state_.history.StepsRecorded();
  return Operate(
      [&](SessionChange& change) {
        AcceptResult result = AcceptUnitChanges(state_, dialogs_, page, line, texts, Buttons());
        change.rosters = result.refreshed;
        return result;
      },
      // Also after a refusal, which stored nothing.
      [&](SessionChange& change) {
        change.status = state_.scenario.layout
                            ? AcceptText(state_, page, line, recorded).value_or(std::string())
                            : kNoScenarioOpen;
      });
}

AcceptResult Session::MoveUnit(std::int32_t unitIndex, std::int32_t column, std::int32_t row) {
  const std::optional<ListedLine> listed = ListedLineOf(state_, unitIndex);
  if (!listed) {
    throw Refusal("\"" + state_.scenario.units.at(unitIndex).ShownName() +
                  "\" is not on the lists of the side chosen: choose its side to move it.");
  }
  return *AcceptFields(
      listed->page, listed->line,
      {{UnitField::Column, std::to_string(column)}, {UnitField::Row, std::to_string(row)}});
}

std::optional<AcceptResult> Session::AcceptFields(
    UnitPage page, std::int32_t line,
    const std::vector<std::pair<UnitField, std::string>>& fields) {
  const std::optional<ReviewFields> shown = zarkel::ReviewUnit(state_, page, line);
  if (!shown)
    return std::nullopt;
  UnitEditTexts texts{shown->column, shown->row, shown->used, shown->experience};
  for (const auto& [field, text] : fields) {
    switch (field) {
      case UnitField::Column:
        texts.column = text;
        break;
      case UnitField::Row:
        texts.row = text;
        break;
      case UnitField::Used:
        texts.used = text;
        break;
      case UnitField::Experience:
        texts.experience = text;
        break;
    }
  }
  return Accept(page, line, texts);
}

void Session::RequireListedLine(UnitPage page, std::int32_t line,
                                const std::string& askedBy) const {
  const bool core = page == UnitPage::Core;
  const auto& map = core ? state_.view.coreListMap : state_.view.auxListMap;
  const auto count = static_cast<std::int32_t>(map.size());
  if (line >= 0 && line < count)
    return;
  const std::string list =
      std::string(SideName(state_.view.currentSide)) + (core ? " core list" : " auxiliary list");
  throw Refusal(askedBy + ": line " + std::to_string(line) + " is not on the " + list +
                (count == 0 ? ", which is empty."
                            : ", which has lines 0 to " + std::to_string(count - 1) + "."));
}

RosterDisplay Session::UnusedClick() {
  return Operate([&](SessionChange& change) {
    change.rosters = UnusedListClick(state_, dialogs_, Buttons());
    return *change.rosters;
  });
}

std::int32_t Session::TypeOfText(const std::string& text) {
  try {
    return ClampBattleType(ParseInteger(text));
  } catch (const ConversionError&) {
    return 0;
  }
}

bool Session::SetType(std::int64_t value) {
  return Operate([&](SessionChange& change) {
    // Nothing to change before an opening: the texts shown are the window's own.
    if (!state_.scenario.layout) {
      change.status = kNoScenarioOpen;
      return false;
    }
    change.campaignEntries = SetScenarioType(state_, value);
    if (change.campaignEntries)
      change.status = StepDoneText(state_, EditStep{0, TypeStep{0, battleType()}});
    return change.campaignEntries;
  });
}

bool Session::SetLimit(std::int32_t field, const std::string& text) {
  return Operate([&](SessionChange& change) {
    if (!state_.scenario.layout) {
      change.status = kNoScenarioOpen;
      return false;
    }
    change.campaignEntries = SetLimitText(state_, field, text);
    if (change.campaignEntries)
      change.status = StepDoneText(state_, EditStep{0, LimitStep{field, {}, text}});
    return change.campaignEntries;
  });
}

UnitCountCaptions Session::UpdateCurrentValues() {
  return Operate([&](SessionChange& change) {
    UnitCountCaptions counts = CountCurrentUnits(state_);
    // A figure not known says why, where the face shows what an operation did.
    change.status = counts.note;
    return counts;
  });
}

void Session::TellStepTaken(const std::optional<UndoneStep>& step, SessionChange& change) {
  if (!step)
    return;
  if (step->rosters) {
    change.side = side_ != state_.view.currentSide;
    side_ = state_.view.currentSide;
    change.rosters = step->rosters;
  }
  change.campaignEntries = step->campaignEntries;
}

std::optional<UndoneStep> Session::Undo() {
  return Operate([&](SessionChange& change) {
    change.status = UndoText(state_).value_or(std::string());
    std::optional<UndoneStep> step = UndoStep(state_);
    TellStepTaken(step, change);
    return step;
  });
}

std::optional<UndoneStep> Session::Redo() {
  return Operate([&](SessionChange& change) {
    change.status = RedoText(state_).value_or(std::string());
    std::optional<UndoneStep> step = RedoStep(state_);
    TellStepTaken(step, change);
    return step;
  });
}

ScenarioCheck Session::Check(LineNumbers lines) const {
  return CheckScenario(state_, limitTexts(), lines);
}

CompanionSummary Session::Companions() const {
  return ReadCompanionSummary(*state_.files, state_.scenario.companions);
}

std::vector<FileInUse> Session::FilesInUse() const {
  return zarkel::FilesInUse(state_);
}

void Session::RequireWriteName(WriteKind kind, const std::string& name, const std::string& given) {
  zarkel::RequireWriteName(name, given, RowOf(kind).fileNames(name));
}

std::string Session::WrittenLine(const WrittenFiles& files) {
  return WrittenFilesLine(files);
}

std::string Session::ReplaceQuestionText(const std::filesystem::path& directory,
                                         const std::vector<std::string>& existing) {
  return ReplaceQuestion(directory, existing);
}

void Session::Wrote(SessionChange& change, std::optional<WrittenFiles> written, bool scenario) {
  // The write a face's failed delivery takes back is the last one, whatever it wrote.
  if (written)
    lastWrite_ = scenario ? std::optional(state_.history.MarkWritten()) : std::nullopt;
  change.written = std::move(written);
  change.status = change.written ? WrittenFilesLine(*change.written) : std::string(kNotWritten);
}

void Session::WriteNotDelivered() {
  Operate([&](SessionChange&) {
    if (lastWrite_)
      state_.history.TakeBackWrite(*lastWrite_);
    lastWrite_.reset();
    return true;
  });
}

std::optional<WrittenFiles> Session::Write(const WriteRequest& request,
                                           const DialogAnswers& answers) {
  return Operate([&](SessionChange& change) {
    const WriteKindRow& row = RowOf(request.kind);
    if (row.writesScenario)
      RequireOpenScenario(state_.scenario);
    AnsweredDialogs dialogs(dialogs_, answers);
    Wrote(change, row.write(state_, dialogs, request), row.writesScenario);
    if (row.holdsWithNothingOpen != nullptr)
      SayWhenNoUnits(change, row.holdsWithNothingOpen);
    return change.written;
  });
}

void Session::SayWhenNoUnits(SessionChange& change, const char* holds) const {
  // With no scenario open the file holds no unit: the status says what it does hold.
  if (change.written && !state_.scenario.layout)
    change.status += std::string(": ") + holds + " alone, since no scenario is open";
}

std::optional<WrittenFiles> Session::WriteFileOfFace(const std::filesystem::path& target,
                                                     const std::function<std::string()>& make,
                                                     const DialogAnswers& answers) {
  return Operate([&](SessionChange& change) {
    // A file the editor works from is refused before any question.
    zarkel::CheckWriteTargets(*state_.files, {target}, FilesInUse());
    const WrittenFiles files{target.parent_path(), {Utf8FromPath(target.filename())}};
    AnsweredDialogs dialogs(dialogs_, answers);
    if (!ConfirmReplace(dialogs, *state_.files, files.directory, files.names)) {
      // Nothing to tell: the face said nothing either when it was answered No.
      return std::optional<WrittenFiles>();
    }
    const std::string bytes = make();
    OutputFile output(*state_.files, target);
    output.Write(bytes);
    output.Commit();
    Wrote(change, files, false);
    return change.written;
  });
}

bool Session::HomemadeWriteAsks(const std::string& directory, const std::string& name) const {
  RequireOpenScenario(state_.scenario);
  return CheckHomemadeWrite(state_,
                            HomemadeWriteRequest{directory, name, battleType(), limitTexts()});
}

bool Session::ApplyImport(const std::string& fileName, const std::function<ObImport()>& read) {
  return Operate([&](SessionChange& change) {
    RequireOpenScenario(state_.scenario);
    ObImport imported = read();
    if (!imported.problems.empty())
      throw Refusal(ImportRefusalText(fileName, imported.problems));
    change.status = ImportSummary(imported.plan);
    if (imported.plan.Empty())
      return false;
    AppliedImport applied = ApplyImportPlan(state_, imported.plan);
    if (applied.Empty())
      return false;
    state_.history.Record(EditStep{
        state_.view.currentSide,
        ImportStep{fileName, change.status, std::move(applied.flags), std::move(applied.units)}});
    // Before a side is chosen the lists show no side, and stay so.
    if (side_)
      change.rosters = RefreshRosters(state_, Buttons());
    return true;
  });
}

bool Session::ImportOrderOfBattle(const std::filesystem::path& path) {
  const std::string fileName = Utf8FromPath(path.filename());
  return ApplyImport(fileName, [&] { return ReadObImportFile(state_, path); });
}

bool Session::ChooseAndImportOrderOfBattle(const DialogAnswers& answers) {
  RequireOpenScenario(state_.scenario);
  AnsweredDialogs dialogs(dialogs_, answers);
  const std::optional<std::string> chosen =
      ChooseFile(state_, dialogs, FileDialogKind::OrderOfBattle);
  if (!chosen)
    return false;
  return ImportOrderOfBattle(PathFromUtf8(*chosen));
}

bool Session::ImportOrderOfBattleBytes(const std::string& fileName, std::string_view bytes) {
  return ApplyImport(fileName, [&] { return ReadObImport(state_, fileName, bytes); });
}

}  // namespace zarkel
