// The kinds of step the edit history keeps, each with all it does: what the Edit menu calls it
// ("Undo Transfer of 3 units to auxiliary"), the status line when it is made, how it puts the
// scenario back as it was before it or as it left it, what else an undo or a redo must show
// again, and whether later changes fold into it. A new kind is a struct here with these members
// and its name in StepKind below; the history, undo, redo and the status lines take it from
// there.
//
// A step acts on the whole ScenarioData, so that one step may change records and roster flags of
// both sides at once (a RecordChange for each unit, a transfer's positions for each side) and
// then have the lists of the side shown built again (StepReach::unitsOnStepSide false).
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "model/unit_record.h"

namespace zarkel {

struct ScenarioData;

// Which values a step puts back: those it found (an undo) or those it left (a redo).
enum class StepValues { Before, After };

// What an undo or a redo of a step changes besides the scenario, so that the views show it.
struct StepReach {
  bool units = false;  // unit records or roster flags: the lists are built again
  // The lists are built for the side the step was made on, which becomes the side shown; else for
  // the side shown.
  bool unitsOnStepSide = false;
  bool campaignEntries = false;  // the type or a limit text
};

// One byte of a unit record as it was before the step and after it.
struct ByteChange {
  std::uint8_t offset = 0;  // within the 218-byte record
  std::uint8_t before = 0;
  std::uint8_t after = 0;
};
static_assert(scn::kUnitRecordSize <= 256, "a record offset fits in a byte");

// The bytes of one unit record that a step changed.
struct RecordChange {
  std::int32_t unitIndex = 0;  // position in UnitTable
  std::vector<ByteChange> bytes;

  void Put(ScenarioData& scenario, StepValues values) const;
};

// A transfer: the roster positions of the step's side whose flag it set to `auxFlag` (1 to the
// auxiliary units, 0 to the core); each of them held the other flag before.
struct TransferStep {
  std::uint8_t auxFlag = 0;
  std::vector<std::int32_t> positions;

  // "Transfer of 3 units to auxiliary", "Transfer of 1 unit to core"
  std::string Name(const ScenarioData& scenario) const;
  // "Transferred 2 units to auxiliary"
  std::string DoneText(const ScenarioData& scenario) const;
  void Put(ScenarioData& scenario, std::int32_t side, StepValues values) const;
  static constexpr StepReach kReach{true, true, false};
};

// An accepted unit change: the bytes of one record that "Accept Changes" changed.
struct UnitChangeStep : RecordChange {
  // "Change of Grenadiers", the unit's name as shown
  std::string Name(const ScenarioData& scenario) const;
  // `Moved "Grenadiers" to column 12, row 7` (a placed unit given another hex and nothing else),
  // `Changed "Grenadiers": column 3, row 4, experience 5`, `Changed "Grenadiers": not placed`
  std::string DoneText(const ScenarioData& scenario) const;
  void Put(ScenarioData& scenario, std::int32_t side, StepValues values) const;
  static constexpr StepReach kReach{true, true, false};
};

// A change of the scenario type, as its spin control holds it (0 to 2).
struct TypeStep {
  std::int32_t before = 0;
  std::int32_t after = 0;

  // "Change of Type of Scenario"
  std::string Name(const ScenarioData& scenario) const;
  // `Changed "Type of Scenario" to 2`
  std::string DoneText(const ScenarioData& scenario) const;
  void Put(ScenarioData& scenario, std::int32_t side, StepValues values) const;
  static constexpr StepReach kReach{false, false, true};
  // A later change of the type folds into this step.
  bool FoldsWith(const TypeStep&) const { return true; }
  void Fold(const TypeStep& later) { after = later.after; }
  bool ChangesNothing() const { return before == after; }
};

// A change of one limit's text, as typed.
struct LimitStep {
  std::int32_t field = 0;  // a LimitField
  std::string before;
  std::string after;

  // "Change of max axis core", the limit's caption as messages give it
  std::string Name(const ScenarioData& scenario) const;
  // `Changed "max axis core" to '50'`, the text as typed
  std::string DoneText(const ScenarioData& scenario) const;
  void Put(ScenarioData& scenario, std::int32_t side, StepValues values) const;
  static constexpr StepReach kReach{false, false, true};
  // A later change of the same limit folds into this step.
  bool FoldsWith(const LimitStep& later) const { return field == later.field; }
  void Fold(const LimitStep& later) { after = later.after; }
  bool ChangesNothing() const { return before == after; }
};

// A roster flag an import set: the pair at `position` of `side` held `before`, holds `after`.
struct RosterFlagChange {
  std::int32_t side = 0;
  std::int32_t position = 0;
  std::uint8_t before = 0;
  std::uint8_t after = 0;

  void Put(ScenarioData& scenario, StepValues values) const;
};

// An imported order of battle: the roster flags and the record bytes it changed, on both sides at
// once. An undo or a redo builds the lists again for the side shown, which stays the side shown:
// the step belongs to no side of its own.
struct ImportStep {
  std::string fileName;  // as the user sees it, without its folder: "OB.csv"
  std::string summary;   // the status line of the import, which says what it changed
  std::vector<RosterFlagChange> flags;
  std::vector<UnitChangeStep> units;

  // "Import of OB.csv"
  std::string Name(const ScenarioData& scenario) const;
  // `Imported "OB.csv": 3 units moved to auxiliary, 12 placements changed`
  std::string DoneText(const ScenarioData& scenario) const;
  void Put(ScenarioData& scenario, std::int32_t side, StepValues values) const;
  static constexpr StepReach kReach{true, false, false};
};

using StepKind = std::variant<TransferStep, UnitChangeStep, TypeStep, LimitStep, ImportStep>;

struct EditStep {
  std::int32_t side = 0;  // the side shown when the step was made: 0 Axis, 1 Allies
  StepKind change;
};

// The record of changed bytes between two states of one unit; no bytes when nothing changed.
UnitChangeStep DiffUnit(std::int32_t unitIndex, const UnitRecord& before, const UnitRecord& after);

// Whether later changes may fold into a step of this kind: it has FoldsWith, Fold and
// ChangesNothing.
template <typename Kind, typename = void>
struct FoldingKind : std::false_type {};
template <typename Kind>
struct FoldingKind<Kind,
                   std::void_t<decltype(std::declval<Kind&>().Fold(std::declval<const Kind&>()))>>
    : std::true_type {};

// The members above, for a step of any kind.
std::string NameOf(const ScenarioData& scenario, const EditStep& step);
std::string DoneTextOf(const ScenarioData& scenario, const EditStep& step);
void PutStep(ScenarioData& scenario, const EditStep& step, StepValues values);
StepReach ReachOf(const EditStep& step);
// Folding: whether `step` takes later changes at all, whether `later` folds into `earlier`
// (folding them then gives `earlier` the value `later` leaves), and whether a step ends where it
// began. A kind that does not fold never changes nothing.
bool Folds(const EditStep& step);
bool FoldsWith(const EditStep& earlier, const EditStep& later);
void Fold(EditStep& earlier, const EditStep& later);
bool ChangesNothing(const EditStep& step);

}  // namespace zarkel
