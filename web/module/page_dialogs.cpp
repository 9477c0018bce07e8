#include "page_dialogs.h"

namespace zarkel::web {

void PageDialogs::SetAnswer(FileDialogKind kind, std::optional<std::string> path) {
  // An empty path stands for no file given, as a cancelled dialog.
  if (path && path->empty())
    path.reset();
  answers_[static_cast<std::size_t>(kind)] = std::move(path);
}

std::optional<std::string> PageDialogs::ChooseFile(FileDialogKind kind,
                                                   const FileDialogMemory& /*memory*/) {
  return answers_[static_cast<std::size_t>(kind)];
}

void PageDialogs::ShowMessage(const std::string& text) {
  messages_.push_back(text);
}

bool PageDialogs::AskYesNo(const std::string& /*title*/, const std::string& text) {
  messages_.push_back(text);
  return yes_;
}

}  // namespace zarkel::web
