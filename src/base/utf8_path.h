// File names are UTF-8 text inside the editor (typed, read from a dialog or the command line,
// shown in messages). A std::filesystem::path made from narrow text takes it in the system's
// narrow encoding, which on Windows is the ANSI code page, not UTF-8: every crossing between
// the two goes through these.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zarkel {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace zarkel
