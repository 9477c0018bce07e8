#include "session/dialog_answers.h"

#include <algorithm>

namespace zarkel {

void AnsweredDialogs::Answer(FileAnswer answer) {
  auto& files = answers_.files;
  files.erase(std::remove_if(files.begin(), files.end(),
                             [&](const FileAnswer& given) { return given.kind == answer.kind; }),
              files.end());
  files.push_back(std::move(answer));
}

std::optional<std::string> AnsweredDialogs::ChooseFile(FileDialogKind kind,
                                                       const FileDialogMemory& memory) {
  auto& files = answers_.files;
  const auto answer = std::find_if(files.begin(), files.end(),
                                   [&](const FileAnswer& given) { return given.kind == kind; });
  if (answer == files.end())
    return shown_.ChooseFile(kind, memory);
  std::optional<std::string> path = answer->path;
  if (answer->once)
    files.erase(answer);
  return path;
}

bool AnsweredDialogs::Answered(bool answer, const std::string& text,
                               const std::optional<std::string>& note) {
  // A question answered No for the user is said, so that the run tells why it stopped and how
  // to go on; one answered Yes needs no words.
  if (!answer && note)
    shown_.ShowMessage(note->empty() ? text : text + "\n" + *note);
  return answer;
}

bool AnsweredDialogs::AskYesNo(const std::string& title, const std::string& text) {
  if (answers_.yesNo)
    return Answered(*answers_.yesNo, text, answers_.yesNoDeclinedNote);
  return shown_.AskYesNo(title, text);
}

bool AnsweredDialogs::AskReplace(const std::string& text) {
  if (answers_.replace)
    return Answered(*answers_.replace, text, answers_.replaceDeclinedNote);
  return shown_.AskReplace(text);
}

}  // namespace zarkel
