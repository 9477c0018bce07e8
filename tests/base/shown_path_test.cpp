// Paths in messages: "." parts dropped as text, ".." parts resolved on the disk.
#include "base/shown_path.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

TEST(ShownPath, DropsDotPartsAndResolvesParentPartsOnTheDisk) {
  testing::TempDir dir;
  const std::filesystem::path root = std::filesystem::canonical(dir.path());
  std::filesystem::create_directories(root / "ex" / "deep");
  std::filesystem::create_directories(root / "t1");
  EXPECT_EQ(ShownPath(root / "ex" / "." / "kardel.scn"), root / "ex" / "kardel.scn");
  EXPECT_EQ(ShownPath(root / "." / "ex" / "."), root / "ex");
  EXPECT_EQ(ShownPath(root / "t1" / ".." / "w6"), root / "w6");
  EXPECT_EQ(QuotedPath(root / "t1" / ".." / "." / "w6"), "\"" + (root / "w6").string() + "\"");
#ifndef _WIN32
  // Through a link, ".." is the parent of where the link leads, not the folder that holds it.
  std::filesystem::create_directory_symlink(root / "ex" / "deep", root / "link");
  EXPECT_EQ(ShownPath(root / "link" / ".." / "x.scn"), root / "ex" / "x.scn");
#endif
  // Relative and plain paths keep their form.
  EXPECT_EQ(ShownPath("./a.scn"), std::filesystem::path("a.scn"));
  EXPECT_EQ(ShownPath("/plain/path.scn"), std::filesystem::path("/plain/path.scn"));
}

}  // namespace
}  // namespace zarkel
