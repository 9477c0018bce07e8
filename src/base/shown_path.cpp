#include "base/shown_path.h"

#include <system_error>

namespace zarkel {

namespace {

std::filesystem::path WithoutDots(const std::filesystem::path& path) {
  std::filesystem::path tidy;
  for (const std::filesystem::path& part : path) {
    if (part != ".")
      tidy /= part;
  }
  return tidy;
}

}  // namespace

std::filesystem::path ShownPath(const std::filesystem::path& path) {
  bool up = false;
  for (const std::filesystem::path& part : path)
    up = up || part == "..";
  if (up) {
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
    if (!error)
      return WithoutDots(resolved);
  }
  return WithoutDots(path);
}

}  // namespace zarkel
