// MatchPosition and WildcardMatch, the lookup rule shared with WorksheetFunction.Match.

#include <gtest/gtest.h>

#include "host/formula/match_scan.h"

namespace korvat::host::formula {
namespace {

CellValue T(const char* s) { return CellValue::Text(s); }
CellValue N(double d) { return CellValue::Number(d); }

TEST(MatchPosition, ExactFindsFirstEqualValueOfTheSameKind) {
  std::vector<CellValue> values{CellValue::Empty(), N(5), T("5"), T("Key"), T("key")};
  EXPECT_EQ(MatchPosition(T("KEY"), values, 0), 4);
  EXPECT_EQ(MatchPosition(T("5"), values, 0), 3);
  EXPECT_EQ(MatchPosition(N(5), values, 0), 2);
  EXPECT_EQ(MatchPosition(T("absent"), values, 0), 0);
  EXPECT_EQ(MatchPosition(CellValue::Empty(), values, 0), 0);
  EXPECT_EQ(MatchPosition(CellValue::Error(CellError::NA), values, 0), 0);
  EXPECT_EQ(MatchPosition(T("k"), {}, 0), 0);
}

TEST(MatchPosition, SortedModesStopWhereTheKeyWouldStand) {
  std::vector<CellValue> ascending{N(1), N(3), N(3), N(7)};
  EXPECT_EQ(MatchPosition(N(3), ascending, 1), 3);
  EXPECT_EQ(MatchPosition(N(6), ascending, 2), 3);
  EXPECT_EQ(MatchPosition(N(0), ascending, 1), 0);
  std::vector<CellValue> descending{T("d"), T("c"), T("a")};
  EXPECT_EQ(MatchPosition(T("B"), descending, -1), 2);
  EXPECT_EQ(MatchPosition(T("e"), descending, -5), 0);
}

struct WildcardCase {
  const char* pattern;
  const char* text;
  bool matches;
};

class Wildcard : public ::testing::TestWithParam<WildcardCase> {};

TEST_P(Wildcard, MatchesAsTheHostDoes) {
  const WildcardCase& c = GetParam();
  EXPECT_EQ(WildcardMatch(c.pattern, c.text), c.matches) << c.pattern << " ~ " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Wildcard,
    ::testing::Values(WildcardCase{"a*", "ABC", true}, WildcardCase{"*c", "abc", true},
                      WildcardCase{"*", "", true}, WildcardCase{"a?c", "abc", true},
                      WildcardCase{"a?c", "ac", false}, WildcardCase{"a*b*c", "axxbyyc", true},
                      WildcardCase{"a*b*c", "axxbyy", false}, WildcardCase{"~*", "*", true},
                      WildcardCase{"~*", "x", false}, WildcardCase{"a~?", "a?", true},
                      WildcardCase{"a~?", "ab", false}, WildcardCase{"abc", "abcd", false}));

}  // namespace
}  // namespace korvat::host::formula
