// Finding a file whose name differs only in letter case. The game's files copied from its CD
// are often all upper case (KESSEL.SCN, SKESSEL.TST), while the names the editor makes from a
// scenario's name (its place-name, title and description files) or the name the user types
// are in another case; on a file system that tells cases apart they would not be found.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/file_system.h"

namespace zarkel {

// The positions of the names among `names` that are `wanted` when the case of the letters A to
// Z is ignored (and only of those: the game's names are plain ASCII, and this is the folding
// its disks know), in the order of `names`.
std::vector<std::size_t> NamesIgnoringCase(const std::vector<std::string>& names,
                                           const std::string& wanted);

// A name to choose among others, and how a refusal shows it (without its quotes): the name
// itself, or its path where names may repeat in several folders.
struct NameCandidate {
  std::string name;
  std::string shown;
};

// Where the candidates come from, for the refusal's words: the files of one folder, or the
// files the user gave the page (several folders at once, perhaps).
enum class CandidatesFrom { Folder, FilesGiven };

// The position among `candidates` of the one named `wanted` exactly, else of the one whose name
// is `wanted`'s when the case of A to Z is ignored; none when no name is either. Throws Refusal,
// naming them by `shown` in order, when two or more have that very name, or when none has it
// and two or more differ from it only in case: which one was meant cannot be told.
// `wantedShown` is `wanted` as the refusal shows it.
std::optional<std::size_t> PickIgnoringCase(const std::vector<NameCandidate>& candidates,
                                            const std::string& wanted,
                                            const std::string& wantedShown, CandidatesFrom from);

// Returns `wanted` when something of that exact name exists (or its directory cannot be
// listed). Otherwise returns the one file in the same directory whose name is wanted's when
// the case of the letters A to Z is ignored, or `wanted` itself when there is none, so that
// opening it reports the missing file. Throws Refusal, naming them, when there are two or more.
// Nothing is renamed.
std::filesystem::path FindIgnoringCase(FileSystem& files, const std::filesystem::path& wanted);

}  // namespace zarkel
