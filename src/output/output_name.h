// The name typed for an output (the own-name box of a campaign page, "Name of OB file",
// "File Name" on "Home Made", zarkel-cli's --name): the name of a file in the folder chosen
// beside it, never a path of its own.
#pragma once

#include <string>

namespace zarkel {

// Refuses a name that holds a character which would make it a path and put the file elsewhere
// than in the folder chosen: "/", and on Windows also "\" and the ":" of a drive.
// `field` names where the name was typed: `The name "../escaped" given in --name holds "/":
// type a file name without a folder. Nothing was written.`
void RequireNameWithoutFolder(const std::string& name, const std::string& field);

// Refuses a write whose output name is empty, which would make a file named only by its
// extension (hidden on most systems and of no use to the game); `choose` says what to pick.
// Then refuses a name that is a path, as above.
void RequireOutputName(const std::string& name, const std::string& field,
                       const std::string& choose);

}  // namespace zarkel
