// Runs the built zarkel-cli as a child process and collects what it printed and how it exited.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zarkel::testing {

struct CliRun {
  int exitCode = -1;  // the exit status, or -1 when the child ended by a signal
  std::string out;
  std::string err;
};

// Runs zarkel-cli with `args` in the directory `workingDirectory`; its output is kept in files
// below `scratch`.
CliRun RunCli(const std::vector<std::string>& args, const std::filesystem::path& workingDirectory,
              const std::filesystem::path& scratch);

}  // namespace zarkel::testing
