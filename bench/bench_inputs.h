// The scenarios the benchmarks and the peak-memory measurement work on, built byte by byte with
// the test builders: the largest scenario the file format can hold and a typical one, each in
// both layouts, with the equipment files and an Original scenario's companion files.
#pragma once

#include <filesystem>
#include <string>

#include "model/editor_state.h"
#include "model/scenario_layout.h"
#include "roster/side_rosters.h"

namespace zarkel::bench {

enum class Size {
  Typical,  // a 20 x 30 map, 12 place names, 40 units, a 500-byte description, a 20-byte title
  Largest,  // a 255 x 255 map, 255 place names, 600 units (80 core and 120 auxiliary units on
            // each of the three sides), a description and a title of 65535 bytes each
  // The largest's map, place names and texts with 540 units, 70 core and 110 auxiliary on each
  // side: full rosters leave a transfer no room, this one leaves 10 units each way. Homemade only.
  Spacious,
};

const char* SizeName(Size size);         // "typical", "largest"
const char* LayoutName(ScenarioLayout);  // "homemade", "original"

// The scenario's file name inside the input directory, such as "largest-original.scn". An
// Original scenario's companion files stand beside it under their default names.
std::string ScenarioFileName(Size size, ScenarioLayout layout);

// Writes the typical and the largest scenario in both layouts, the spacious one as Homemade, the
// companion files and the equipment files.
void WriteInputs(const std::filesystem::path& directory);

// An editor state whose equipment is loaded from the input directory, as after the first
// opening of a run.
EditorState StateWithEquipment(const std::filesystem::path& directory);

// Opens a scenario of the input directory into `state` (whose equipment is loaded), with the
// companion files at their default names. Throws when it does not open.
void OpenInput(EditorState& state, const std::filesystem::path& directory, Size size,
               ScenarioLayout layout, SideButtons side = {});

}  // namespace zarkel::bench
