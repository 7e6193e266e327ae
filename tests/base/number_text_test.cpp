#include "base/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace korvat;

struct IntegerRow {
  const char* text;
  std::int64_t expected;
};

class LeadingInteger : public testing::TestWithParam<IntegerRow> {};

TEST_P(LeadingInteger, Parses) { EXPECT_EQ(ParseLeadingInteger(GetParam().text), GetParam().expected); }

const IntegerRow kIntegers[] = {
    {"", 0},          {"12", 12},        {"  12abc", 12},  {"-7", -7},        {"+7", 7},
    {"&H1F", 31},     {"&h1f", 31},      {"&B101", 5},     {"&O17", 15},      {"&17", 15},
    {"&", 0},         {"abc", 0},        {"1.9", 1},       {"\t 3", 3},       {"- 3", 0},
    {"99999999999999999999", std::numeric_limits<std::int64_t>::max()},
    {"-99999999999999999999", std::numeric_limits<std::int64_t>::min()},
};
INSTANTIATE_TEST_SUITE_P(NumberText, LeadingInteger, testing::ValuesIn(kIntegers));

struct ValRow {
  const char* text;
  double expected;
};

class ValueOf : public testing::TestWithParam<ValRow> {};

TEST_P(ValueOf, Parses) { EXPECT_EQ(Val(GetParam().text), GetParam().expected); }

const ValRow kVals[] = {
    {"", 0},    {"30", 30},      {" 1 2.5x", 12.5}, {"-0.5", -0.5}, {"1e3", 1000}, {"2D2", 200},
    {"abc", 0}, {"&H10", 16},    {".5", 0.5},       {"1e", 1},      {"7%", 7},     {"1e999", 0},
};
INSTANTIATE_TEST_SUITE_P(NumberText, ValueOf, testing::ValuesIn(kVals));

TEST(NumberText, DoubleAndIntegerForms) {
  EXPECT_EQ(FormatDouble(0.375), "0.375");
  EXPECT_EQ(FormatDouble(30), "30");
  EXPECT_EQ(FormatDouble(1.0 / 3.0), "0.3333333333333333");
  EXPECT_EQ(FormatDouble(0.1 + 0.2), "0.3");
  EXPECT_EQ(FormatInteger(-12), "-12");
  EXPECT_EQ(FormatInteger(10), "10");
}

}  // namespace
