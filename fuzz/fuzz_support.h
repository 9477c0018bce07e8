// What the fuzz targets share: a scratch directory of their own for the files they make from
// the fuzzer's bytes, and a way to stop on a broken promise that the sanitizers cannot see.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace zarkel::fuzz {

// A directory of this process, removed when the process exits normally (scripts/fuzz.sh runs
// the targets inside a directory of its own and removes whatever a target leaves).
const std::filesystem::path& Scratch();

// Writes `size` bytes to `name` in the scratch directory and returns its path.
std::filesystem::path WriteScratch(const std::string& name, const std::uint8_t* data,
                                   std::size_t size);
std::filesystem::path WriteScratch(const std::string& name, const std::string& text);

std::string ReadWhole(const std::filesystem::path& path);

// Stops the process as a finding when `condition` is false.
inline void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

}  // namespace zarkel::fuzz
