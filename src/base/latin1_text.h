// The game's files hold single-byte text (unit, equipment and place names), taken as Latin-1.
// What the editor prints, and the texts it builds for a status line, are UTF-8.
#pragma once

#include <string>

namespace zarkel {

// Appends one Latin-1 character in UTF-8: the byte itself below 0x80, two bytes above.
void AppendLatin1AsUtf8(std::string& out, unsigned char byte);

std::string Latin1ToUtf8(const std::string& latin1);

// The same for a terminal or a status line: control bytes shown as "?".
std::string PrintableLatin1(const std::string& latin1);

// A file name for a status line: as it is when it is UTF-8 (as file names are on Linux and
// inside the editor), else its bytes taken as Latin-1, so that the line around it stays UTF-8.
std::string Utf8OrLatin1(const std::string& bytes);

}  // namespace zarkel
