#include "output/companion_files.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "chunk_recorder.h"
#include "scenario_builder.h"
#include "temp_dir.h"

namespace zarkel {
namespace {

using testing::Bytes;
using testing::ReadFileBytes;
using testing::ToBytes;
using Chunks = std::vector<std::size_t>;

// A 30-byte place-name record from its raw bytes (zero-filled).
std::string Record(const std::string& bytes) {
  std::string record = bytes;
  record.resize(30, '\0');
  return record;
}

class CompanionFilesTest : public ::testing::Test {
 protected:
  // Converts records (stored at offset 17 of a file with other bytes around) to text.
  std::string RecordsToText(const std::vector<std::string>& records) {
    std::string source = "seventeen bytes..";
    for (const auto& r : records)
      source += Record(r);
    source += "trailing bytes";
    testing::WriteFileText(dir / "src.scn", source);
    SourceFile in(DiskFileSystem(), dir / "src.scn");
    OutputFile out(DiskFileSystem(), dir / "s.tst");
    PlacenamesToText(in, 17, static_cast<std::int32_t>(30 * records.size()), out, buffer);
    out.Commit();
    const Bytes text = ReadFileBytes(dir / "s.tst");
    return std::string(text.begin(), text.end());
  }

  testing::TempDir dir;
  TransferBuffer buffer{};
};

TEST(BaseName, DropsTheLastFourCharactersUnseen) {
  EXPECT_EQ(BaseName("guadcnl.scn"), "guadcnl");
  EXPECT_EQ(BaseName("cchina.scn"), "cchina");
  EXPECT_EQ(BaseName("a.b"), "");
  EXPECT_EQ(BaseName("abcd"), "");
  EXPECT_EQ(BaseName("abcde"), "a");
  EXPECT_EQ(BaseName("name.scenario"), "name.scen");
  EXPECT_EQ(PlacenameFileName("midway"), "smidway.tst");
  EXPECT_EQ(TitleFileName("midway"), "midway.tit");
  EXPECT_EQ(DescriptionFileName(""), ".des");
}

TEST_F(CompanionFilesTest, EachRecordBecomesALineUpToItsFirstZeroByte) {
  EXPECT_EQ(RecordsToText({"Twelve chars", std::string(30, 'L'), std::string("AB\0CD", 5), ""}),
            "Twelve chars\r\n" + std::string(30, 'L') + "\r\nAB\r\n\r\n");
  EXPECT_EQ(RecordsToText({}), "") << "no place names still make a file, replacing the last";
}

TEST_F(CompanionFilesTest, ANameHoldingALineBreakIsRefused) {
  for (const std::string& name : {std::string("AB\rCD"), std::string("AB\nCD")}) {
    try {
      RecordsToText({"fine", name});
      ADD_FAILURE() << "converted";
    } catch (const Refusal& refusal) {
      EXPECT_NE(std::string(refusal.what()).find("Place name 2 of"), std::string::npos)
          << refusal.what();
    }
  }
  // After the zero byte that ends a name, such bytes are not part of it.
  EXPECT_EQ(RecordsToText({std::string("AB\0\r\n", 4)}), "AB\r\n");
}

TEST_F(CompanionFilesTest, PlaceNamesAreReadFortyThreeRecordsAtATime) {
  for (int count : {43, 44, 86, 255}) {
    std::vector<std::string> records;
    std::string expected;
    for (int i = 0; i < count; ++i) {
      records.push_back("Place " + std::to_string(i));
      expected += "Place " + std::to_string(i) + "\r\n";
    }
    EXPECT_EQ(RecordsToText(records), expected) << count;
  }
}

TEST_F(CompanionFilesTest, LinesBecomeZeroFilledRecordsWrittenFortyThreeAtATime) {
  struct Case {
    int lines;
    Chunks chunks;
  };
  for (const Case& c : {Case{0, {0}}, Case{3, {90}}, Case{43, {1290, 0}}, Case{45, {1290, 60}},
                        Case{86, {1290, 1290, 0}}}) {
    std::vector<std::string> lines;
    Bytes expected;
    for (int i = 0; i < c.lines; ++i) {
      const std::string name = i == 0   ? std::string(29, 'x')
                               : i == 1 ? ""
                                        : "n" + std::to_string(i);
      lines.push_back(name);
      const std::string record = Record(name);
      expected.insert(expected.end(), record.begin(), record.end());
    }
    testing::WriteFileText(dir / "s.tst", testing::JoinLines(lines));
    testing::ChunkRecorder recorder;
    OutputFile out(recorder.files, dir / "out.scn");
    TextToPlacenames(DiskFileSystem(), dir / "s.tst", c.lines, out);
    out.Commit();
    EXPECT_EQ(ReadFileBytes(dir / "out.scn"), expected) << c.lines;
    EXPECT_EQ(recorder.Chunks()["out.scn"], c.chunks) << c.lines;
  }
}

TEST_F(CompanionFilesTest, OnlyTheGivenNumberOfLinesIsConverted) {
  testing::WriteFileText(dir / "s.tst", "one\r\ntwo\r\nthree\r\n");
  OutputFile out(DiskFileSystem(), dir / "out.scn");
  TextToPlacenames(DiskFileSystem(), dir / "s.tst", 2, out);
  out.Commit();
  const std::string expected = Record("one") + Record("two");
  EXPECT_EQ(ReadFileBytes(dir / "out.scn"), ToBytes(expected));
}

TEST_F(CompanionFilesTest, CountingLinesTakesALastLineWithoutLineEnd) {
  testing::WriteFileText(dir / "a.tst", "");
  EXPECT_EQ(CountPlacenameLines(DiskFileSystem(), dir / "a.tst"), 0);
  testing::WriteFileText(dir / "a.tst", "one\r\ntwo\r\n");
  EXPECT_EQ(CountPlacenameLines(DiskFileSystem(), dir / "a.tst"), 2);
  testing::WriteFileText(dir / "a.tst", "one\r\ntwo");
  EXPECT_EQ(CountPlacenameLines(DiskFileSystem(), dir / "a.tst"), 2);
  testing::WriteFileText(dir / "a.tst", "\r\n\r\n\r\n");
  EXPECT_EQ(CountPlacenameLines(DiskFileSystem(), dir / "a.tst"), 3);
}

TEST_F(CompanionFilesTest, RefusesNamesThatDoNotFitARecordAndTooManyNames) {
  testing::WriteFileText(dir / "long.tst", "fine\r\n" + std::string(30, 'x') + "\r\n");
  try {
    CountPlacenameLines(DiskFileSystem(), dir / "long.tst");
    FAIL();
  } catch (const Refusal& refusal) {
    const std::string text = refusal.what();
    EXPECT_NE(text.find("Line 2"), std::string::npos) << text;
    EXPECT_NE(text.find("long.tst"), std::string::npos) << text;
  }
  OutputFile out(DiskFileSystem(), dir / "out.scn");
  EXPECT_THROW(TextToPlacenames(DiskFileSystem(), dir / "long.tst", 2, out), Refusal);

  // A file of names without any line end reads as one long line, and the refusal says why.
  testing::WriteFileText(dir / "flat.tst", "North\tSouth\tEast\tWest\tCentre\tHill");
  try {
    CountPlacenameLines(DiskFileSystem(), dir / "flat.tst");
    FAIL();
  } catch (const Refusal& refusal) {
    EXPECT_NE(std::string(refusal.what()).find("The file has no line ends"), std::string::npos)
        << refusal.what();
  }
  // With plain line ends, the same names are lines.
  testing::WriteFileText(dir / "plain.tst", "North\nSouth\nEast\n");
  EXPECT_EQ(CountPlacenameLines(DiskFileSystem(), dir / "plain.tst"), 3);
  try {
    CountPlacenameLines(DiskFileSystem(), dir / "long.tst");
    FAIL();
  } catch (const Refusal& refusal) {
    EXPECT_EQ(std::string(refusal.what()).find("no line ends"), std::string::npos);
  }

  testing::WriteFileText(dir / "many.tst", testing::JoinLines(std::vector<std::string>(256, "p")));
  EXPECT_THROW(CountPlacenameLines(DiskFileSystem(), dir / "many.tst"), Refusal);
  testing::WriteFileText(dir / "many.tst", testing::JoinLines(std::vector<std::string>(255, "p")));
  EXPECT_EQ(CountPlacenameLines(DiskFileSystem(), dir / "many.tst"), 255);
}

TEST_F(CompanionFilesTest, EmbeddedTextsCarryTheirLittleEndianLength) {
  for (std::size_t size : {0, 200, 300, 65535}) {
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
      text[i] = static_cast<char>(testing::PatternByte(9, i));
    testing::WriteFileText(dir / "x.des", text);
    SourceFile in(DiskFileSystem(), dir / "x.des");
    OutputFile out(DiskFileSystem(), dir / "out.scn");
    EmbedSideFile(in, out, buffer);
    out.Commit();
    Bytes expected{static_cast<std::uint8_t>(size % 256), static_cast<std::uint8_t>(size / 256)};
    expected.insert(expected.end(), text.begin(), text.end());
    EXPECT_EQ(ReadFileBytes(dir / "out.scn"), expected) << size;
  }
}

TEST_F(CompanionFilesTest, RefusesToEmbedATextOf65536BytesOrMore) {
  testing::WriteFileText(dir / "big.tit", std::string(65536, 't'));
  SourceFile in(DiskFileSystem(), dir / "big.tit");
  OutputFile out(DiskFileSystem(), dir / "out.scn");
  try {
    EmbedSideFile(in, out, buffer);
    FAIL();
  } catch (const Refusal& refusal) {
    EXPECT_NE(std::string(refusal.what()).find("big.tit"), std::string::npos);
  }
  EXPECT_EQ(out.BytesWritten(), 0u);
}

}  // namespace
}  // namespace zarkel
