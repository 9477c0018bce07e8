// The one way an operation asks the user something. The window shows real dialogs; the tests
// and the command-line tool answer from a script.
#pragma once

#include <optional>
#include <string>

#include "model/editor_state.h"

namespace zarkel {

// How an open-file dialog presents itself: its name in the window, title and single filter.
struct FileDialogLook {
  const char* name;               // "OpenDialog1" ...
  const char* title;              // "Open Quennet Equipment File" ...
  const char* filterDescription;  // "eqp" ...
  const char* filterPattern;      // "*.eqp" ...
};
const FileDialogLook& DialogLook(FileDialogKind kind);

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Shows the open-file dialog `kind`, starting in `memory.initialDirectory` with
  // `memory.lastFile` as the proposed file. Returns the full path chosen, or none if cancelled.
  virtual std::optional<std::string> ChooseFile(FileDialogKind kind,
                                                const FileDialogMemory& memory) = 0;
  // A plain message with one OK button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A question with a question icon and the buttons Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
  // Whether a write may replace files that are there already: a question of its own, with No as
  // the answer a user gets by pressing Enter, and never answered by an answer to the others.
  virtual bool AskReplace(const std::string& text) = 0;
  // The report of a failed operation (an EditorError's text): an error box with one OK button.
  // Front ends without a separate error box show it as a plain message.
  virtual void ShowError(const std::string& text) { ShowMessage(text); }
};

// Shows dialog `kind` and remembers the file chosen in `state`.
std::optional<std::string> ChooseFile(EditorState& state, Dialogs& dialogs, FileDialogKind kind);

}  // namespace zarkel
