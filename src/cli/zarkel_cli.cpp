// zarkel-cli: the editor's operations from the command line. The flags stand for the controls
// and dialogs of the window; each step calls the operation the window's control would.
#include <exception>
#include <filesystem>
#include <iostream>
#include <vector>

#include "base/errors.h"
#include "base/integer_text.h"
#include "base/platform_file.h"
#include "base/utf8_path.h"
#include "cli/command_line.h"
#include "cli/edits.h"
#include "cli/scenario_report.h"
#include "model/campaign_settings.h"
#include "session/dialog_answers.h"
#include "session/printed_dialogs.h"
#include "session/session.h"

namespace zarkel::cli {

namespace {

constexpr int kDone = 0;
constexpr int kStopped = 1;
constexpr int kUsage = 2;
constexpr int kFindings = 1;  // check: at least one finding printed

// What follows a question answered No because its flag was not given.
constexpr const char* kAnsweredNo = "Not written: --yes answers Yes.";
constexpr const char* kNotReplaced = "Not written: --replace replaces the files that are there.";

std::string AbsolutePath(const std::string& path) {
  return Utf8FromPath(std::filesystem::absolute(PathFromUtf8(path)));
}

// A dialog returns a full path; an empty name stays empty, as an empty file name would.
std::optional<std::string> AbsolutePath(const std::optional<std::string>& path) {
  if (!path || path->empty())
    return path;
  return AbsolutePath(*path);
}

OpenRequest MakeOpenRequest(const Session& session, const Command& command) {
  OpenRequest request = session.OpenRequestFor(command.layout, command.scenario);
  // A companion file given on the command line stands for a cleared check box and the file
  // picked in its dialog.
  request.placenameDefault = !command.placenames;
  request.titleDefault = !command.title;
  request.descriptionDefault = !command.description;
  return request;
}

// The dialogs answered from the command line: each file dialog by the path its flag gave (none:
// Cancel), the Homemade writer's question by --yes and the question whether to replace files
// that are there by --replace alone (without the flag: No, and the question is printed with the
// flag that answers it).
DialogAnswers FlagAnswers(const Command& command) {
  DialogAnswers answers;
  answers.files = {{FileDialogKind::Equipment, AbsolutePath(command.equipment)},
                   {FileDialogKind::EquipmentNames, AbsolutePath(command.names)},
                   {FileDialogKind::Placenames, AbsolutePath(command.placenames)},
                   {FileDialogKind::Title, AbsolutePath(command.title)},
                   {FileDialogKind::Description, AbsolutePath(command.description)}};
  answers.yesNo = command.yes;
  answers.yesNoDeclinedNote = kAnsweredNo;
  answers.replace = command.replace;
  answers.replaceDeclinedNote = kNotReplaced;
  return answers;
}

// The refusal of a limit's text, named by the --limit that gave it: the first limit that does
// not convert, in the order a writer converts them.
ConversionError NamedByLimitFlag(const ConversionError& error, const LimitTexts& texts) {
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
    try {
      ParseByte(texts[static_cast<std::size_t>(field)], std::string());
    } catch (const ConversionError&) {
      return error.Naming(std::string("--limit ") + Limit(field).name);
    }
  }
  return error;
}

// A finding about a limit names the --limit that sets it beside the caption the window shows:
// `The limit "max # of axis Aux" (--limit axisAuxMax) is '300', ...`.
std::string WithLimitFlag(const std::string& text) {
  for (std::int32_t field = 0; field < kLimitFieldCount; ++field) {
    std::string caption = LimitCaptionInMessages(field);
    const std::string mark = " ***";
    if (caption.size() >= mark.size() &&
        caption.compare(caption.size() - mark.size(), mark.size(), mark) == 0)
      caption.erase(caption.size() - mark.size());
    const std::string quoted = "The limit \"" + caption + "\"";
    if (text.compare(0, quoted.size(), quoted) == 0)
      return quoted + " (--limit " + Limit(field).name + ")" + text.substr(quoted.size());
  }
  return text;
}

int Run(const Command& command) {
  // None for a command that makes no write.
  const std::optional<WriteKind> kind = WriteKindOfCommand(command.commandName, command.kindFlags);
  if (kind) {
    // Named as it was given, before anything is opened.
    Session::RequireWriteName(*kind, command.name, "given in --name");
  }
  PrintedDialogs printed(std::cerr);
  AnsweredDialogs dialogs(printed, FlagAnswers(command));
  Session session(dialogs);

  if (!session.Open(MakeOpenRequest(session, command)).opened)
    return kStopped;
  // What the equipment load found amiss without refusing it.
  if (!session.state().equipment.note.empty())
    std::cerr << session.state().equipment.note << '\n';
  if (command.kind == CommandKind::Info) {
    std::cout << (command.json ? ScenarioJson(session, command) : ScenarioSummary(session, command))
              << std::flush;
    return kDone;
  }

  for (const Edit& edit : command.edits) {
    if (!ApplyEdit(session, edit))
      return kStopped;
  }
  if (command.kind == CommandKind::Check) {
    // Lines counted from 0, as --core-unit and --to-aux take them.
    const ScenarioCheck check = session.Check(LineNumbers::FromZero);
    for (const Finding& finding : check.findings)
      std::cout << FindingKindName(finding.kind) << ": "
                << TerminalText(WithLimitFlag(finding.text)) << '\n';
    std::cout << std::flush;
    for (const std::string& note : check.notes)
      std::cerr << note << '\n';
    return check.findings.empty() ? kDone : kFindings;
  }
  std::optional<WrittenFiles> written;
  try {
    written = session.Write({*kind, AbsolutePath(command.directory), command.name, command.page});
  } catch (const ConversionError& error) {
    // A limit the writer refused came from a --limit: named by that flag, not by the window's
    // caption.
    throw NamedByLimitFlag(error, session.limitTexts());
  }
  if (!written)
    return kStopped;
  // The same line the window's status bar shows.
  std::cout << Session::WrittenLine(*written) << std::endl;
  return kDone;
}

}  // namespace

}  // namespace zarkel::cli

int main(int argc, char** argv) {
  // File names and texts are UTF-8 from here on, on Windows too.
  const std::vector<std::string> arguments = zarkel::platform::Utf8Arguments(argc, argv);
  std::vector<const char*> pointers;
  for (const std::string& argument : arguments)
    pointers.push_back(argument.c_str());
  const zarkel::cli::CommandLine commandLine =
      zarkel::cli::ReadCommandLine(static_cast<int>(pointers.size()), pointers.data());
  if (!commandLine.command)
    return commandLine.exitCode;
  try {
    return zarkel::cli::Run(*commandLine.command);
  } catch (const zarkel::cli::UsageError& error) {
    std::cerr << error.what() << '\n' << zarkel::cli::UsageHint(commandLine.command->commandName);
    return zarkel::cli::kUsage;
  } catch (const zarkel::EditorError& error) {
    std::cerr << error.what() << '\n';
  } catch (const std::exception& error) {
    std::cerr << "zarkel-cli: " << error.what() << '\n';
  }
  return zarkel::cli::kStopped;
}
