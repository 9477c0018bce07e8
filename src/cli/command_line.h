// What zarkel-cli is asked to do, as read from its command line by CLI11.
//
//   zarkel-cli info     --layout homemade|original SCENARIO [COMMON] [--json]
//   zarkel-cli ob       --layout L SCENARIO [COMMON] [EDITS] --dir DIR [--name NAME]
//                       [--spreadsheet]
//   zarkel-cli campaign --layout L SCENARIO [COMMON] [EDITS] --dir DIR
//                       (--slot CAPTION | --name NAME) [--page axis|allied]
//   zarkel-cli homemade --layout L SCENARIO [COMMON] [EDITS] --dir DIR [--name NAME] [--yes]
//   zarkel-cli check    --layout L SCENARIO [COMMON] [EDITS]
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/edits.h"
#include "model/campaign_page.h"
#include "model/scenario_layout.h"

namespace zarkel::cli {

// info, a write (the commands of the kinds of write), check.
enum class CommandKind { Info, Write, Check };

struct Command {
  CommandKind kind = CommandKind::Info;
  std::string commandName;  // "info", "ob", ...
  ScenarioLayout layout = ScenarioLayout::Homemade;
  std::string layoutName;  // "homemade" or "original", as given
  std::string scenario;    // SCENARIO as given

  // The answers to the open's dialogs; none answers Cancel (or keeps the default name).
  std::optional<std::string> equipment;
  std::optional<std::string> names;
  std::optional<std::string> placenames;
  std::optional<std::string> title;
  std::optional<std::string> description;

  bool json = false;        // info
  std::vector<Edit> edits;  // ob, campaign, homemade, check

  std::string directory;  // --dir
  // --name or its default ("OB", "User_Specified_Name"); for campaign the base name to write
  // under: the slot's file name or --name.
  std::string name;
  CampaignPage page = CampaignPage::Axis;  // campaign
  bool yes = false;                        // homemade: the answer to the confirmation
  bool replace = false;                    // writes: the answer to the replace question
  // The flags given that choose which write the command makes (WriteKindRow::commandFlag):
  // "--spreadsheet" for ob's NAME.csv.
  std::vector<std::string> kindFlags;
};

// The outcome of reading the command line: a command to run, or the exit code when there is
// nothing to run (help or the version was asked for: 0; a usage error: 2, with its cause and the
// usage already printed).
struct CommandLine {
  std::optional<Command> command;
  int exitCode = 0;
};

CommandLine ReadCommandLine(int argc, const char* const* argv);

// What follows the cause of a usage error: the usage line of `command` and where to read more;
// for a name that is no command, the program's.
std::string UsageHint(const std::string& command);

}  // namespace zarkel::cli
