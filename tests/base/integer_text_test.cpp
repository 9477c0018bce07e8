#include "base/integer_text.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace zarkel {
namespace {

TEST(ParseInteger, AcceptsDecimalWithLeadingBlanksAndOneSign) {
  EXPECT_EQ(ParseInteger("0"), 0);
  EXPECT_EQ(ParseInteger("300"), 300);
  EXPECT_EQ(ParseInteger("   12"), 12);
  EXPECT_EQ(ParseInteger("+7"), 7);
  EXPECT_EQ(ParseInteger("-1"), -1);
  EXPECT_EQ(ParseInteger("  -0042"), -42);
}

TEST(ParseInteger, AcceptsDollarHexadecimalInEitherCase) {
  EXPECT_EQ(ParseInteger("$FF"), 255);
  EXPECT_EQ(ParseInteger("$ff"), 255);
  EXPECT_EQ(ParseInteger(" $1a"), 26);
  EXPECT_EQ(ParseInteger("$7FFFFFFF"), 2147483647);
}

TEST(ParseInteger, TakesTheWholeSigned32BitRangeAndNothingBeyond) {
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
  EXPECT_THROW(ParseInteger("2147483648"), ConversionError);
  EXPECT_THROW(ParseInteger("-2147483649"), ConversionError);
  EXPECT_THROW(ParseInteger("$80000000"), ConversionError);
  EXPECT_THROW(ParseInteger("99999999999999999999999"), ConversionError);
}

TEST(ParseInteger, RejectsEverythingElseWithTheTextInTheMessage) {
  for (const char* text : {"", " ", "abc", "12 ", "1 2", "+", "-", "$", "+-1", "--1", "-$1", "$-1",
                           "1.5", "0x10", "12a", "\t3"}) {
    try {
      ParseInteger(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(LowByte, KeepsTheLowEightBitsWithoutARangeCheck) {
  EXPECT_EQ(LowByte(300), 44);
  EXPECT_EQ(LowByte(-1), 255);
  EXPECT_EQ(LowByte(256), 0);
  EXPECT_EQ(LowByte(255), 255);
  EXPECT_EQ(LowByte(-2147483647 - 1), 0);
}

}  // namespace
}  // namespace zarkel
