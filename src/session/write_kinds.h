// The writes the editor makes from the open scenario, one row each: what the session needs to
// make one and what every face needs to offer it. A new kind is its name in WriteKind and its
// row in write_kinds.cpp; the session, zarkel-cli (its command and flags), the page's module and
// the window read the rest from the row.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/campaign_page.h"
#include "model/written_files.h"

namespace zarkel {

struct EditorState;
class Dialogs;

// In the order of the table's rows.
enum class WriteKind {
  OrderOfBattle,  // the order of battle as text, NAME.txt
  ObSpreadsheet,  // the order of battle in the spreadsheet form, NAME.csv
  Campaign,       // a campaign scenario and its three companion files
  Homemade,       // a copy in the Homemade layout, NAME.scn
};
constexpr std::int32_t kWriteKindCount = 4;

// One write as a face asks for it. The type and the limits are those the session holds.
struct WriteRequest {
  WriteKind kind = WriteKind::OrderOfBattle;
  std::string directory;  // the folder chosen
  // The name typed; for a campaign the checked slot's base name or the user's own name.
  std::string name;
  CampaignPage page = CampaignPage::Axis;  // a campaign's page
};

// How zarkel-cli offers a kind that has a command of its own: the words of its help.
struct WriteCommandWords {
  const char* about;        // the command's line in the overview
  const char* takes;        // what it takes, after its name in the usage line
  const char* dirHelp;      // the help of --dir
  const char* nameHelp;     // the help of --name
  const char* nameDefault;  // --name's default; nullptr: none
  const char* yesHelp;      // the help of --yes, which answers the writer's question; nullptr: none
};

struct WriteKindRow {
  WriteKind kind;
  // The kind's name for the page's module: "ob", "ob-spreadsheet", "campaign", "homemade".
  const char* key;
  // zarkel-cli's command that makes it, and the flag of that command that chooses it over the
  // command's plain write (nullptr: the plain write, whose row has the command's words).
  const char* command;
  const char* commandFlag;
  const char* commandFlagHelp;
  WriteCommandWords commandWords;
  // Whether it writes the scenario: it needs one open, and the edits made so far count as
  // written after it.
  bool writesScenario;
  // What its files hold when it is written with no scenario open, which the status then says
  // ("its header line"); nullptr for a kind that writes the scenario, which refuses to.
  const char* holdsWithNothingOpen;
  // The files a write of `name` makes, which the name rule measures.
  std::vector<std::string> (*fileNames)(const std::string& name);
  // The writer, with the checks and questions of its own. None when a question was answered No.
  std::optional<WrittenFiles> (*write)(EditorState& state, Dialogs& dialogs,
                                       const WriteRequest& request);
};

// Every kind, in the order of WriteKind.
const std::array<WriteKindRow, kWriteKindCount>& WriteKinds();
const WriteKindRow& RowOf(WriteKind kind);
// None for a key of no kind.
std::optional<WriteKind> WriteKindByKey(const std::string& key);
// The kind zarkel-cli's `command` makes, `flags` the flags given of those that choose a kind;
// none when the command makes no write.
std::optional<WriteKind> WriteKindOfCommand(const std::string& command,
                                            const std::vector<std::string>& flags);

}  // namespace zarkel
