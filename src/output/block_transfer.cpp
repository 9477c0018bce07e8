#include "output/block_transfer.h"

#include <algorithm>
#include <stdexcept>

namespace zarkel {

namespace {

// From this size on, a copy goes from file to file inside the system rather than chunk by
// chunk through memory; smaller ones stay in the output's buffer.
constexpr std::int64_t kDirectCopy = 16 * 1024;

void CheckChunk(std::int32_t count) {
  if (count < 0 || count > kTransferChunk)
    throw std::out_of_range("block transfer count");
}

// Reads one chunk at `offset` and appends what the file delivered; returns that count.
std::size_t CopyChunk(SourceFile& source, std::uint64_t offset, std::size_t count,
                      OutputFile& target, TransferBuffer& buffer) {
  const std::size_t got = source.ReadAt(offset, buffer.data(), count);
  if (got > 0)
    target.Write(buffer.data(), got);
  return got;
}

}  // namespace

void ReadBlock(SourceFile& file, std::int32_t offset, std::int32_t count, TransferBuffer& buffer) {
  CheckChunk(count);
  const std::size_t got = file.ReadAt(static_cast<std::uint64_t>(offset), buffer.data(),
                                      static_cast<std::size_t>(count));
  std::fill(buffer.begin() + static_cast<std::ptrdiff_t>(got), buffer.begin() + count, 0);
}

void WriteBlock(OutputFile& target, const TransferBuffer& buffer, std::int32_t count) {
  CheckChunk(count);
  target.Write(buffer.data(), static_cast<std::size_t>(count));
}

void CopyRange(SourceFile& source, std::int32_t offset, std::int32_t count, OutputFile& target,
               TransferBuffer& buffer) {
  if (count >= kDirectCopy) {
    target.CopyFrom(source, static_cast<std::uint64_t>(offset), static_cast<std::uint64_t>(count),
                    kTransferChunk);
    return;
  }
  std::uint64_t position = static_cast<std::uint64_t>(offset);
  std::int32_t remaining = count;
  while (remaining > kTransferChunk) {
    CopyChunk(source, position, kTransferChunk, target, buffer);
    position += kTransferChunk;
    remaining -= kTransferChunk;
  }
  if (remaining > 0)
    CopyChunk(source, position, static_cast<std::size_t>(remaining), target, buffer);
}

void CopySideFile(SourceFile& source, OutputFile& target, TransferBuffer& buffer) {
  if (source.Size() >= static_cast<std::uint64_t>(kDirectCopy)) {
    target.CopyFrom(source, 0, source.Size(), kTransferChunk);
    return;
  }
  std::uint64_t position = 0;
  for (;;) {
    const std::size_t got = CopyChunk(source, position, kTransferChunk, target, buffer);
    if (got == 0)
      break;
    position += got;
  }
}

}  // namespace zarkel
