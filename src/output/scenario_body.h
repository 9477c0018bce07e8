// The part of a written scenario that both writers produce alike: the map and the settings that
// follow it (with the scenario type and the core limits patched in), and the rebuilt unit area
// with the tail (four limits patched in). Every other byte is copied from the source.
#pragma once

#include "base/output_file.h"
#include "base/source_file.h"
#include "model/editor_state.h"
#include "output/block_transfer.h"

namespace zarkel {

// From the map to the end of the 82-byte run after the core limits block: the map and the 100
// bytes after it, the scenario type, 10425 bytes, the patched core limits block, 82 bytes.
void WriteMapAndSettings(SourceFile& source, const ScenarioData& scenario, OutputFile& target,
                         TransferBuffer& buffer);

// Renumbers the units, writes the 200 blocks of the unit area from memory, then the source's
// tail with the four auxiliary and core limits patched in.
void WriteUnitAreaAndTail(SourceFile& source, EditorState& state, OutputFile& target,
                          TransferBuffer& buffer);

}  // namespace zarkel
