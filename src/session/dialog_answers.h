// Answers given before an operation to the dialogs it may show, for a face that cannot stop in
// the middle of an operation to ask (the browser page, zarkel-cli): the file an open-file
// dialog would return, and the answer to a Yes/No question. A dialog without an answer given
// here is shown as usual.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/dialogs.h"

namespace zarkel {

struct FileAnswer {
  FileDialogKind kind = FileDialogKind::Equipment;
  std::optional<std::string> path;  // the full path chosen; none stands for Cancel
};

struct DialogAnswers {
  std::vector<FileAnswer> files;
  std::optional<bool> yesNo;    // true for Yes
  std::optional<bool> replace;  // the replace question's own answer; yesNo does not answer it
};

// `shown`, with the dialogs that `answers` answers taken out: those return their answer and show
// nothing. Messages and errors are always shown.
class AnsweredDialogs : public Dialogs {
 public:
  AnsweredDialogs(Dialogs& shown, const DialogAnswers& answers)
      : shown_(shown), answers_(answers) {}

  std::optional<std::string> ChooseFile(FileDialogKind kind,
                                        const FileDialogMemory& memory) override;
  void ShowMessage(const std::string& text) override { shown_.ShowMessage(text); }
  bool AskYesNo(const std::string& title, const std::string& text) override;
  bool AskReplace(const std::string& text) override;
  void ShowError(const std::string& text) override { shown_.ShowError(text); }

 private:
  Dialogs& shown_;
  const DialogAnswers& answers_;
};

}  // namespace zarkel
