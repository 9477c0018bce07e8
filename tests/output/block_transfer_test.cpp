#include "output/block_transfer.h"

#include <gtest/gtest.h>

#include "chunk_recorder.h"
#include "scenario_builder.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

using testing::Bytes;
using testing::ReadFileBytes;
using Chunks = std::vector<std::size_t>;

Bytes Patterned(std::size_t size, std::uint32_t region = 3) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = testing::PatternByte(region, i);
  return bytes;
}

class BlockTransferTest : public ::testing::Test {
 protected:
  testing::TempDir dir;
  TransferBuffer buffer{};
};

TEST_F(BlockTransferTest, CopyRangeCopiesExactlyTheRangeInChunksOf1308) {
  const Bytes source = Patterned(300000);
  testing::WriteFileBytes(dir / "src", source);
  struct Case {
    std::int32_t offset, count;
    Chunks chunks;
  };
  // A large range goes from file to file in the system, still seen as chunks of 1308.
  Chunks large(152, 1308);
  large.push_back(200000 - 152 * 1308);
  for (const Case& c :
       {Case{0, 0, {}}, Case{5, 1308, {1308}}, Case{100, 1309, {1308, 1}},
        Case{7, 2617, {1308, 1308, 1}}, Case{3000, 2616, {1308, 1308}}, Case{3, 200000, large}}) {
    testing::ChunkRecorder recorder;
    SourceFile in(recorder.files, dir / "src");
    OutputFile out(recorder.files, dir / "dst");
    out.Write("<");
    CopyRange(in, c.offset, c.count, out, buffer);
    out.Commit();
    Bytes expected{'<'};
    const Bytes range = testing::Slice(source, c.offset, c.count);
    expected.insert(expected.end(), range.begin(), range.end());
    EXPECT_EQ(ReadFileBytes(dir / "dst"), expected) << "count " << c.count;
    Chunks chunks = recorder.Chunks()["dst"];
    chunks.erase(chunks.begin());  // the marker
    EXPECT_EQ(chunks, c.chunks) << "count " << c.count;
  }
}

TEST_F(BlockTransferTest, CopyRangeFromAShortSourceCopiesWhatExists) {
  const Bytes source = Patterned(100000);
  testing::WriteFileBytes(dir / "src", source);
  for (const std::int32_t count : {5000, 200000}) {
    SourceFile in(DiskFileSystem(), dir / "src");
    OutputFile out(DiskFileSystem(), dir / "dst");
    CopyRange(in, 99000, count, out, buffer);
    out.Commit();
    EXPECT_EQ(ReadFileBytes(dir / "dst"), testing::Slice(source, 99000, 1000)) << count;
  }
}

TEST_F(BlockTransferTest, CopySideFileIsAByteForByteCopy) {
  for (std::size_t size : {0, 1, 1308, 1309, 70001}) {
    const Bytes source = Patterned(size, static_cast<std::uint32_t>(size));
    testing::WriteFileBytes(dir / "side", source);
    testing::ChunkRecorder recorder;
    SourceFile in(recorder.files, dir / "side");
    OutputFile out(recorder.files, dir / "copy");
    CopySideFile(in, out, buffer);
    out.Commit();
    EXPECT_EQ(ReadFileBytes(dir / "copy"), source) << size;
    const Chunks chunks = recorder.Chunks()["copy"];
    if (size == 1308) {
      EXPECT_EQ(chunks, Chunks{1308});
    } else if (size == 1309) {
      EXPECT_EQ(chunks, (Chunks{1308, 1}));
    } else if (size == 0) {
      EXPECT_TRUE(chunks.empty());
    }
  }
}

TEST_F(BlockTransferTest, ReadBlockZeroesWhatTheFileDoesNotHave) {
  testing::WriteFileBytes(dir / "src", Bytes{1, 2, 3, 4, 5});
  SourceFile in(DiskFileSystem(), dir / "src");
  buffer.fill(0xEE);
  ReadBlock(in, 0, 5, buffer);
  EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 5), (Bytes{1, 2, 3, 4, 5}));
  ReadBlock(in, 3, 6, buffer);
  EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 6), (Bytes{4, 5, 0, 0, 0, 0}));
  EXPECT_EQ(buffer[6], 0xEE) << "bytes beyond the count are not touched";
  ReadBlock(in, 100, 2, buffer);
  EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + 2), (Bytes{0, 0}));
}

TEST_F(BlockTransferTest, WriteBlockAppendsThePatchedBuffer) {
  testing::WriteFileBytes(dir / "src", Patterned(15));
  SourceFile in(DiskFileSystem(), dir / "src");
  ReadBlock(in, 0, 15, buffer);
  buffer[7] = 0x44;
  OutputFile out(DiskFileSystem(), dir / "dst");
  WriteBlock(out, buffer, 15);
  out.Commit();
  Bytes expected = Patterned(15);
  expected[7] = 0x44;
  EXPECT_EQ(ReadFileBytes(dir / "dst"), expected);
}

}  // namespace
}  // namespace zarkel
