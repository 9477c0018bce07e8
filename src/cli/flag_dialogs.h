// The dialogs of the editor answered from the command line: each file dialog by the path its
// flag gave (none: Cancel), the Homemade writer's question by --yes and the question whether to
// replace files that are there by --replace alone (without the flag: No, and the question is
// printed with the flag that answers it). Messages are printed on stderr.
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include "model/dialogs.h"

namespace zarkel::cli {

constexpr const char* kAnsweredNo = "Not written: --yes answers Yes.";
constexpr const char* kNotReplaced = "Not written: --replace replaces the files that are there.";

class FlagDialogs : public Dialogs {
 public:
  FlagDialogs(std::ostream& messages, bool yes, bool replace)
      : messages_(messages), yes_(yes), replace_(replace) {}

  void SetAnswer(FileDialogKind kind, std::optional<std::string> path) {
    answers_[static_cast<std::size_t>(kind)] = std::move(path);
  }

  std::optional<std::string> ChooseFile(FileDialogKind kind,
                                        const FileDialogMemory& memory) override;
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& title, const std::string& text) override;
  bool AskReplace(const std::string& text) override;

 private:
  std::ostream& messages_;
  bool yes_;
  bool replace_;
  std::array<std::optional<std::string>, kFileDialogCount> answers_;
};

}  // namespace zarkel::cli
