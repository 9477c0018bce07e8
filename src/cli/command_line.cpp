#include "cli/command_line.h"

#include <CLI/CLI.hpp>

#include <array>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "base/version.h"
#include "model/vocabulary.h"
#include "session/write_kinds.h"

namespace zarkel::cli {

namespace {

constexpr int kUsageExitCode = 2;

constexpr const char* kAbout =
    "zarkel-cli: open a scenario of the game, edit its rosters and write it out.";

constexpr const char* kCheckHelp =
    R"(Findings, each printed as KIND: TEXT after the open and the edits:
  implausible-content the file does not look like a scenario: most unit names not text,
                      most ids, countries, sides or order numbers beyond the game's
  outside-map         a placed unit at a column or row beyond the map
  shared-hex          two placed units on one hex, both air units or neither (not checked
                      without --equipment: a note on stderr says so)
  too-many-units      a side with more than 80 core or 120 auxiliary units
  limit-below-count   a campaign limit below the count it limits, as "Update Current
                      Values" counts it
  limit-not-writable  a campaign limit that is not a number from 0 to 255, which the
                      writers refuse
  unknown-equipment   an equipment id beyond the entries of the --equipment file
A unit is named with its side, list and line, the lines counted from 0 as --core-unit,
--aux-unit, --to-aux and --to-core count them (the window counts from 1).
The check only informs. Exit status: 0 no finding, 1 findings (or the open or an edit
stopped), 2 usage error.)";

// The commands with what each takes, for the overview of --help and the usage line of an error:
// info, the commands of the kinds of write in the order of the kinds, check.
struct CommandSynopsis {
  std::string name;
  std::string takes;
};
const std::vector<CommandSynopsis>& Commands() {
  static const std::vector<CommandSynopsis> commands = [] {
    std::vector<CommandSynopsis> list{
        {"info", "--layout homemade|original SCENARIO [COMMON] [--json]"}};
    for (const WriteKindRow& row : WriteKinds()) {
      if (row.commandFlag == nullptr)
        list.push_back({row.command, row.commandWords.takes});
    }
    list.push_back({"check", "--layout L SCENARIO [COMMON] [EDITS]"});
    return list;
  }();
  return commands;
}

const CommandSynopsis* CommandNamed(const std::string& name) {
  for (const CommandSynopsis& command : Commands()) {
    if (name == command.name)
      return &command;
  }
  return nullptr;
}

// "info, ob, campaign, homemade and check" (`last` between the last two).
std::string CommandNames(const char* last) {
  std::string names;
  const std::size_t count = Commands().size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0)
      names += i + 1 == count ? std::string(" ") + last + " " : ", ";
    names += Commands()[i].name;
  }
  return names;
}

std::string Overview() {
  std::string text = "Commands:\n";
  for (const CommandSynopsis& command : Commands()) {
    // The options wrap before a "[" or "(" past 90 characters, under the first option.
    std::string head = "  " + command.name;
    head.resize(11, ' ');
    std::string line = head;
    std::string takes = command.takes;
    while (head.size() + takes.size() > 90) {
      std::size_t cut = takes.find_last_of("[(", 90 - head.size());
      if (cut == std::string::npos || cut == 0)
        break;
      line += takes.substr(0, cut - 1) + "\n" + std::string(head.size(), ' ');
      takes = takes.substr(cut);
    }
    text += line + takes + "\n";
  }
  return text +
         "\nCOMMON: --equipment EQP, --names TXT, and for an Original scenario --placenames TST,\n"
         "--title TIT, --description DES. Run \"zarkel-cli COMMAND --help\" for the details.";
}

// The flag values of one subcommand, bound while CLI11 parses.
struct Flags {
  CommandKind kind = CommandKind::Info;
  std::string command;  // its name
  CLI::App* app = nullptr;
  std::string layout;
  std::string scenario;
  std::string equipment;
  std::string names;
  std::string placenames;
  std::string title;
  std::string description;
  bool json = false;
  std::string directory;
  std::string name;
  std::string slot;
  std::string page;
  bool yes = false;
  bool replace = false;
  std::map<const CLI::Option*, const EditFlag*> editOptions;
  // Where each flag without a value stands on the command line (argv indices, in order).
  std::map<std::string, std::vector<std::int32_t>> flagArguments;
};

[[noreturn]] void Invalid(const std::string& flag, const std::string& message) {
  throw CLI::ValidationError(flag, message);
}

