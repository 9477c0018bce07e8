// The edits of zarkel-cli, described once: each flag's row gives its grammar, its help line, how
// its value is read and the session's operation it runs. A new edit is one row, its reading and
// its operation.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "model/unit_edit.h"

namespace zarkel {
class Session;
}

namespace zarkel::cli {

// A value or a use of an edit flag that cannot be taken as written (a line that is no number, an
// unknown field, an undo or a redo with nothing to take). The run ends as at a usage error.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What each edit holds: only what its operation needs.
struct SideEdit {
  std::int32_t side = 0;  // 0 Axis, 1 Allies
};
struct TransferEdit {
  bool toAux = true;
  std::vector<std::int32_t> lines;
};
struct UnitEdit {
  UnitPage page = UnitPage::Core;
  std::int32_t line = 0;
  std::vector<std::pair<UnitField, std::string>> texts;
};
struct TypeEdit {
  std::int64_t type = 0;
};
struct LimitEdit {
  std::int32_t field = 0;
  std::string text;
};
struct ImportEdit {
  std::string path;  // the order of battle to import, as given
};
struct HistoryEdit {
  bool undo = true;
  std::int32_t argument = 0;  // the flag's position on the command line (argv index)
};

struct EditFlag;

// One edit, in the order given on the command line.
struct Edit {
  const EditFlag* flag = nullptr;
  std::variant<SideEdit, TransferEdit, UnitEdit, TypeEdit, LimitEdit, HistoryEdit, ImportEdit>
      change;
};

struct EditFlag {
  const char* flag;     // "--to-aux"
  const char* grammar;  // what follows it in the help: "LINES"; empty for a flag without value
  std::string help;     // its help text, wrapped when the help is printed
  bool needsSide;       // only after --side
  // Reads the flag's value (a flag without value gets its position on the command line in
  // `argument`). Throws UsageError for a value it cannot take.
  Edit (*read)(const EditFlag& flag, const std::string& value, std::int32_t argument);
  // Runs the edit on the session. Returns false when the operation stopped at a message, which
  // ends the run.
  bool (*apply)(Session& session, const Edit& edit);

  bool TakesValue() const { return grammar[0] != '\0'; }
  // The words a value must be one of, for a grammar that lists them ("axis|allies"); none when
  // the value is read by `read`.
  std::vector<std::string> Choices() const;
};

// Every edit flag, in the order of the help.
const std::vector<EditFlag>& EditFlags();

// The help text of the edits: "EDITS, applied after ..." and a line or more per flag.
std::string EditsHelp();

// Runs `edit` as the window's control would. Returns false when the operation stopped at a
// message (a rejected used status), which ends the run. Throws EditorError on a failure,
// Refusal for a line that is not on its list, and UsageError for an undo or a redo with nothing
// to take.
inline bool ApplyEdit(Session& session, const Edit& edit) {
  return edit.flag->apply(session, edit);
}

}  // namespace zarkel::cli
