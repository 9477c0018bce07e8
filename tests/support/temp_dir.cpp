#include "temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

#include "base/utf8_path.h"

namespace zarkel::testing {

TempDir::TempDir() {
  std::random_device random;
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate =
        base / ("zarkel-test-" + std::to_string(random()) + std::to_string(random()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
}

std::filesystem::path TempDir::operator/(const std::string& name) const {
  return path_ / PathFromUtf8(name);
}

TempDir::~TempDir() {
  std::error_code ignored;
  // Give back write permission that a test may have taken away, then remove everything.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
  }
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::map<std::string, std::vector<unsigned char>> Snapshot(const std::filesystem::path& directory) {
  std::map<std::string, std::vector<unsigned char>> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) {
    const std::string name = std::filesystem::relative(entry.path(), directory).generic_string();
    if (entry.is_directory()) {
      files[name + "/"] = {};
      continue;
    }
    std::ifstream in(entry.path(), std::ios::binary);
    files[name] = std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                             std::istreambuf_iterator<char>());
  }
  return files;
}

}  // namespace zarkel::testing
