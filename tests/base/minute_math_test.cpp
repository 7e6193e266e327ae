#include "base/calendar_date.h"
#include "base/minute_math.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;

constexpr double kDec1 = 46357.0;  // 2026-12-01

double At(int h, int m) { return kDec1 + (h * 60 + m) / 1440.0; }

TEST(MinuteMath, DifferencesNeverLoseAMinuteToRounding) {
  EXPECT_EQ(MinutesBetween(At(8, 0), At(8, 30)), 30);
  EXPECT_EQ(MinutesBetween(0.3333333333333333, 0.375), 60);
  EXPECT_EQ(MinutesBetween(At(8, 0), At(10, 15)), 135);
  EXPECT_EQ(MinutesBetween(At(8, 0), At(8, 0) + 2.0), 2880);
  EXPECT_EQ(MinutesBetween(At(8, 0), At(8, 0) + 59.0 / 86400.0), 0);  // seconds dropped
  EXPECT_EQ(MinutesBetween(At(8, 30), At(8, 0)), -30);
  // Every minute of a day, as the sheet stores it.
  for (int m = 0; m < 1440; ++m) ASSERT_EQ(MinutesBetween(kDec1, kDec1 + m / 1440.0), m) << m;
}

TEST(MinuteMath, AdditionTruncatesMinutesAndKeepsSeconds) {
  EXPECT_DOUBLE_EQ(AddMinutes(At(8, 0), 30), At(8, 30));
  EXPECT_DOUBLE_EQ(AddMinutes(At(8, 0), 45.9), At(8, 45));
  EXPECT_DOUBLE_EQ(AddMinutes(At(8, 0), -45.9), At(7, 15));
  EXPECT_DOUBLE_EQ(AddMinutes(At(23, 30), 60), At(0, 30) + 1.0);
  EXPECT_DOUBLE_EQ(AddMinutes(At(8, 0) + 20.0 / 86400.0, 1), At(8, 1) + 20.0 / 86400.0);
  double t = At(8, 0);
  for (int i = 0; i < 480; ++i) t = AddMinutes(t, 1);
  EXPECT_EQ(MinutesBetween(At(8, 0), t), 480);
  EXPECT_EQ(TimePartsOf(t).seconds, 0);
}

TEST(MinuteMath, TimeParts) {
  const TimeParts p = TimePartsOf(At(21, 7) + 5.0 / 86400.0);
  EXPECT_EQ(p.hours, 21);
  EXPECT_EQ(p.minutes, 7);
  EXPECT_EQ(p.seconds, 5);
  EXPECT_EQ(HourOf(0.375), 9);
  EXPECT_EQ(HourOf(kDec1 + 0.99999999999), 24);  // the guard carries it over
}

TEST(CalendarDate, KeysAndBreakdown) {
  EXPECT_EQ(FormatDateKey(kDec1), "2026/12/01");
  EXPECT_EQ(FormatDateKey(At(23, 59)), "2026/12/01");
  EXPECT_EQ(FormatDateKey(1.0), "1899/12/31");
  EXPECT_EQ(FormatMonthKey(kDec1 + 31), "2027/01");
  EXPECT_EQ(FormatCompactDate(42461.0), "20160401");
  EXPECT_DOUBLE_EQ(DateFromYmd(2026, 12, 1), kDec1);
  EXPECT_DOUBLE_EQ(DateFromYmd(2026, 13, 1), DateFromYmd(2027, 1, 1));
  EXPECT_DOUBLE_EQ(DateFromYmd(2027, 1, 0), DateFromYmd(2026, 12, 31));
  EXPECT_DOUBLE_EQ(DateFromYmd(2027, 0, 1), DateFromYmd(2026, 12, 1));
  EXPECT_DOUBLE_EQ(DateFromYmd(2024, 2, 30), DateFromYmd(2024, 3, 1));
}

struct YmdRow {
  const char* text;
  double expected;
};

TEST(ParseYmdDate, KeysOfEveryPeriodForm) {
  const YmdRow rows[] = {
      {"2026/12/01", kDec1},  {"2026/12/14", kDec1 + 13}, {"2026/12", kDec1}, {"202612", kDec1},
      {"20261214", kDec1 + 13}, {"2027/01", kDec1 + 31},
      // Short and odd texts read only what they hold.
      {"", 0}, {"/", 0}, {"20", DateFromYmd(2001, 0, 0)}, {"2026", DateFromYmd(2026, 1, 0)}, {"abcd/ef", 0}, {"2026/1", DateFromYmd(2026, 1, 1)},
  };
  for (const YmdRow& row : rows) EXPECT_DOUBLE_EQ(ParseYmdDate(row.text), row.expected) << row.text;
}

}  // namespace