// The edits in the order they stand on the command line. Each occurrence of an edit flag is one
// entry of the parse order and one result of its option, in the same order.
std::vector<Edit> ReadEdits(const Flags& flags) {
  std::vector<Edit> edits;
  std::map<const CLI::Option*, std::size_t> taken;
  bool sideChosen = false;
  for (const CLI::Option* option : flags.app->parse_order()) {
    const auto found = flags.editOptions.find(option);
    if (found == flags.editOptions.end())
      continue;
    const EditFlag& editFlag = *found->second;
    const std::size_t index = taken[option]++;
    std::int32_t argument = 0;
    if (!editFlag.TakesValue()) {
      const auto arguments = flags.flagArguments.find(editFlag.flag);
      if (arguments != flags.flagArguments.end() && index < arguments->second.size())
        argument = arguments->second[index];
    }
    Edit edit =
        editFlag.read(editFlag, editFlag.TakesValue() ? option->results().at(index) : "", argument);
    if (editFlag.needsSide && !sideChosen)
      Invalid(editFlag.flag, "needs --side axis|allies before it");
    sideChosen = sideChosen || std::holds_alternative<SideEdit>(edit.change);
    edits.push_back(std::move(edit));
  }
  return edits;
}

// Where each edit flag without a value stands on the command line: its argv indices in order,
// up to a "--" (after which nothing is a flag).
std::map<std::string, std::vector<std::int32_t>> FlagArguments(int argc, const char* const* argv) {
  std::map<std::string, std::vector<std::int32_t>> arguments;
  for (int i = 1; i < argc && std::string(argv[i]) != "--"; ++i) {
    for (const EditFlag& editFlag : EditFlags()) {
      if (!editFlag.TakesValue() && argv[i] == std::string(editFlag.flag))
        arguments[editFlag.flag].push_back(i);
    }
  }
  return arguments;
}

// The captions of one page's slots, wrapped for the help text.
std::string SlotList(CampaignPage page) {
  std::string list = page == CampaignPage::Axis ? "  axis page:   " : "  allied page: ";
  std::size_t lineStart = 0;
  const auto& slots = CampaignSlots(page);
  for (std::size_t i = 0; i < slots.size(); ++i) {
    const std::string item = std::string(slots[i].caption) + (i + 1 < slots.size() ? "," : "");
    if (list.size() - lineStart + 1 + item.size() > 90) {
      list += "\n";
      lineStart = list.size();
      list += std::string(14, ' ');
    } else if (i > 0) {
      list += ' ';
    }
    list += item;
  }
  return list + "\n";
}

std::vector<std::string> SlotCaptions() {
  std::vector<std::string> captions;
  for (const CampaignPage page : {CampaignPage::Axis, CampaignPage::Allied}) {
    for (const CampaignSlot& slot : CampaignSlots(page))
      captions.push_back(slot.caption);
  }
  return captions;
}

std::vector<std::string> LayoutKeys() {
  std::vector<std::string> keys;
  for (const LayoutWords& words : kLayoutWords)
    keys.emplace_back(words.key);
  return keys;
}

void AddCommon(Flags& flags) {
  CLI::App& app = *flags.app;
  app.add_option("--layout", flags.layout, "the scenario's layout")
      ->required()
      ->check(CLI::IsMember(LayoutKeys()));
  app.add_option("SCENARIO", flags.scenario, "the scenario file (.scn)")->required()->type_name("");
  app.add_option("--equipment", flags.equipment, "the equipment file (.eqp); skipped if absent")
      ->type_name("EQP");
  app.add_option("--names", flags.names, "the equipment-name file; skipped if absent")
      ->type_name("TXT");
  app.add_option("--placenames", flags.placenames,
                 "Original only: the place-name file instead of s<base>.tst beside SCENARIO")
      ->type_name("TST");
  app.add_option("--title", flags.title,
                 "Original only: the title file instead of <base>.tit beside SCENARIO")
      ->type_name("TIT");
  app.add_option("--description", flags.description,
                 "Original only: the description file instead of <base>.des beside SCENARIO")
      ->type_name("DES");
}

void AddEdits(Flags& flags) {
  for (const EditFlag& editFlag : EditFlags()) {
    // Listed in the footer, which says more than one line per flag could.
    CLI::Option* option = editFlag.TakesValue()
                              ? flags.app->add_option(editFlag.flag)->take_all()
                              : flags.app->add_flag(editFlag.flag)
                                    ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    option->group("");
    const std::vector<std::string> choices = editFlag.Choices();
    if (!choices.empty())
      option->check(CLI::IsMember(choices));
    flags.editOptions[option] = &editFlag;
  }
  flags.app->footer(EditsHelp());
}

