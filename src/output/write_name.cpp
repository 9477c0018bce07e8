#include "output/write_name.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "base/errors.h"
#include "output/companion_files.h"

namespace zarkel {

namespace {

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

// The device name Windows keeps that the part of `fileName` before its first dot is, or empty.
// Superscript digits (UTF-8 C2 B9, C2 B2, C2 B3) count as digits after COM and LPT, as there.
std::string ReservedDevice(const std::string& fileName) {
  std::string stem = Upper(fileName.substr(0, fileName.find('.')));
  // Windows drops the blanks before the dot too: "con .txt" is the device as well.
  stem.erase(stem.find_last_not_of(' ') + 1);
  static const std::array<const char*, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (const char* device : kPlain) {
    if (stem == device)
      return stem;
  }
  if (stem.size() < 4 || (stem.compare(0, 3, "COM") != 0 && stem.compare(0, 3, "LPT") != 0))
    return std::string();
  const std::string digit = stem.substr(3);
  if ((digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') || digit == "\xC2\xB9" ||
      digit == "\xC2\xB2" || digit == "\xC2\xB3")
    return stem;
  return std::string();
}

}  // namespace

std::string QuotedWriteName(const std::string& name) {
  std::string shown;
  for (const char c : name) {
    if (IsControl(c)) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
      shown += escaped;
    } else {
      shown += c;
    }
  }
  return "\"" + shown + "\"";
}

std::optional<std::string> WriteNameFault(const std::string& name,
                                          const std::vector<std::string>& fileNames) {
  const std::string::size_type folder = name.find_first_of("/\\");
  if (folder != std::string::npos)
    return std::string("holds \"") + name[folder] + "\": type a file name without a folder";
  const std::string::size_type forbidden = name.find_first_of("<>:\"|?*");
  if (forbidden != std::string::npos) {
    return std::string("holds \"") + name[forbidden] +
           "\", which Windows does not allow in a file name";
  }
  const auto control = std::find_if(name.begin(), name.end(), IsControl);
  if (control != name.end()) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(*control));
    return std::string("holds the control character ") + code +
           ", which Windows does not allow in a file name";
  }
  if (name == "." || name == "..")
    return std::string("stands for a folder, not a file");
  if (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
    return std::string("ends in a ") + (name.back() == '.' ? "dot" : "space") +
           ", which Windows drops from a file name";
  }
  const std::string device = ReservedDevice(name);
  if (!device.empty()) {
    const std::string::size_type dot = name.find('.');
    return (dot == std::string::npos
                ? std::string("is")
                : "has \"" + name.substr(0, dot) + "\" before its first dot,") +
           " a name Windows keeps for a device (" + device + ")";
  }
  std::size_t longest = 0;
  for (const std::string& fileName : fileNames)
    longest = std::max(longest, fileName.size());
  if (longest > kLongestFileName) {
    return "is too long: the longest file it makes would have a name of " +
           std::to_string(longest) + " bytes, and a file name may have " +
           std::to_string(kLongestFileName);
  }
  return std::nullopt;
}

void RequireWriteName(const std::string& name, const std::string& given,
                      const std::vector<std::string>& fileNames) {
  if (const std::optional<std::string> fault = WriteNameFault(name, fileNames))
    throw Refusal("The name " + QuotedWriteName(name) + " " + given + " " + *fault +
                  ". Nothing was written.");
}

std::vector<std::string> CampaignFileNames(const std::string& name) {
  return {name + ".scn", PlacenameFileName(name), TitleFileName(name), DescriptionFileName(name)};
}

std::vector<std::string> OrderOfBattleFileNames(const std::string& name) {
  return {name + ".txt"};
}

std::vector<std::string> HomemadeFileNames(const std::string& name) {
  return {name + ".scn"};
}

}  // namespace zarkel
