#include "cli/flag_dialogs.h"

namespace zarkel::cli {

std::optional<std::string> FlagDialogs::ChooseFile(FileDialogKind kind,
                                                   const FileDialogMemory& /*memory*/) {
  return answers_[static_cast<std::size_t>(kind)];
}

void FlagDialogs::ShowMessage(const std::string& text) {
  messages_ << text << '\n' << std::flush;
}

bool FlagDialogs::AskYesNo(const std::string& /*title*/, const std::string& text) {
  // The question is printed whatever the answer, as the window would show it.
  messages_ << text << '\n' << std::flush;
  return yes_;
}

}  // namespace zarkel::cli
