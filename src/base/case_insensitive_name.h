// Finding a file whose name differs only in letter case. The game's files copied from its CD
// are often all upper case (KESSEL.SCN, SKESSEL.TST), while the names the editor makes from a
// scenario's name (its place-name, title and description files) or the name the user types
// are in another case; on a file system that tells cases apart they would not be found.
#pragma once

#include <filesystem>

#include "base/file_system.h"

namespace zarkel {

// Returns `wanted` when something of that exact name exists (or its directory cannot be
// listed). Otherwise returns the one file in the same directory whose name is wanted's when
// the case of the letters A to Z is ignored, or `wanted` itself when there is none, so that
// opening it reports the missing file. Throws Refusal, naming them, when there are two or more.
// Nothing is renamed.
std::filesystem::path FindIgnoringCase(FileSystem& files, const std::filesystem::path& wanted);

}  // namespace zarkel
