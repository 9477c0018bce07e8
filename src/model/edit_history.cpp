#include "model/edit_history.h"

namespace zarkel {

UnitChangeStep DiffUnit(std::int32_t unitIndex, const UnitRecord& before, const UnitRecord& after) {
  UnitChangeStep step;
  step.unitIndex = unitIndex;
  for (std::size_t i = 0; i < before.bytes.size(); ++i) {
    if (before.bytes[i] != after.bytes[i])
      step.bytes.push_back({static_cast<std::uint8_t>(i), before.bytes[i], after.bytes[i]});
  }
  return step;
}

void EditHistory::Record(EditStep step) {
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  if (written_ && *written_ > done_)
    written_.reset();
  steps_.push_back(std::move(step));
  done_ = steps_.size();
  ++recorded_;
}

void EditHistory::Clear() {
  // A fresh vector, so that the memory of a long history goes back with it.
  steps_ = std::vector<EditStep>();
  done_ = 0;
  written_ = 0;
}

}  // namespace zarkel
