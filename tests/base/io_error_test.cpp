// The texts of input/output errors, produced by real failing file operations where this machine
// can produce them.
#include <cerrno>

#include <gtest/gtest.h>

#include "base/errors.h"
#include "base/output_file.h"
#include "base/source_file.h"
#include "scenario_builder.h"
#include "temp_dir.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace zarkel {
namespace {

using testing::TempDir;

std::string OpenFailure(const std::filesystem::path& path) {
  try {
    SourceFile file(DiskFileSystem(), path);
  } catch (const IoError& error) {
    return error.runtimeText();
  }
  return "opened";
}

TEST(IoErrorText, OpeningMissingOrUnusablePaths) {
  TempDir dir;
  try {
    SourceFile file(DiskFileSystem(), dir / "sabsent.tst");
    ADD_FAILURE() << "opened";
  } catch (const IoError& error) {
    // The runtime's text first, then the file it was about.
    EXPECT_EQ(std::string(error.what()),
              "File not found: \"" + (dir / "sabsent.tst").string() + "\"");
  }
  EXPECT_EQ(OpenFailure(dir / "absent.scn"), "File not found");
#ifdef _WIN32
  EXPECT_EQ(OpenFailure(dir / "*.*"), "Invalid filename");  // no Windows name holds a wildcard
#else
  EXPECT_EQ(OpenFailure(dir / "*.*"), "File not found");
#endif
  EXPECT_EQ(OpenFailure(dir.path() / "no-such-dir" / "a.scn"), "Invalid filename");
  EXPECT_EQ(OpenFailure(""), "Invalid filename");
  try {
    SourceFile folder(DiskFileSystem(), dir.path());
    ADD_FAILURE() << "opened a folder";
  } catch (const Refusal& refusal) {
    // Not "File access denied", which would send a person looking at permissions.
    EXPECT_EQ(std::string(refusal.what()),
              "\"" + dir.path().string() + "\" is a folder, not a file");
  }

  testing::WriteFileText(dir / "plain", "x");
  EXPECT_EQ(OpenFailure(dir.path() / "plain" / "below"), "Invalid filename");
}

TEST(IoErrorText, ANameLongerThanTheSystemTakes) {
#ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "node's file layer reports a name over 255 bytes as a missing file";
#endif
  TempDir dir;
  EXPECT_EQ(OpenFailure(dir.path() / std::string(300, 'n')), "Invalid filename");
}

TEST(IoErrorText, CreatingOutputsWhereTheyCannotGo) {
  TempDir dir;
  auto createFailure = [](const std::filesystem::path& target) -> std::string {
    try {
      OutputFile output(DiskFileSystem(), target);
    } catch (const IoError& error) {
      return error.runtimeText();
    } catch (const Refusal& refusal) {
      return refusal.what();
    }
    return "created";
  };
  EXPECT_EQ(createFailure(dir.path() / "missing" / "out.scn"),
            "The folder \"" + (dir.path() / "missing").string() + "\" does not exist");
  std::filesystem::create_directory(dir / "taken.scn");
  EXPECT_EQ(createFailure(dir / "taken.scn"),
            "\"" + (dir / "taken.scn").string() + "\" is a folder, not a file");

  testing::WriteFileText(dir / "protected.scn", "keep me");
  std::filesystem::permissions(dir / "protected.scn", std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::group_read);
  EXPECT_EQ(createFailure(dir / "protected.scn"), "File access denied");
  EXPECT_EQ(testing::ReadFileBytes(dir / "protected.scn"), testing::ToBytes("keep me"));
}

// The runtime's text stays; the message adds which kind of "Invalid filename" it is.
TEST(IoErrorText, AnInvalidFilenameSaysWhichKindItIs) {
  TempDir dir;
  auto message = [](const std::filesystem::path& path) -> std::string {
    try {
      SourceFile file(DiskFileSystem(), path);
    } catch (const IoError& error) {
      EXPECT_EQ(error.runtimeText(), "Invalid filename") << path;
      return error.what();
    }
    return "opened";
  };
  const std::filesystem::path missing = dir.path() / "nonexist" / "deeper" / "x.eqp";
  EXPECT_EQ(message(missing), "Invalid filename: \"" + missing.string() + "\" (the folder \"" +
                                  (dir.path() / "nonexist").string() + "\" does not exist)");
  testing::WriteFileText(dir / "kardel.scn", "x");
  const std::filesystem::path below = dir.path() / "kardel.scn" / "a.scn";
  EXPECT_EQ(message(below), "Invalid filename: \"" + below.string() + "\" (\"" +
                                (dir / "kardel.scn").string() + "\" is a file, not a folder)");
#ifndef __EMSCRIPTEN__
  const std::filesystem::path longName = dir.path() / std::string(300, 'n');
  EXPECT_EQ(message(longName), "Invalid filename: \"" + longName.string() +
                                   "\" (a name in it has 300 bytes, and a file name may have 255)");
#endif
  EXPECT_EQ(message(""), "Invalid filename (no file name was given)");
}

#ifndef _WIN32
TEST(IoErrorText, TooManyOpenFiles) {
#ifdef __EMSCRIPTEN__
  GTEST_SKIP() << "setrlimit has no effect on the files node opens";
#endif
  TempDir dir;
  testing::WriteFileText(dir / "a", "a");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  // Lower the limit to the lowest descriptor in use, so that the next open has none left.
  const int probe = ::open("/dev/null", O_RDONLY);
  ASSERT_GE(probe, 0);
  ::close(probe);
  rlimit lowered = saved;
  lowered.rlim_cur = static_cast<rlim_t>(probe);
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &lowered), 0);
  const std::string text = OpenFailure(dir / "a");
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &saved), 0);
  EXPECT_EQ(text, "Too many open files");
}
#endif

TEST(IoErrorText, MapsTheRemainingSystemErrors) {
  EXPECT_STREQ(IoError::FromSystemError(EACCES).what(), "File access denied");
  EXPECT_STREQ(IoError::FromSystemError(EROFS).what(), "File access denied");
  EXPECT_STREQ(IoError::FromSystemError(EPERM).what(), "File access denied");
  EXPECT_STREQ(IoError::FromSystemError(ENOSPC).what(), "Disk full");
#ifdef EDQUOT
  EXPECT_STREQ(IoError::FromSystemError(EDQUOT).what(), "Disk full");
#endif
  EXPECT_STREQ(IoError::FromSystemError(ENFILE).what(), "Too many open files");
  EXPECT_STREQ(IoError::FromSystemError(EIO).what(), ("I/O error " + std::to_string(EIO)).c_str());
  EXPECT_STREQ(IoError::ReadBeyondEndOfFile().what(), "Read beyond end of file");
}

}  // namespace
}  // namespace zarkel
