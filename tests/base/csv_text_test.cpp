#include "base/csv_text.h"

#include <gtest/gtest.h>

namespace zarkel {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvTextTest, FieldsAreQuotedOnlyWhereASpreadsheetWouldMisreadThem) {
  std::string out;
  for (const char* field :
       {"plain", "a,b", "a;b", "say \"hi\"", "two\r\nlines", " lead", "end ", "in side", ""}) {
    AppendCsvField(out, field);
    out += '|';
  }
  EXPECT_EQ(out,
            "plain|\"a,b\"|\"a;b\"|\"say \"\"hi\"\"\"|\"two\r\nlines\"|\" lead\"|\"end \"|"
            "in side||");
}

TEST(CsvTextTest, RecordsKeepTheNumbersASpreadsheetShows) {
  const std::string text =
      "h1,h2\r\n\"x, \"\"y\"\"\",\"two\nlines\"\n\r\nlast,\"q\"after\rcr only,Panzer \"Nord\"";
  const auto records = ReadCsvRecords(text, ',');
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0].fields, (Fields{"h1", "h2"}));
  EXPECT_EQ(records[1].fields, (Fields{"x, \"y\"", "two\nlines"}));
  EXPECT_EQ(records[2].number, 3) << "a line end inside quotes starts no record";
  EXPECT_EQ(records[2].fields, Fields{""});
  EXPECT_EQ(records[3].fields, (Fields{"last", "qafter"}));
  EXPECT_EQ(records[4].number, 5);
  EXPECT_EQ(records[4].fields, (Fields{"cr only", "Panzer \"Nord\""}))
      << "a quote inside a field is text";
  EXPECT_TRUE(ReadCsvRecords("", ',').empty());
  EXPECT_EQ(ReadCsvRecords("a;b\n", ';').size(), 1u);
}

TEST(CsvTextTest, SeparatorAndCharacterSetAreThoseOfTheFile) {
  EXPECT_EQ(DetectCsvSeparator("\"a;b\",c,d\nx;y;z;w"), ',');
  EXPECT_EQ(DetectCsvSeparator("a;b;c\n,,,,,"), ';');
  EXPECT_EQ(SpreadsheetTextAsUtf8("\xEF\xBB\xBFR\xC3\xA9gi"), "R\xC3\xA9gi");
  EXPECT_EQ(SpreadsheetTextAsUtf8("R\xE9gi"), "R\xC3\xA9gi") << "not UTF-8: Latin-1";
  EXPECT_EQ(SpreadsheetTextAsUtf8("\xEF\xBB\xBF"
                                  "R\xE9gi"),
            "R\xC3\xA9gi");
}

}  // namespace
}  // namespace zarkel
