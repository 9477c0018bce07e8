// Answers given before an operation to the dialogs it may show, for every face: the page and
// zarkel-cli, which cannot stop in the middle of an operation to ask, answer from what the user
// gave beforehand (the files chosen, the flags); the window answers the file dialogs its command
// line names, once. A dialog without an answer given here is shown as usual.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/dialogs.h"

namespace zarkel {

struct FileAnswer {
  FileDialogKind kind = FileDialogKind::Equipment;
  std::optional<std::string> path;  // the full path chosen; none stands for Cancel
  bool once = false;  // answers the first dialog of its kind alone; those after it are shown
};

struct DialogAnswers {
  std::vector<FileAnswer> files;
  std::optional<bool> yesNo;    // true for Yes
  std::optional<bool> replace;  // the replace question's own answer; yesNo does not answer it
  // A face that answers No for the user (a flag not given) says so where its messages go: the
  // question's text as a message, followed by this line when it is not empty ("Answered No:
  // --yes answers Yes."). None: a question answered No in advance shows nothing.
  std::optional<std::string> yesNoDeclinedNote;
  std::optional<std::string> replaceDeclinedNote;
};

// `shown`, with the dialogs that the answers answer taken out: those return their answer and
// show nothing. Messages and errors are always shown.
class AnsweredDialogs : public Dialogs {
 public:
  explicit AnsweredDialogs(Dialogs& shown, DialogAnswers answers = {})
      : shown_(shown), answers_(std::move(answers)) {}

  // Adds an answer to the file dialogs of its kind, in place of one given before.
  void Answer(FileAnswer answer);

  std::optional<std::string> ChooseFile(FileDialogKind kind,
                                        const FileDialogMemory& memory) override;
  void ShowMessage(const std::string& text) override { shown_.ShowMessage(text); }
  bool AskYesNo(const std::string& title, const std::string& text) override;
  bool AskReplace(const std::string& text) override;
  void ShowError(const std::string& text) override { shown_.ShowError(text); }

 private:
  bool Answered(bool answer, const std::string& text, const std::optional<std::string>& note);

  Dialogs& shown_;
  DialogAnswers answers_;
};

}  // namespace zarkel
