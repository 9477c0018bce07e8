// The checks every scenario writer makes before it writes a byte: that a scenario is open, that
// its source file is still the file that was opened, and that no output would land on a file the
// writer reads from.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/source_file.h"
#include "model/editor_state.h"

namespace zarkel {

// Throws Refusal when no scenario has been opened; returns the layout of the last opening.
ScenarioLayout RequireOpenScenario(const ScenarioData& scenario);

// Throws Refusal when the source scenario is now shorter than its layout needs or its size has
// changed since it was opened: the geometry read at opening would no longer describe it.
void RequireUnchangedSource(const ScenarioData& scenario, SourceFile& source);

// A file the writer reads, with the words that name it in a refusal.
struct ReadFile {
  std::filesystem::path path;
  const char* what;  // "the opened scenario", "its place-name file", ...
};

// The files a scenario writer reads: the opened scenario and, from an Original one, its three
// companion files.
std::vector<ReadFile> FilesReadBy(const ScenarioData& scenario);

// Throws Refusal, naming the output, when an output is the same file as one the writer reads
// (the same path, or the same file reached another way).
void RefuseOverwritingSources(const std::vector<std::filesystem::path>& outputs,
                              const std::vector<ReadFile>& reads);

}  // namespace zarkel
