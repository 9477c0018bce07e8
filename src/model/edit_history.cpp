#include "model/edit_history.h"

namespace zarkel {

void EditHistory::Record(EditStep step) {
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  if (written_ && *written_ > done_)
    written_.reset();
  steps_.push_back(std::move(step));
  done_ = steps_.size();
  foldable_ = false;
  ++revision_;
  ++recorded_;
}

void EditHistory::RecordFolding(EditStep step) {
  if (foldable_ && done_ == steps_.size() && FoldsWith(steps_.back(), step)) {
    Fold(steps_.back(), step);
    if (ChangesNothing(steps_.back())) {
      // Back where the step began. A write since would have ended the folding, so the written
      // mark is still the one from before the step.
      steps_.pop_back();
      --done_;
      foldable_ = false;
    }
    ++revision_;
    return;
  }
  if (ChangesNothing(step))
    return;
  Record(std::move(step));
  foldable_ = Folds(steps_.back());
}

void EditHistory::StepBack() {
  --done_;
  foldable_ = false;
  ++revision_;
}

void EditHistory::StepForward() {
  ++done_;
  foldable_ = false;
  ++revision_;
}

void EditHistory::Clear() {
  // A fresh vector, so that the memory of a long history goes back with it.
  steps_ = std::vector<EditStep>();
  done_ = 0;
  written_ = 0;
  foldable_ = false;
  ++writes_;
  ++revision_;
}

EditHistory::WriteMark EditHistory::MarkWritten() {
  const WriteMark mark{written_, ++writes_};
  written_ = done_;
  foldable_ = false;
  ++revision_;
  return mark;
}

void EditHistory::TakeBackWrite(const WriteMark& mark) {
  if (mark.write != writes_)
    return;
  // Steps undone since the write may have dropped the state written before: then nothing counts
  // as written, as after such a step.
  written_ = mark.before && *mark.before <= steps_.size() ? mark.before : std::nullopt;
  ++writes_;
  ++revision_;
}

}  // namespace zarkel
