#include "session/write_kinds.h"

#include <algorithm>

#include "model/editor_state.h"
#include "output/campaign_writer.h"
#include "output/homemade_writer.h"
#include "output/ob_spreadsheet.h"
#include "output/order_of_battle.h"
#include "output/write_name.h"

namespace zarkel {

namespace {

std::vector<std::string> ObSpreadsheetFileNames(const std::string& name) {
  return {ObSpreadsheetFileName(name)};
}

constexpr WriteCommandWords kNoCommand{};

using K = WriteKind;
constexpr std::array<WriteKindRow, kWriteKindCount> kRows = {{
    {K::OrderOfBattle,
     "ob",
     "ob",
     nullptr,
     nullptr,
     {"write the order of battle (NAME.txt, or NAME.csv)",
      "--layout L SCENARIO [COMMON] [EDITS] --dir DIR [--name NAME] [--spreadsheet] [--replace]",
      "the directory to write NAME.txt (NAME.csv) in",
      "the file name without .txt (without .csv with --spreadsheet)", "OB", nullptr},
     false,
     "its header line and the three sides' blank lines",
     OrderOfBattleFileNames,
     [](EditorState& state, Dialogs& dialogs, const WriteRequest& request) {
       return WriteOrderOfBattle(state, dialogs, {request.directory, request.name});
     }},
    {K::ObSpreadsheet, "ob-spreadsheet", "ob", "--spreadsheet",
     "write the spreadsheet form, NAME.csv: UTF-8, quoted where needed, with each unit's "
     "position, which --import-ob reads back",
     kNoCommand, false, "its header line", ObSpreadsheetFileNames,
     [](EditorState& state, Dialogs& dialogs, const WriteRequest& request) {
       return WriteObSpreadsheet(state, dialogs, {request.directory, request.name});
     }},
    {K::Campaign,
     "campaign",
     "campaign",
     nullptr,
     nullptr,
     {"write a campaign scenario and its .tst, .tit and .des files under a slot name",
      "--layout L SCENARIO [COMMON] [EDITS] --dir DIR (--slot CAPTION | --name NAME) "
      "[--page axis|allied] [--replace]",
      "the directory to write the four files in", "a base name of your own", nullptr, nullptr},
     true,
     nullptr,
     CampaignFileNames,
     [](EditorState& state, Dialogs& dialogs, const WriteRequest& request) {
       const CampaignEntries& entries = state.scenario.entries;
       return WriteCampaignScenario(
           state, dialogs,
           {request.page, request.name, request.directory, entries.battleType, entries.limitTexts});
     }},
    {K::Homemade,
     "homemade",
     "homemade",
     nullptr,
     nullptr,
     {"write the scenario in the Homemade layout",
      "--layout L SCENARIO [COMMON] [EDITS] --dir DIR [--name NAME] [--yes] [--replace]",
      "the directory to write NAME.scn in", "the file name without .scn", "User_Specified_Name",
      "answer Yes to the question asked before converting an Original scenario"},
     true,
     nullptr,
     HomemadeFileNames,
     [](EditorState& state, Dialogs& dialogs, const WriteRequest& request) {
       const CampaignEntries& entries = state.scenario.entries;
       return WriteHomemadeScenario(
           state, dialogs,
           {request.directory, request.name, entries.battleType, entries.limitTexts});
     }},
}};

// A row left out is zero-filled, a row out of place names another kind: either fails to compile.
static_assert([] {
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const WriteKindRow& row = kRows[i];
    // (Its functions are not compared here: with the sanitizers a function's address is no
    // constant. A zero-filled row has no key either, and the tests write every kind.)
    if (static_cast<std::size_t>(row.kind) != i || row.key == nullptr || row.command == nullptr)
      return false;
    // A command of its own has its words; a flag of another kind's command has its help.
    const WriteCommandWords& words = row.commandWords;
    if (row.commandFlag == nullptr ? words.about == nullptr || words.takes == nullptr ||
                                         words.dirHelp == nullptr || words.nameHelp == nullptr
                                   : row.commandFlagHelp == nullptr)
      return false;
  }
  return true;
}());

}  // namespace

const std::array<WriteKindRow, kWriteKindCount>& WriteKinds() {
  return kRows;
}

const WriteKindRow& RowOf(WriteKind kind) {
  return kRows[static_cast<std::size_t>(kind)];
}

std::optional<WriteKind> WriteKindByKey(const std::string& key) {
  for (const WriteKindRow& row : kRows) {
    if (key == row.key)
      return row.kind;
  }
  return std::nullopt;
}

std::optional<WriteKind> WriteKindOfCommand(const std::string& command,
                                            const std::vector<std::string>& flags) {
  std::optional<WriteKind> plain;
  for (const WriteKindRow& row : kRows) {
    if (command != row.command)
      continue;
    if (row.commandFlag == nullptr)
      plain = row.kind;
    else if (std::find(flags.begin(), flags.end(), row.commandFlag) != flags.end())
      return row.kind;
  }
  return plain;
}

}  // namespace zarkel
