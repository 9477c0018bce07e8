// The editor's dialogs as the page answers them. The page asks its questions before it calls an
// operation and hands the answers in with the call: each file dialog is answered by the path the
// page put the chosen file at (none: Cancel), a question by the answer given. Messages and
// questions are collected in order, for the page to show when the call returns.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/dialogs.h"

namespace zarkel::web {

class PageDialogs : public Dialogs {
 public:
  explicit PageDialogs(bool yes = false) : yes_(yes) {}

  void SetAnswer(FileDialogKind kind, std::optional<std::string> path);

  std::optional<std::string> ChooseFile(FileDialogKind kind,
                                        const FileDialogMemory& memory) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& title, const std::string& text) override;

  const std::vector<std::string>& messages() const { return messages_; }

 private:
  bool yes_;
  std::array<std::optional<std::string>, kFileDialogCount> answers_;
  std::vector<std::string> messages_;
};

}  // namespace zarkel::web
