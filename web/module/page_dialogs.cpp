#include "page_dialogs.h"

#include <utility>

#include "model/write_questions.h"

namespace zarkel::web {

std::optional<std::string> PageDialogs::ChooseFile(FileDialogKind /*kind*/,
                                                   const FileDialogMemory& /*memory*/) {
  return std::nullopt;
}

void PageDialogs::ShowMessage(const std::string& text) {
  shown_.push_back(text);
}

bool PageDialogs::AskYesNo(const std::string& title, const std::string& text) {
  asked_.push_back(Question{title, text});
  return false;
}

// The page writes into folders of its own, so this is asked only of a file that a write makes
// twice; the page asks the question of the user's folder itself.
bool PageDialogs::AskReplace(const std::string& text) {
  asked_.push_back(Question{kReplaceTitle, text});
  return false;
}

std::vector<std::string> PageDialogs::TakeShown() {
  return std::exchange(shown_, {});
}

std::vector<PageDialogs::Question> PageDialogs::TakeAsked() {
  return std::exchange(asked_, {});
}

}  // namespace zarkel::web
