// The demo set of examples/: an equipment file with its names, a Homemade scenario and an
// Original scenario with its three companion files, all made up here (no name or number of them
// comes from a real game). The bytes are the same on every run and every machine.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zarkel::demo {

// File name -> content of every file of the set, README.md included.
std::map<std::string, std::vector<std::uint8_t>> DemoSetFiles();

// Writes every file of the set into `directory` (created if missing), replacing files of the same
// name and leaving any other file alone.
void WriteDemoSet(const std::filesystem::path& directory);

}  // namespace zarkel::demo
