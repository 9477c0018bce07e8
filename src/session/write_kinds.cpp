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

constexpr const char* kHeaderOnly =
    ": its header line and the three sides' blank lines alone, since no scenario is open";

using K = WriteKind;
constexpr std::array<WriteKindRow, kWriteKindCount> kRows = {{
    {K::OrderOfBattle, "ob", "ob", nullptr, false, kHeaderOnly, OrderOfBattleFileNames,
     [](EditorState& state, Dialogs& dialogs, const WriteRequest& request) {
       return WriteOrderOfBattle(state, dialogs, {request.directory, request.name});
     }},
    {K::ObSpreadsheet, "ob-spreadsheet", "ob", "--spreadsheet", false, kHeaderOnly,
     ObSpreadsheetFileNames,
     [](EditorState& state, Dialogs& dialogs, const WriteRequest& request) {
       return WriteObSpreadsheet(state, dialogs, {request.directory, request.name});
     }},
    {K::Campaign, "campaign", "campaign", nullptr, true, nullptr, CampaignFileNames,
     [](EditorState& state, Dialogs& dialogs, const WriteRequest& request) {
       const CampaignEntries& entries = state.scenario.entries;
       return WriteCampaignScenario(
           state, dialogs,
           {request.page, request.name, request.directory, entries.battleType, entries.limitTexts});
     }},
    {K::Homemade, "homemade", "homemade", nullptr, true, nullptr, HomemadeFileNames,
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
    if (static_cast<std::size_t>(row.kind) != i || row.key == nullptr || row.command == nullptr ||
        row.fileNames == nullptr || row.write == nullptr)
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
