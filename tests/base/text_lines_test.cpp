#include "base/text_lines.h"

#include <gtest/gtest.h>

#include "scenario_builder.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

std::vector<std::string> AllLines(const std::string& content) {
  testing::TempDir dir;
  testing::WriteFileText(dir / "f.txt", content);
  TextLineReader reader(DiskFileSystem(), dir / "f.txt");
  std::vector<std::string> lines;
  while (!reader.AtEnd())
    lines.push_back(reader.ReadLine());
  EXPECT_EQ(reader.ReadLine(), "") << "past the end every line is empty";
  return lines;
}

using Lines = std::vector<std::string>;

TEST(TextLineReader, LinesEndAtCrLfLfOrCrAlike) {
  EXPECT_EQ(AllLines(""), Lines{});
  EXPECT_EQ(AllLines("a\r\nb\r\n"), (Lines{"a", "b"}));
  EXPECT_EQ(AllLines("a\rb"), (Lines{"a", "b"}));
  EXPECT_EQ(AllLines("a\nb\n"), (Lines{"a", "b"}));
  EXPECT_EQ(AllLines("last without end"), Lines{"last without end"});
  EXPECT_EQ(AllLines("\r\n\r\n"), (Lines{"", ""}));
  // Mixed in one file; an LF CR pair is two line ends, a CR LF pair one.
  EXPECT_EQ(AllLines("a\nb\r\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(AllLines("a\n\rb"), (Lines{"a", "", "b"}));
  EXPECT_EQ(AllLines("a\r\n\nb"), (Lines{"a", "", "b"}));
}

TEST(TextLineReader, EndOfTextMarkEndsTheText) {
  EXPECT_EQ(AllLines("a\r\nb\x1A"
                     "c\r\nd"),
            (Lines{"a", "b"}));
  EXPECT_EQ(AllLines("\x1A"
                     "a"),
            Lines{});
}

TEST(TextLineReader, BytesAreTakenAsTheyAre) {
  const std::string odd = std::string("  x\0y\xE9\xFF  ", 9);
  EXPECT_EQ(AllLines(odd + "\r\n"), Lines{odd});
}

}  // namespace
}  // namespace zarkel