void AddOutput(Flags& flags, const char* directoryHelp) {
  flags.app->add_option("--dir", flags.directory, directoryHelp)->required()->type_name("DIR");
  flags.app->add_flag("--replace", flags.replace,
                      "replace files of the same names in DIR (without it, a write whose files "
                      "are there already is refused)");
}

std::optional<std::string> Given(const Flags& flags, const char* flag, const std::string& value) {
  if (flags.app->count(flag) == 0)
    return std::nullopt;
  return value;
}

// The page of a slot caption, if it is one.
std::optional<CampaignPage> PageOfSlot(const std::string& caption, std::string* baseName) {
  for (const CampaignPage page : {CampaignPage::Axis, CampaignPage::Allied}) {
    for (const CampaignSlot& slot : CampaignSlots(page)) {
      if (caption == slot.caption) {
        *baseName = slot.baseName;
        return page;
      }
    }
  }
  return std::nullopt;
}

// A campaign's command, whose name may be a slot's.
bool TakesSlots(const Flags& flags) {
  return flags.kind == CommandKind::Write &&
         WriteKindOfCommand(flags.command, {}) == WriteKind::Campaign;
}

Command ToCommand(const Flags& flags) {
  Command command;
  command.kind = flags.kind;
  command.commandName = flags.command;
  command.layoutName = flags.layout;
  command.layout = LayoutByKey(flags.layout).value_or(ScenarioLayout::Homemade);
  command.scenario = flags.scenario;
  command.equipment = Given(flags, "--equipment", flags.equipment);
  command.names = Given(flags, "--names", flags.names);
  command.placenames = Given(flags, "--placenames", flags.placenames);
  command.title = Given(flags, "--title", flags.title);
  command.description = Given(flags, "--description", flags.description);
  if (command.layout == ScenarioLayout::Homemade) {
    // A Homemade scenario carries its own place names, title and description.
    for (const char* flag : {"--placenames", "--title", "--description"}) {
      if (flags.app->count(flag) > 0)
        Invalid(flag, "applies to an Original scenario only");
    }
  }
  command.json = flags.json;
  command.directory = flags.directory;
  command.name = flags.name;
  command.yes = flags.yes;
  command.replace = flags.replace;
  for (const WriteKindRow& row : WriteKinds()) {
    if (row.commandFlag != nullptr && flags.command == row.command &&
        flags.app->count(row.commandFlag) > 0)
      command.kindFlags.emplace_back(row.commandFlag);
  }
  if (flags.kind != CommandKind::Info)
    command.edits = ReadEdits(flags);

  if (TakesSlots(flags)) {
    const bool bySlot = flags.app->count("--slot") > 0;
    const bool byName = flags.app->count("--name") > 0;
    if (bySlot == byName)
      Invalid("campaign", "give either --slot CAPTION or --name NAME");
    const std::optional<CampaignPage> chosenPage =
        flags.app->count("--page") == 0
            ? std::nullopt
            : std::optional<CampaignPage>(flags.page == "allied" ? CampaignPage::Allied
                                                                 : CampaignPage::Axis);
    command.page = chosenPage.value_or(CampaignPage::Axis);
    if (bySlot) {
      const std::optional<CampaignPage> slotPage = PageOfSlot(flags.slot, &command.name);
      if (chosenPage && chosenPage != slotPage) {
        Invalid("--slot", "\"" + flags.slot + "\" is not a slot of the " + flags.page + " page");
      }
      command.page = *slotPage;
    }
  }
  return command;
}

}  // namespace

