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
  // A question answered by --yes needs no words; one answered No by its absence is shown, so
  // that the run says why it stopped and how to go on.
  if (!yes_)
    messages_ << text << '\n' << kAnsweredNo << '\n' << std::flush;
  return yes_;
}

bool FlagDialogs::AskReplace(const std::string& text) {
  if (!replace_)
    messages_ << text << '\n' << kNotReplaced << '\n' << std::flush;
  return replace_;
}

}  // namespace zarkel::cli
