// Reading a file at explicit offsets: the file is read as it was when it was opened.
#include "base/source_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "output/block_transfer.h"
#include "scenario_builder.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

TEST(SourceFile, ReadsStopAtTheEndTheFileHadWhenOpened) {
  testing::TempDir dir;
  testing::WriteFileText(dir / "f", "abcdef");
  SourceFile file(DiskFileSystem(), dir / "f");
  std::vector<std::uint8_t> bytes(16, 0xEE);
  EXPECT_EQ(file.ReadAt(4, bytes.data(), 16), 2u);
  EXPECT_EQ(bytes[0], 'e');
  EXPECT_EQ(bytes[1], 'f');
  EXPECT_EQ(bytes[2], 0xEE);

  // Bytes added after the opening are not part of what is read.
  std::ofstream(dir / "f", std::ios::app) << "ghij";
  EXPECT_EQ(file.ReadAt(6, bytes.data(), 16), 0u);
  EXPECT_EQ(file.ReadAt(100000, bytes.data(), 16), 0u);
}

TEST(SourceFile, ADeviceWithoutAnEndCopiesAsEmpty) {
  if (!std::filesystem::exists("/dev/zero"))
    GTEST_SKIP() << "no /dev/zero here";
  testing::TempDir dir;
  SourceFile zero(DiskFileSystem(), "/dev/zero");
  {
    OutputFile target(DiskFileSystem(), dir / "copy");
    TransferBuffer buffer{};
    CopySideFile(zero, target, buffer);  // would never end if every read delivered bytes
    target.Commit();
  }
  EXPECT_TRUE(testing::ReadFileBytes(dir / "copy").empty());
}

}  // namespace
}  // namespace zarkel
