// Whether a name can be written: the one rule every write applies to the name it is given (the
// own name of a campaign slot, "Name of OB file", "File Name" on "Home Made", zarkel-cli's
// --name, the map's picture) before it checks its targets or asks anything. The files go to
// players of the game on Windows, so a name must make a file there as well as here.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zarkel {

// The longest name a file may have, in bytes of its UTF-8 text (a name of that many bytes has
// at most as many UTF-16 units, Windows' measure).
inline constexpr std::size_t kLongestFileName = 255;

// Why `name` cannot be written, as the end of a sentence that begins with the name
// (`holds ":", which Windows does not allow in a file name`); none when it can. `fileNames` are
// the files a write makes from it, the longest of which must fit kLongestFileName. Refused:
// "/" and "\" (a folder), the other characters Windows forbids (<>:"|?*), control characters,
// "." and "..", a device name Windows keeps (CON, PRN, AUX, NUL, COM1-9, LPT1-9, in any letter
// case) before the first dot, a name ending in a dot or a space.
std::optional<std::string> WriteNameFault(const std::string& name,
                                          const std::vector<std::string>& fileNames);

// Throws Refusal for a name WriteNameFault refuses: `The name "a:b" given in --name holds ":",
// which Windows does not allow in a file name. Nothing was written.` `given` says where the
// name came from ("given in --name").
void RequireWriteName(const std::string& name, const std::string& given,
                      const std::vector<std::string>& fileNames);

// The name as a message shows it, between quotes: control characters as \xNN.
std::string QuotedWriteName(const std::string& name);

// The files each write makes from the name it is given.
std::vector<std::string> CampaignFileNames(const std::string& name);
std::vector<std::string> OrderOfBattleFileNames(const std::string& name);
std::vector<std::string> HomemadeFileNames(const std::string& name);

}  // namespace zarkel
