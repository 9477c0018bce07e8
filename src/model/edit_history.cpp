#include "model/edit_history.h"

namespace zarkel {

namespace {

// The field a step of the type or of a limit changes; none for the other steps.
constexpr std::int32_t kTypeField = -1;
std::optional<std::int32_t> FoldingField(const EditStep& step) {
  if (std::holds_alternative<TypeStep>(step.change))
    return kTypeField;
  if (const auto* limit = std::get_if<LimitStep>(&step.change))
    return limit->field;
  return std::nullopt;
}

bool ChangesNothing(const EditStep& step) {
  if (const auto* type = std::get_if<TypeStep>(&step.change))
    return type->before == type->after;
  if (const auto* limit = std::get_if<LimitStep>(&step.change))
    return limit->before == limit->after;
  return false;
}

// The earlier step takes the value the later one leaves.
void Fold(EditStep& earlier, const EditStep& later) {
  if (auto* type = std::get_if<TypeStep>(&earlier.change))
    type->after = std::get<TypeStep>(later.change).after;
  else
    std::get<LimitStep>(earlier.change).after = std::get<LimitStep>(later.change).after;
}

}  // namespace

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
  foldable_ = false;
  ++revision_;
  ++recorded_;
}

void EditHistory::RecordFolding(EditStep step) {
  const std::optional<std::int32_t> field = FoldingField(step);
  if (foldable_ && field && done_ == steps_.size() && FoldingField(steps_.back()) == field) {
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
  foldable_ = field.has_value();
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
  ++revision_;
}

void EditHistory::MarkWritten() {
  written_ = done_;
  foldable_ = false;
  ++revision_;
}

}  // namespace zarkel
