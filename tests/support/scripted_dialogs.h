// Dialogs answered from a script: each file dialog takes the next answer queued for it (a path,
// or none for Cancel), each question the next Yes/No. A dialog shown without a queued answer
// fails the test, so a test also proves which dialogs did not appear.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "model/dialogs.h"

namespace zarkel::testing {

class ScriptedDialogs : public Dialogs {
 public:
  void Answer(FileDialogKind kind, std::optional<std::string> path) {
    fileAnswers_[kind].push_back(std::move(path));
  }
  void AnswerYesNo(bool yes) { questionAnswers_.push_back(yes); }

  std::optional<std::string> ChooseFile(FileDialogKind kind,
                                        const FileDialogMemory& memory) override {
    shown.push_back(kind);
    memories.push_back(memory);
    auto& queue = fileAnswers_[kind];
    if (queue.empty()) {
      throw std::logic_error(std::string("unexpected dialog ") + DialogLook(kind).name);
    }
    auto answer = queue.front();
    queue.pop_front();
    return answer;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowError(const std::string& text) override { errors.push_back(text); }
  bool AskYesNo(const std::string& title, const std::string& text) override {
    questions.emplace_back(title, text);
    if (questionAnswers_.empty())
      throw std::logic_error("unexpected question: " + text);
    const bool yes = questionAnswers_.front();
    questionAnswers_.pop_front();
    return yes;
  }

  void AnswerReplace(bool yes) { replaceAnswers_.push_back(yes); }
  // Every replace question answered Yes and not kept, for writes that are not about it (a
  // benchmark or a fuzz target writes thousands of times).
  void ReplaceAll() { replaceAll_ = true; }
  bool AskReplace(const std::string& text) override {
    if (replaceAll_)
      return true;
    replaceQuestions.push_back(text);
    if (replaceAnswers_.empty())
      throw std::logic_error("unexpected replace question: " + text);
    const bool yes = replaceAnswers_.front();
    replaceAnswers_.pop_front();
    return yes;
  }

  // True when every queued answer has been taken.
  bool AllAnswered() const {
    for (const auto& [kind, queue] : fileAnswers_) {
      if (!queue.empty())
        return false;
    }
    return questionAnswers_.empty() && replaceAnswers_.empty();
  }

  std::vector<FileDialogKind> shown;
  std::vector<FileDialogMemory> memories;
  std::vector<std::string> messages;
  std::vector<std::string> errors;  // failures reported in an error box
  std::vector<std::pair<std::string, std::string>> questions;
  std::vector<std::string> replaceQuestions;

 private:
  std::map<FileDialogKind, std::deque<std::optional<std::string>>> fileAnswers_;
  std::deque<bool> questionAnswers_;
  std::deque<bool> replaceAnswers_;
  bool replaceAll_ = false;
};

// Dialogs for a write that is about something else than its questions: the replace question is
// answered Yes, any other dialog fails the test.
inline ScriptedDialogs& Replacing() {
  static ScriptedDialogs dialogs = [] {
    ScriptedDialogs replacing;
    replacing.ReplaceAll();
    return replacing;
  }();
  return dialogs;
}

}  // namespace zarkel::testing
