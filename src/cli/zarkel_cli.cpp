// zarkel-cli: the editor's operations from the command line. The flags stand for the controls
// and dialogs of the window; each step calls the operation the window's control would.
#include <exception>
#include <filesystem>
#include <iostream>
#include <vector>

#include "base/errors.h"
#include "base/platform_file.h"
#include "base/utf8_path.h"
#include "cli/command_line.h"
#include "cli/edits.h"
#include "cli/flag_dialogs.h"
#include "cli/scenario_report.h"
#include "output/output_name.h"
#include "session/session.h"

namespace zarkel::cli {

namespace {

constexpr int kDone = 0;
constexpr int kStopped = 1;
constexpr int kUsage = 2;
constexpr int kFindings = 1;  // check: at least one finding printed

std::string AbsolutePath(const std::string& path) {
  return Utf8FromPath(std::filesystem::absolute(PathFromUtf8(path)));
}

// A dialog returns a full path; an empty name stays empty, as an empty file name would.
std::optional<std::string> AbsolutePath(const std::optional<std::string>& path) {
  if (!path || path->empty())
    return path;
  return AbsolutePath(*path);
}

OpenRequest MakeOpenRequest(const Command& command) {
  const std::filesystem::path scenario = std::filesystem::absolute(PathFromUtf8(command.scenario));
  OpenRequest request;
  request.layout = command.layout;
  request.directory = Utf8FromPath(scenario.parent_path());
  request.fileName = Utf8FromPath(scenario.filename());
  // A companion file given on the command line stands for a cleared check box and the file
  // picked in its dialog.
  request.placenameDefault = !command.placenames;
  request.titleDefault = !command.title;
  request.descriptionDefault = !command.description;
  return request;
}

// Writes what the command asks for. Returns none when a writer's question was answered No.
std::optional<WrittenFiles> Write(Session& session, const Command& command) {
  const std::string directory = AbsolutePath(command.directory);
  switch (command.kind) {
    case CommandKind::OrderOfBattle:
      return command.spreadsheet ? session.WriteObSpreadsheet(directory, command.name)
                                 : session.WriteOrderOfBattle(directory, command.name);
    case CommandKind::Campaign:
      return session.WriteCampaign(command.page, command.name, directory);
    case CommandKind::Homemade:
      return session.WriteHomemade(directory, command.name);
    case CommandKind::Info:
    case CommandKind::Check:
      break;
  }
  return std::nullopt;
}

int Run(const Command& command) {
  if (command.kind != CommandKind::Info && command.kind != CommandKind::Check) {
    // Named as it was given, before anything is opened.
    RequireNameWithoutFolder(command.name, "--name");
  }
  FlagDialogs dialogs(std::cerr, command.yes, command.replace);
  dialogs.SetAnswer(FileDialogKind::Equipment, AbsolutePath(command.equipment));
  dialogs.SetAnswer(FileDialogKind::EquipmentNames, AbsolutePath(command.names));
  dialogs.SetAnswer(FileDialogKind::Placenames, AbsolutePath(command.placenames));
  dialogs.SetAnswer(FileDialogKind::Title, AbsolutePath(command.title));
  dialogs.SetAnswer(FileDialogKind::Description, AbsolutePath(command.description));
  Session session(dialogs);

  if (!session.Open(MakeOpenRequest(command)).opened)
    return kStopped;
  // What the equipment load found amiss without refusing it.
  if (!session.state().equipment.note.empty())
    std::cerr << session.state().equipment.note << '\n';
  if (command.kind == CommandKind::Info) {
    const EditorState& state = session.state();
    std::cout << (command.json ? ScenarioJson(state, command) : ScenarioSummary(state, command))
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
      std::cout << FindingKindName(finding.kind) << ": " << TerminalText(finding.text) << '\n';
    std::cout << std::flush;
    for (const std::string& note : check.notes)
      std::cerr << note << '\n';
    return check.findings.empty() ? kDone : kFindings;
  }
  const std::optional<WrittenFiles> written = Write(session, command);
  if (!written)
    return kStopped;
  // The same line the window's status bar shows.
  std::cout << WrittenFilesLine(*written) << std::endl;
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
    std::cerr << error.what() << '\n'
              << zarkel::cli::UsageHint(zarkel::cli::CommandName(commandLine.command->kind));
    return zarkel::cli::kUsage;
  } catch (const zarkel::EditorError& error) {
    std::cerr << error.what() << '\n';
  } catch (const std::exception& error) {
    std::cerr << "zarkel-cli: " << error.what() << '\n';
  }
  return zarkel::cli::kStopped;
}
