#include "base/column_letters.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;

struct ColumnRow {
  const char* letters;
  std::int32_t number;
};

const ColumnRow kColumns[] = {{"A", 1}, {"C", 3}, {"Z", 26}, {"AA", 27}, {"AZ", 52},
                              {"BA", 53}, {"ZZ", 702}, {"AAA", 703}, {"XFD", 16384}};

TEST(ColumnLetters, BothDirectionsAgree) {
  for (const ColumnRow& row : kColumns) {
    EXPECT_EQ(ColumnNumber(row.letters), row.number) << row.letters;
    EXPECT_EQ(ColumnLetters(row.number), row.letters) << row.number;
  }
}

TEST(ColumnLetters, RoundTripsEveryColumnOfTheSheet) {
  for (std::int32_t n = 1; n <= 16384; ++n) ASSERT_EQ(ColumnNumber(ColumnLetters(n)), n);
}

TEST(ColumnLetters, EmptyAndOutOfRangeInput) {
  EXPECT_EQ(ColumnNumber(""), 0);
  EXPECT_EQ(ColumnLetters(0), "");
  EXPECT_EQ(ColumnLetters(-5), "");
  EXPECT_EQ(ColumnNumber("ABCDEFGHIJ"), 0);  // too long for any column
  EXPECT_NE(ColumnNumber("a"), 1);           // lower case is not folded
}

}  // namespace
