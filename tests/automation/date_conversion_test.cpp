// Date conversions of the call layer, with the platform's time conversions under them.

#include "automation/date_conversion.h"
#include "support/hresult_matchers.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace korvat;

TEST(DateConversion, NegativeDatesCountTheirFractionForwardFromTheDay) {
  EXPECT_EQ(DateFromLinearDays(-1.25), -2.75);
  EXPECT_EQ(LinearDaysFromDate(-2.75), -1.25);
  EXPECT_EQ(DateFromLinearDays(1.25), 1.25);
  EXPECT_EQ(LinearDaysFromDate(46364.5), 46364.5);
}

struct SystemTimeRow {
  const char* name;
  SYSTEMTIME time;
  double date;
};

class SystemTimeDates : public testing::TestWithParam<SystemTimeRow> {};

TEST_P(SystemTimeDates, ConvertBothWays) {
  const SystemTimeRow& row = GetParam();
  double date = -1;
  ASSERT_HR(SystemTimeToDate(row.time, &date), S_OK);
  EXPECT_NEAR(date, row.date, 1e-9);
  SYSTEMTIME back{};
  ASSERT_HR(DateToSystemTime(row.date, &back), S_OK);
  EXPECT_EQ(back.wYear, row.time.wYear);
  EXPECT_EQ(back.wMonth, row.time.wMonth);
  EXPECT_EQ(back.wDay, row.time.wDay);
  EXPECT_EQ(back.wHour, row.time.wHour);
  EXPECT_EQ(back.wMinute, row.time.wMinute);
}

const SystemTimeRow kSystemTimes[] = {
    {"Epoch", {1899, 12, 0, 30, 0, 0, 0, 0}, 0.0},
    {"PlanDay", {2026, 12, 0, 8, 12, 0, 0, 0}, 46364.5},
    {"MorningWindow", {2026, 12, 0, 1, 9, 0, 0, 0}, 46357.375},
    {"LeapDay", {2024, 2, 0, 29, 18, 0, 0, 0}, 45351.75},
    {"BeforeEpoch", {1899, 12, 0, 28, 18, 0, 0, 0}, -2.75},
    {"FirstFileTimeDay", {1601, 1, 0, 1, 0, 0, 0, 0}, -109205.0},
};
INSTANTIATE_TEST_SUITE_P(DateConversion, SystemTimeDates, testing::ValuesIn(kSystemTimes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DateConversion, FileTimeLimits) {
  FILETIME ft{0xFFFFFFFFu, 0x7FFFFFFFu};
  double date = 123;
  EXPECT_HR(FileTimeToDate(ft, &date), E_INVALIDARG);
  EXPECT_EQ(date, 123);
  FILETIME out{7, 7};
  EXPECT_HR(DateToFileTime(-109206.0, &out), E_INVALIDARG);
  EXPECT_EQ(out.dwLowDateTime, 7u);
  ASSERT_HR(DateToFileTime(0.0, &out), S_OK);
  const unsigned long long ticks = (static_cast<unsigned long long>(out.dwHighDateTime) << 32) | out.dwLowDateTime;
  EXPECT_EQ(ticks, 94353120000000000ULL);
}

TEST(DateConversion, TimeTRoundTripsThroughLocalTime) {
  const std::int64_t seconds = 1796731200;  // 2026-12-08 12:00 UTC
  double date = 0;
  ASSERT_HR(TimeTToDate(seconds, &date), S_OK);
  std::int64_t back = 0;
  ASSERT_HR(DateToTimeT(date, &back), S_OK);
  EXPECT_EQ(back, seconds);
  std::int64_t untouched = 5;
  EXPECT_HR(DateToTimeT(25568.5, &untouched), E_INVALIDARG);
  EXPECT_EQ(untouched, 5);
  EXPECT_TRUE(FAILED(TimeTToDate(253402300800LL + 86400 * 2, &date)));
}

// Dates no platform time form holds fail and leave the output as it was, however
// far out they lie (found by fuzzing: the tick count overflowed its integer).
class DatesBeyondTimeForms : public testing::TestWithParam<double> {};

TEST_P(DatesBeyondTimeForms, FailWithoutTouchingTheOutput) {
  const double date = GetParam();
  FILETIME ft{7, 7};
  EXPECT_HR(DateToFileTime(date, &ft), E_INVALIDARG);
  EXPECT_EQ(ft.dwLowDateTime, 7u);
  EXPECT_EQ(ft.dwHighDateTime, 7u);
  SYSTEMTIME st{};
  st.wYear = 1234;
  EXPECT_HR(DateToSystemTime(date, &st), E_INVALIDARG);
  EXPECT_EQ(st.wYear, 1234);
  std::int64_t seconds = 5;
  EXPECT_HR(DateToTimeT(date, &seconds), E_INVALIDARG);
  EXPECT_EQ(seconds, 5);
}

INSTANTIATE_TEST_SUITE_P(DateConversion, DatesBeyondTimeForms,
                         testing::Values(1e12, -1e12, 1e300, -1e300, std::numeric_limits<double>::quiet_NaN(),
                                         std::numeric_limits<double>::infinity(),
                                         -std::numeric_limits<double>::infinity(), 1e7));

TEST(DateConversion, TimeTStopsAtTheDayAfterTheLastDate) {
  std::int64_t seconds = 5;
  EXPECT_HR(DateToTimeT(2958466.0, &seconds), E_INVALIDARG);
  EXPECT_EQ(seconds, 5);
}

}  // namespace
