#include "cli_process.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/utf8_path.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace zarkel::testing {

namespace {

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#ifdef _WIN32

// zarkel-cli.exe is built beside this test program.
std::filesystem::path CliPath() {
  wchar_t self[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  return std::filesystem::path(std::wstring(self, length)).parent_path() / ZARKEL_CLI_FILE_NAME;
}

// One argument quoted as the C runtime splits a command line: backslashes count only before a
// quote.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L"\"";
}

HANDLE Inheritable(const std::filesystem::path& path) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

int RunChild(const std::vector<std::string>& args, const std::filesystem::path& workingDirectory,
             const std::filesystem::path& outPath, const std::filesystem::path& errPath) {
  std::wstring commandLine = Quoted(CliPath().wstring());
  for (const std::string& arg : args)
    commandLine += L" " + Quoted(PathFromUtf8(arg).wstring());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = Inheritable(outPath);
  startup.hStdError = Inheritable(errPath);
  PROCESS_INFORMATION process{};
  const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                      nullptr, workingDirectory.c_str(), &startup, &process);
  CloseHandle(startup.hStdOutput);
  CloseHandle(startup.hStdError);
  if (!started)
    throw std::runtime_error("CreateProcess failed");
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}

#else

int RunChild(const std::vector<std::string>& args, const std::filesystem::path& workingDirectory,
             const std::filesystem::path& outPath, const std::filesystem::path& errPath) {
  const std::string out = outPath.string();
  const std::string err = errPath.string();
  const std::string directory = workingDirectory.string();
  std::vector<std::string> argvStrings = {ZARKEL_CLI_PATH};
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argvStrings)
    argv.push_back(arg.data());
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child < 0)
    throw std::runtime_error("fork failed");
  if (child == 0) {
    // Only async-signal-safe calls between fork and exec.
    const int outFile = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errFile = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (outFile < 0 || errFile < 0 || dup2(outFile, 1) < 0 || dup2(errFile, 2) < 0 ||
        chdir(directory.c_str()) != 0) {
      _exit(126);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child)
    throw std::runtime_error("waitpid failed");
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

}  // namespace

CliRun RunCli(const std::vector<std::string>& args, const std::filesystem::path& workingDirectory,
              const std::filesystem::path& scratch) {
  CliRun run;
  run.exitCode = RunChild(args, workingDirectory, scratch / "stdout", scratch / "stderr");
  run.out = ReadText(scratch / "stdout");
  run.err = ReadText(scratch / "stderr");
#ifdef _WIN32
  // The C runtime ends the lines of the standard streams with CR LF on Windows.
  for (std::string* text : {&run.out, &run.err}) {
    for (std::size_t at = text->find("\r\n"); at != std::string::npos; at = text->find("\r\n", at))
      text->erase(at, 1);
  }
#endif
  return run;
}

}  // namespace zarkel::testing
