#include "base/output_file.h"

#include <algorithm>
#include <cerrno>

#include <gtest/gtest.h>

#include "base/errors.h"
#include "recording_file_system.h"
#include "scenario_builder.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

using testing::Bytes;
using testing::ReadFileBytes;
using testing::Snapshot;
using testing::TempDir;
using testing::ToBytes;

using Step = testing::RecordingFileSystem::Step;

class OutputFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  testing::RecordingFileSystem files;
};

TEST_F(OutputFileTest, NothingAppearsAtTheTargetBeforeCommit) {
  {
    OutputFile output(files, dir / "new.scn");
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
    OutputFile replacing(files, dir / "old.scn");
    OutputFile fresh(files, dir / "fresh.scn");
    replacing.Write(std::string(200000, 'x'));  // more than the buffer, so bytes reach the disk
    fresh.Write("y");
  }
  EXPECT_EQ(Snapshot(dir.path()), before);
}

TEST_F(OutputFileTest, CommitReplacesAnEarlierFileAndKeepsItsPermissions) {
  testing::WriteFileText(dir / "old.txt", "old");
  std::filesystem::permissions(
      dir / "old.txt", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  OutputFile output(files, dir / "old.txt");
  output.Write("new");
  output.Commit();
  EXPECT_EQ(ReadFileBytes(dir / "old.txt"), ToBytes("new"));
#ifndef _WIN32  // Windows keeps no permission bits, only a read-only flag
  EXPECT_EQ(std::filesystem::status(dir / "old.txt").permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
#endif
}

TEST_F(OutputFileTest, AFailedWriteLeavesTheEarlierFileUntouched) {
  testing::WriteFileText(dir / "keep.scn", "earlier");
  const auto before = Snapshot(dir.path());
  int writes = 0;
  files.failing = [&](const Step& step) {
    return step.kind == Step::Kind::Append && ++writes == 3 ? ENOSPC : 0;
  };
  try {
    OutputFile output(files, dir / "keep.scn");
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
    OutputFile a(files, dir / "a.tit");
    OutputFile b(files, dir / "a.des");
    a.Write("new title");
    b.Write("description");
    files.failing = [](const Step& step) { return step.target.filename() == "a.des" ? EIO : 0; };
    EXPECT_THROW(b.Write("more"), IoError);
    // The operation stops here; neither output is committed.
  }
  EXPECT_EQ(Snapshot(dir.path()), before);

  files.failing = nullptr;
  OutputFile a(files, dir / "a.tit");
  OutputFile b(files, dir / "a.des");
  a.Write("new title");
  b.Write("description");
  CommitTogether({&a, &b});
  EXPECT_EQ(ReadFileBytes(dir / "a.tit"), ToBytes("new title"));
  EXPECT_EQ(ReadFileBytes(dir / "a.des"), ToBytes("description"));
  EXPECT_EQ(Snapshot(dir.path()).size(), 2u);
}

// The rename itself fails, after the file it would replace was kept under its second name: the
// folder is left as it was, with no kept copy and no temporary, whether the output is alone or
// the second of two put in place together.
TEST_F(OutputFileTest, ARenameThatFailsAfterTheEarlierFileWasKeptLeavesTheFolderAsItWas) {
  testing::WriteFileText(dir / "a.tit", "old title");
  testing::WriteFileText(dir / "a.des", "old description");
  const auto before = Snapshot(dir.path());
  int renamesFailed = 0;
  files.failing = [&](const Step& step) {
    if (step.kind != Step::Kind::Rename || step.target.filename() != "a.des")
      return 0;
    // The file being replaced has been kept beside it by now.
    const std::string kept = "." + step.target.filename().string() + ".zarkel-earlier-";
    bool keptBeside = false;
    for (const auto& [name, bytes] : Snapshot(dir.path()))
      keptBeside = keptBeside || (name.rfind(kept, 0) == 0 && bytes == ReadFileBytes(step.target));
    EXPECT_TRUE(keptBeside) << step.target;
    ++renamesFailed;
    return EXDEV;
  };

  {
    OutputFile alone(files, dir / "a.des");
    alone.Write("new description");
    EXPECT_THROW(alone.Commit(), IoError);
  }
  EXPECT_EQ(Snapshot(dir.path()), before);

  {
    OutputFile first(files, dir / "a.tit");
    OutputFile second(files, dir / "a.des");
    first.Write("new title");
    second.Write("new description");
    EXPECT_THROW(CommitTogether({&first, &second}), IoError);
  }
  EXPECT_EQ(Snapshot(dir.path()), before);
  EXPECT_EQ(renamesFailed, 2);
}

// What the file system was asked to do: a power cut at any moment leaves each target with its
// earlier bytes or all the new ones.
TEST_F(OutputFileTest, EachOutputReachesTheDiskBeforeItsRenameAndItsFolderAfterTheLastRename) {
  using Kind = Step::Kind;
  std::filesystem::create_directory(dir / "sub");
  testing::WriteFileText(dir / "a.tit", "old title");
  const std::vector<std::filesystem::path> targets = {dir / "a.tit", dir / "sub" / "b.des",
                                                      dir / "a.des"};
  {
    OutputFile a(files, targets[0]);
    OutputFile b(files, targets[1]);
    OutputFile c(files, targets[2]);
    a.Write("new title");
    b.Write("description");
    c.Write("another description");
    files.steps.clear();
    CommitTogether({&a, &b, &c});
  }
  const std::vector<Step>& events = files.steps;

  const auto found = [&](std::size_t from, std::size_t to, auto match) {
    return std::find_if(events.begin() + from, events.begin() + to, match) != events.begin() + to;
  };
  for (const std::filesystem::path& target : targets) {
    SCOPED_TRACE(target.filename().string());
    std::size_t rename = events.size();
    for (std::size_t i = 0; i < events.size(); ++i) {
      if (events[i].kind == Kind::Rename && events[i].target == target)
        rename = i;
    }
    ASSERT_LT(rename, events.size()) << "never renamed into place";
    EXPECT_TRUE(found(0, rename, [&](const Step& e) {
      return e.kind == Kind::Sync && e.path == events[rename].path;
    })) << "renamed without having been flushed";
  }
  for (const std::filesystem::path& folder : {dir.path(), dir / "sub"}) {
    SCOPED_TRACE(folder.string());
    std::size_t lastRename = 0;
    for (std::size_t i = 0; i < events.size(); ++i) {
      if (events[i].kind == Kind::Rename && events[i].target.parent_path() == folder)
        lastRename = i;
    }
    EXPECT_TRUE(found(lastRename, events.size(), [&](const Step& e) {
      return e.kind == Kind::FolderSync && e.path == folder;
    })) << "not flushed after the last rename into it";
  }
}

TEST_F(OutputFileTest, LargeOutputsArriveWhole) {
  Bytes bytes(300000);
  for (std::size_t i = 0; i < bytes.size(); ++i)
    bytes[i] = testing::PatternByte(7, i);
  OutputFile output(files, dir / "big.scn");
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
  EXPECT_TRUE(files.SameExistingFile(dir / "src.scn", dir.path() / "sub" / ".." / "src.scn"));
  std::error_code noLinks;  // links need a privilege on Windows
  std::filesystem::create_symlink(dir / "src.scn", dir / "link.scn", noLinks);
  if (!noLinks) {
    EXPECT_TRUE(files.SameExistingFile(dir / "src.scn", dir / "link.scn"));
  }
  EXPECT_FALSE(files.SameExistingFile(dir / "src.scn", dir / "other.scn"));
}

}  // namespace
}  // namespace zarkel
