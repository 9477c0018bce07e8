#include "session/dialog_answers.h"

namespace zarkel {

std::optional<std::string> AnsweredDialogs::ChooseFile(FileDialogKind kind,
                                                       const FileDialogMemory& memory) {
  for (const FileAnswer& answer : answers_.files) {
    if (answer.kind == kind)
      return answer.path;
  }
  return shown_.ChooseFile(kind, memory);
}

bool AnsweredDialogs::AskYesNo(const std::string& title, const std::string& text) {
  if (answers_.yesNo)
    return *answers_.yesNo;
  return shown_.AskYesNo(title, text);
}

bool AnsweredDialogs::AskReplace(const std::string& text) {
  if (answers_.replace)
    return *answers_.replace;
  return shown_.AskReplace(text);
}

}  // namespace zarkel