namespace {

// A write's command: its options, from the row of its kind (and the flags of the kinds its
// other flags choose).
void DefineWrite(Flags& flags, const WriteKindRow& row) {
  const WriteCommandWords& words = row.commandWords;
  AddCommon(flags);
  AddEdits(flags);
  AddOutput(flags, words.dirHelp);
  CLI::App& app = *flags.app;
  const bool slots = TakesSlots(flags);
  if (slots) {
    app.add_option("--slot", flags.slot, "a campaign slot, by its caption")
        ->type_name("CAPTION")
        ->check(CLI::IsMember(SlotCaptions()).description(""));
    app.footer("Slot captions (--slot):\n" + SlotList(CampaignPage::Axis) +
               SlotList(CampaignPage::Allied) + "\n" + EditsHelp());
  }
  CLI::Option* name = app.add_option("--name", flags.name, words.nameHelp);
  if (words.nameDefault != nullptr)
    name->default_val(words.nameDefault);
  name->type_name("NAME");
  if (slots) {
    app.add_option("--page", flags.page, "the campaign page (default: the slot's page, else axis)")
        ->check(CLI::IsMember({"axis", "allied"}));
  }
  for (const WriteKindRow& form : WriteKinds()) {
    if (form.commandFlag != nullptr && flags.command == form.command)
      app.add_flag(form.commandFlag, form.commandFlagHelp);
  }
  if (words.yesHelp != nullptr)
    app.add_flag("--yes", flags.yes, words.yesHelp);
}

// The program's commands, defined on `app` into `all`, one Flags for each of Commands(). When
// the first argument names a command, only that command gets its flags (the others keep their
// names and descriptions for the overview): defining every flag of every command took as long as
// the rest of a run's start.
void DefineCommands(CLI::App& app, std::vector<Flags>& all, int argc, const char* const* argv) {
  app.require_subcommand(1);
  app.set_version_flag("--version", std::string("zarkel-cli ") + kVersion);
  const std::string first = argc > 1 ? argv[1] : "";
  const bool named = CommandNamed(first) != nullptr;
  auto defined = [&](const std::string& command) { return !named || first == command; };
  std::size_t next = 0;

  Flags& info = all[next++];
  info.kind = CommandKind::Info;
  info.command = "info";
  info.app = app.add_subcommand("info", "print what the scenario holds");
  if (defined("info")) {
    AddCommon(info);
    info.app->add_flag("--json", info.json, "print one JSON object");
  }

  for (const WriteKindRow& row : WriteKinds()) {
    if (row.commandFlag != nullptr)
      continue;
    Flags& write = all[next++];
    write.kind = CommandKind::Write;
    write.command = row.command;
    write.app = app.add_subcommand(row.command, row.commandWords.about);
    if (defined(row.command))
      DefineWrite(write, row);
  }

  Flags& check = all[next++];
  check.kind = CommandKind::Check;
  check.command = "check";
  check.app = app.add_subcommand(
      "check", "print the mistakes the game would meet: one line per finding (exit 1 if any)");
  if (defined("check")) {
    AddCommon(check);
    AddEdits(check);
    check.app->footer(EditsHelp() + "\n\n" + kCheckHelp);
  }

  app.footer(Overview());
}

}  // namespace

std::string UsageHint(const std::string& command) {
  const CommandSynopsis* named = CommandNamed(command);
  if (named == nullptr) {
    return "Usage: zarkel-cli COMMAND [OPTIONS]\nRun \"zarkel-cli --help\" for more.\n";
  }
  return "Usage: zarkel-cli " + named->name + " " + named->takes + "\nRun \"zarkel-cli " +
         named->name + " --help\" for more.\n";
}

CommandLine ReadCommandLine(int argc, const char* const* argv) {
  auto usageError = [](const std::string& cause, const std::string& command) {
    // One line of cause, however CLI11 worded it.
    std::string line = cause;
    for (char& c : line) {
      if (c == '\n')
        c = ' ';
    }
    std::cerr << line << '\n' << UsageHint(command);
    return CommandLine{std::nullopt, kUsageExitCode};
  };
  // Without a command first there is nothing for CLI11 to read but the help and the version.
  const std::string first = argc > 1 ? argv[1] : "";
  if (CommandNamed(first) == nullptr && first != "--help" && first != "-h" &&
      first != "--version") {
    if (first.empty() || first[0] == '-') {
      return usageError("A command is required" +
                            (first.empty() ? std::string() : " before \"" + first + "\"") + ": " +
                            CommandNames("or") + ".",
                        "");
    }
    return usageError(
        "\"" + first + "\" is not a command; the commands are " + CommandNames("and") + ".", "");
  }

  CLI::App app(kAbout, "zarkel-cli");
  // Sized once: CLI11 keeps the addresses of the values it fills.
  std::vector<Flags> all(Commands().size());
  DefineCommands(app, all, argc, argv);

  const auto flagArguments = FlagArguments(argc, argv);
  for (Flags& flags : all)
    flags.flagArguments = flagArguments;

  try {
    app.parse(argc, argv);
    for (const Flags& flags : all) {
      if (flags.app->parsed())
        return CommandLine{ToCommand(flags), 0};
    }
    throw CLI::RequiredError::Subcommand(1);
  } catch (const CLI::Success& e) {  // --help, --help-all, --version: printed, then exit 0
    return CommandLine{std::nullopt, app.exit(e)};
  } catch (const CLI::ParseError& e) {
    return usageError(e.what(), first);
  } catch (const UsageError& e) {
    return usageError(e.what(), first);
  }
}

}  // namespace zarkel::cli
