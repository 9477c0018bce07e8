// The edit history: every transfer, every accepted unit change and every change of the scenario
// type or of a limit as one step that keeps only what it changed, so that it can be undone and
// done again. A step costs memory in proportion to the edit (the roster positions moved, the
// bytes of one record changed, the texts of one limit), never to the scenario. The operations
// that edit record their steps (model/history_steps.h says what each kind does); roster/undo_redo.h
// takes them back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/history_steps.h"

namespace zarkel {

class EditHistory {
 public:
  // Adds a step that has just been made; the steps that could have been redone are dropped.
  void Record(EditStep step);
  // Adds a change of the type or of a limit. Changes of one field made one after the other fold
  // into one step, as several clicks on the spin control's arrows make one: the step recorded
  // last takes the new value when it changes the same field and nothing was written, undone or
  // redone since. A step that ends where it began is dropped. A change to the value the field
  // already holds is no step.
  void RecordFolding(EditStep step);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The step an undo takes back and the one a redo makes again; only when there is one.
  const EditStep& StepToUndo() const { return steps_.at(done_ - 1); }
  const EditStep& StepToRedo() const { return steps_.at(done_); }
  // Moves past the step just undone or redone.
  void StepBack();
  void StepForward();

  // After an opening: no steps, and the scenario as it is counts as written.
  void Clear();

  // A writer has written the scenario as it now stands. Answers the mark TakeBackWrite takes.
  struct WriteMark {
    std::optional<std::size_t> before;  // what counted as written until then
    std::uint64_t write = 0;            // which write it was
  };
  WriteMark MarkWritten();
  // The write of `mark` did not reach its place after all (the page could not deliver its
  // files): what counted as written before it counts again, unless another write or an opening
  // came since.
  void TakeBackWrite(const WriteMark& mark);
  // True when the scenario differs from what the last write (or the opening) saw: steps were
  // made or undone since, and not all of them taken back.
  bool HasUnwrittenEdits() const { return written_ != done_; }

  std::size_t StepCount() const { return steps_.size(); }
  // Grows with every change of the history (a step recorded, folded, undone, redone, written,
  // the history cleared), so that a view can tell whether it has to look again.
  std::uint64_t Revision() const { return revision_; }
  // How many steps were recorded in the whole run: an operation recorded one when this grew.
  std::uint64_t StepsRecorded() const { return recorded_; }

 private:
  std::vector<EditStep> steps_;
  std::uint64_t recorded_ = 0;
  std::size_t done_ = 0;  // steps_[0 .. done_) are done, the rest can be redone
  // How many steps were done at the last write; none when that state can no longer be reached
  // (a new step replaced the steps that led back to it).
  std::optional<std::size_t> written_ = 0;
  std::uint64_t writes_ = 0;  // writes marked and openings, counted
  bool foldable_ = false;     // the last step done may take a further change of its field
  std::uint64_t revision_ = 0;
};

}  // namespace zarkel
