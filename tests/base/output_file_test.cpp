#include "base/output_file.h"

#include <cerrno>

#include <gtest/gtest.h>

#include "base/errors.h"
#include "scenario_builder.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

using testing::Bytes;
using testing::ReadFileBytes;
using testing::Snapshot;
using testing::TempDir;
using testing::ToBytes;

class OutputFileTest : public ::testing::Test {
 protected:
  void TearDown() override { OutputFile::SetWriteHookForTesting(nullptr); }
  TempDir dir;
};

TEST_F(OutputFileTest, NothingAppearsAtTheTargetBeforeCommit) {
  {
    OutputFile output(dir / "new.scn");
    output.Write("hello");
    EXPECT_FALSE(std::filesystem::exists(dir / "new.scn"));
    output.Commit();
  }
  EXPECT_EQ(ReadFileBytes(dir / "new.scn"), ToBytes("hello"));
  EXPECT_EQ(Snapshot(dir.path()).size(), 1u) << "no temporary is left behind";
}

TEST_F(OutputFileTest, DroppedWithoutCommitLeavesTheDirectoryAsItWas) {
  testing::WriteFileText(dir / "old.scn", "the modder's work");
  const auto before = Snapshot(dir.path());
  {
    OutputFile replacing(dir / "old.scn");
    OutputFile fresh(dir / "fresh.scn");
    replacing.Write(std::string(200000, 'x'));  // more than the buffer, so bytes reach the disk
    fresh.Write("y");
  }
  EXPECT_EQ(Snapshot(dir.path()), before);
}

TEST_F(OutputFileTest, CommitReplacesAnEarlierFileAndKeepsItsPermissions) {
  testing::WriteFileText(dir / "old.txt", "old");
  std::filesystem::permissions(
      dir / "old.txt", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  OutputFile output(dir / "old.txt");
  output.Write("new");
  output.Commit();
  EXPECT_EQ(ReadFileBytes(dir / "old.txt"), ToBytes("new"));
  EXPECT_EQ(std::filesystem::status(dir / "old.txt").permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(OutputFileTest, AFailedWriteLeavesTheEarlierFileUntouched) {
  testing::WriteFileText(dir / "keep.scn", "earlier");
  const auto before = Snapshot(dir.path());
  int writes = 0;
  OutputFile::SetWriteHookForTesting([&](const std::filesystem::path&, std::uint64_t, std::size_t) {
    return ++writes == 3 ? ENOSPC : 0;
  });
  try {
    OutputFile output(dir / "keep.scn");
    output.Write("one");
    output.Write("two");
    output.Write("three");
    output.Commit();
    FAIL() << "the third write should have failed";
  } catch (const IoError& error) {
    EXPECT_EQ(error.runtimeText(), "Disk full");
  }
  EXPECT_EQ(Snapshot(dir.path()), before);
}

TEST_F(OutputFileTest, CommitTogetherPublishesAllOrNone) {
  testing::WriteFileText(dir / "a.tit", "old title");
  const auto before = Snapshot(dir.path());
  {
    OutputFile a(dir / "a.tit");
    OutputFile b(dir / "a.des");
    a.Write("new title");
    b.Write("description");
    OutputFile::SetWriteHookForTesting(
        [](const std::filesystem::path& target, std::uint64_t, std::size_t) {
          return target.filename() == "a.des" ? EIO : 0;
        });
    EXPECT_THROW(b.Write("more"), IoError);
    // The operation stops here; neither output is committed.
  }
  EXPECT_EQ(Snapshot(dir.path()), before);

  OutputFile::SetWriteHookForTesting(nullptr);
  OutputFile a(dir / "a.tit");
  OutputFile b(dir / "a.des");
  a.Write("new title");
  b.Write("description");
  CommitTogether({&a, &b});
  EXPECT_EQ(ReadFileBytes(dir / "a.tit"), ToBytes("new title"));
  EXPECT_EQ(ReadFileBytes(dir / "a.des"), ToBytes("description"));
  EXPECT_EQ(Snapshot(dir.path()).size(), 2u);
}

TEST_F(OutputFileTest, LargeOutputsArriveWhole) {
  Bytes bytes(300000);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = testing::PatternByte(7, i);
  OutputFile output(dir / "big.scn");
  for (std::size_t at = 0; at < bytes.size(); at += 1308) {
    output.Write(bytes.data() + at, std::min<std::size_t>(1308, bytes.size() - at));
  }
  EXPECT_EQ(output.BytesWritten(), bytes.size());
  output.Commit();
  EXPECT_EQ(ReadFileBytes(dir / "big.scn"), bytes);
}

TEST_F(OutputFileTest, SameExistingFileSeesThroughOtherSpellings) {
  testing::WriteFileText(dir / "src.scn", "x");
  std::filesystem::create_directory(dir / "sub");
  std::filesystem::create_symlink(dir / "src.scn", dir / "link.scn");
  EXPECT_TRUE(SameExistingFile(dir / "src.scn", dir.path() / "sub" / ".." / "src.scn"));
  EXPECT_TRUE(SameExistingFile(dir / "src.scn", dir / "link.scn"));
  EXPECT_FALSE(SameExistingFile(dir / "src.scn", dir / "other.scn"));
}

}  // namespace
}  // namespace zarkel
