// The dialogs of a face without windows (zarkel-cli, `zarkel --save-map`): messages and errors
// printed on a stream, a line each; every file dialog cancelled and every question answered No,
// silently. Such a face gives its answers beforehand through AnsweredDialogs, over these.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "model/dialogs.h"

namespace zarkel {

class PrintedDialogs : public Dialogs {
 public:
  explicit PrintedDialogs(std::ostream& messages) : messages_(messages) {}

  std::optional<std::string> ChooseFile(FileDialogKind, const FileDialogMemory&) override {
    return std::nullopt;
  }
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  bool AskReplace(const std::string&) override { return false; }

 private:
  std::ostream& messages_;
};

}  // namespace zarkel
