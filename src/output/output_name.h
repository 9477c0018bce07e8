// The name typed for an output (the own-name box of a campaign page, "Name of OB file",
// "File Name" on "Home Made", zarkel-cli's --name): the name of a file in the folder chosen
// beside it, never a path of its own.
#pragma once

#include <string>
#include <vector>

namespace zarkel {

// Refuses a write whose output name is empty, which would make a file named only by its
// extension (hidden on most systems and of no use to the game); `choose` says what to pick.
// Then refuses a name that the write-name rule refuses (write_name.h), `field` naming where it
// was typed: `The name "../escaped" given in --name holds "/": type a file name without a
// folder. Nothing was written.` `fileNames` are the files the write makes from it.
void RequireOutputName(const std::string& name, const std::string& field, const std::string& choose,
                       const std::vector<std::string>& fileNames);

}  // namespace zarkel
