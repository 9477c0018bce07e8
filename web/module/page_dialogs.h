// The editor's dialogs in the page. A page cannot stop in the middle of an operation to ask, so
// it asks its questions before the call and hands the answers in with it (the session's
// DialogAnswers); what reaches these dialogs is what no answer was given for. A file dialog
// without an answer is cancelled. A question without one is answered No and kept, so that the
// page can ask it and call again with the answer. Messages and errors are kept in order for the
// page to show when the call returns.
#pragma once

#include <string>
#include <vector>

#include "model/dialogs.h"

namespace zarkel::web {

class PageDialogs : public Dialogs {
 public:
  std::optional<std::string> ChooseFile(FileDialogKind kind,
                                        const FileDialogMemory& memory) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& title, const std::string& text) override;
  bool AskReplace(const std::string& text) override;

  struct Question {
    std::string title;
    std::string text;
  };

  // What was shown, and the questions asked, since the last call; both emptied.
  std::vector<std::string> TakeShown();
  std::vector<Question> TakeAsked();

 private:
  std::vector<std::string> shown_;
  std::vector<Question> asked_;
};

}  // namespace zarkel::web
