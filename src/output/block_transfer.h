// Moving bytes between files in fixed chunks of one unit block (1308 bytes), so that no copy
// needs memory in proportion to the file. Every byte the editor does not model reaches a written
// file through CopyRange or CopySideFile.
#pragma once

#include <array>
#include <cstdint>

#include "base/output_file.h"
#include "base/source_file.h"
#include "model/scenario_layout.h"

namespace zarkel {

constexpr std::int32_t kTransferChunk = scn::kBlockSize;  // 1308

using TransferBuffer = std::array<std::uint8_t, kTransferChunk>;

// Reads `count` (at most 1308) bytes at `offset` into the start of `buffer`. Bytes the file does
// not have (past its end) read as zero, never as what an earlier read left there.
void ReadBlock(SourceFile& file, std::int32_t offset, std::int32_t count, TransferBuffer& buffer);

// Appends the first `count` (at most 1308) bytes of `buffer`.
void WriteBlock(OutputFile& target, const TransferBuffer& buffer, std::int32_t count);

// Appends the `count` bytes of `source` that start at `offset`, in chunks of 1308 bytes. A source
// that ends early gives only the bytes it has.
void CopyRange(SourceFile& source, std::int32_t offset, std::int32_t count, OutputFile& target,
               TransferBuffer& buffer);

// Appends the whole of `source`, in chunks of up to 1308 bytes.
void CopySideFile(SourceFile& source, OutputFile& target, TransferBuffer& buffer);

}  // namespace zarkel
