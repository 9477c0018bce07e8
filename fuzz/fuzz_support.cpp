#include "fuzz_support.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace zarkel::fuzz {

namespace {

void RemoveScratch() {
  std::error_code ignored;
  std::filesystem::remove_all(Scratch(), ignored);
}

}  // namespace

const std::filesystem::path& Scratch() {
  static const std::filesystem::path directory = [] {
    const auto path =
        std::filesystem::temp_directory_path() / ("zarkel-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(path);
    std::atexit(RemoveScratch);
    return path;
  }();
  return directory;
}

std::filesystem::path WriteScratch(const std::string& name, const std::uint8_t* data,
                                   std::size_t size) {
  const std::filesystem::path path = Scratch() / name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out)
    throw std::runtime_error("cannot write " + path.string());
  return path;
}

std::filesystem::path WriteScratch(const std::string& name, const std::string& text) {
  return WriteScratch(name, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace zarkel::fuzz
