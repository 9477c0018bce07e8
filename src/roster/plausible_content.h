// Whether what an opening read looks like a scenario of the game at all. A file opens when its
// size fits the layout, whatever its bytes hold, so that a scenario with odd content still
// opens; a file that is no scenario (a picture, an archive) then opens too, with names and
// numbers read from bytes that are none. This judges the content after the opening, so that the
// user is told, and never refuses anything.
#pragma once

#include <string>
#include <vector>

#include "model/editor_state.h"

namespace zarkel {

// The reasons the open scenario does not look like one, the first three at most; none when it
// does. Each is a fact of the whole scenario that a scenario of the game does not show: most
// unit names not text, most countries, sides or order numbers beyond what the game knows, most
// equipment ids beyond the equipment file (beyond 2100 without one), or a map without hexes.
std::vector<std::string> ImplausibleContent(const EditorState& state);

// `"x.scn" does not look like a scenario of the game: 1150 of 1198 unit names are not text; …`,
// from the reasons of ImplausibleContent.
std::string ImplausibleContentText(const EditorState& state,
                                   const std::vector<std::string>& reasons);

}  // namespace zarkel
