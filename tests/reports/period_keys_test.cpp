// The time axis of the period reports.

#include "reports/period_keys.h"

#include "base/calendar_date.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using Keys = std::vector<std::string>;

double At(int y, int m, int d, int hour = 0) { return DateFromYmd(y, m, d) + hour / 24.0; }

struct KeyCase {
  const char* what;
  std::int64_t kind, step;
  double start, last;
  Keys keys;
};

TEST(PeriodKeys, DaysWeeksAndMonths) {
  const KeyCase cases[] = {
      {"every day", 1, 1, At(2016, 12, 1, 8), At(2016, 12, 3, 17), {"2016/12/01", "2016/12/02", "2016/12/03"}},
      {"every seventh day", 1, 7, At(2016, 12, 1, 8), At(2016, 12, 20), {"2016/12/01", "2016/12/08", "2016/12/15"}},
      // The next key keeps the start's time of day: 12/03 08:00 is after 12/03 00:00.
      {"a key after the last time", 1, 1, At(2016, 12, 1, 8), At(2016, 12, 3), {"2016/12/01", "2016/12/02"}},
      {"weeks from a Wednesday", 2, 0, At(2016, 12, 7, 8), At(2016, 12, 19, 17), {"2016/12/05", "2016/12/12", "2016/12/19"}},
      {"weeks from a Monday", 2, 5, At(2016, 12, 5, 8), At(2016, 12, 11), {"2016/12/05"}},
      {"weeks from a Sunday", 2, 1, At(2016, 12, 11, 8), At(2016, 12, 12, 9), {"2016/12/05", "2016/12/12"}},
      {"months over a new year", 3, 0, At(2016, 11, 20, 8), At(2017, 1, 10, 17), {"2016/11", "2016/12", "2017/01"}},
      {"months from a month's last day", 3, 9, At(2017, 1, 31, 8), At(2017, 3, 1, 9), {"2017/01", "2017/02", "2017/03"}},
      {"last before the first key", 1, 1, At(2016, 12, 1, 8), At(2016, 11, 1), {"2016/12/01"}},
      {"last before the first week", 2, 1, At(2016, 12, 7, 8), At(2016, 12, 1), {"2016/12/05"}},
      {"last before the first month", 3, 1, At(2016, 12, 7, 8), At(2016, 1, 1), {"2016/12"}},
  };
  for (const KeyCase& c : cases) EXPECT_EQ(BuildPeriodKeys(c.kind, c.step, c.start, c.last).keys, c.keys) << c.what;
}

TEST(PeriodKeys, AnUnusableChoiceBuildsNoKeys) {
  struct Choice {
    std::int64_t kind, step;
    bool usable;
  };
  const Choice choices[] = {{1, 1, true},  {1, 0, false}, {1, -3, false}, {2, 0, true}, {2, -1, true},
                            {3, 0, true},  {0, 1, false}, {4, 1, false},  {-1, 1, false}};
  for (const Choice& c : choices) {
    EXPECT_EQ(PeriodChoiceUsable(c.kind, c.step), c.usable) << c.kind << "," << c.step;
    const PeriodKeys periods = BuildPeriodKeys(c.kind, c.step, At(2016, 12, 1), At(2016, 12, 31));
    EXPECT_EQ(periods.keys.empty(), !c.usable) << c.kind << "," << c.step;
    EXPECT_FALSE(periods.tooMany);
  }
}

TEST(PeriodKeys, MoreKeysThanASheetHasColumnsAreNotBuilt) {
  const PeriodKeys days = BuildPeriodKeys(1, 1, At(2000, 1, 1), At(2099, 12, 31));
  EXPECT_TRUE(days.tooMany);
  EXPECT_TRUE(days.keys.empty());
  const double lastOfMany = At(2000, 1, 1) + static_cast<double>(kMaxPeriods - 1);
  const PeriodKeys most = BuildPeriodKeys(1, 1, At(2000, 1, 1), lastOfMany);
  EXPECT_FALSE(most.tooMany);
  EXPECT_EQ(most.keys.size(), kMaxPeriods);
  EXPECT_TRUE(BuildPeriodKeys(1, 1, At(2000, 1, 1), lastOfMany + 1).tooMany);
  EXPECT_FALSE(BuildPeriodKeys(3, 1, At(2000, 1, 1), At(2099, 12, 31)).tooMany);
}

TEST(PeriodKeys, PeriodsStartAtTheTimelineThenAtTheirKeysAndTheLastEndsAfterTheLastDate) {
  const double start = At(2016, 12, 7, 8), last = At(2016, 12, 19, 17);
  const PeriodKeys weeks = BuildPeriodKeys(2, 1, start, last);
  ASSERT_EQ(weeks.keys.size(), 3u);
  EXPECT_EQ(PeriodStart(weeks, 0, start), start);
  EXPECT_EQ(PeriodStart(weeks, 1, start), At(2016, 12, 12));
  EXPECT_EQ(NextPeriodStart(weeks, 0, last), At(2016, 12, 12));
  EXPECT_EQ(NextPeriodStart(weeks, 2, last), last + 1);
}

TEST(PeriodKeys, WeekdaysCountFromMonday) {
  EXPECT_EQ(WeekdayFromMonday(At(2016, 12, 5)), 1);
  EXPECT_EQ(WeekdayFromMonday(At(2016, 12, 7, 23)), 3);
  EXPECT_EQ(WeekdayFromMonday(At(2016, 12, 11)), 7);
  EXPECT_EQ(WeekdayFromMonday(At(1900, 1, 1)), 1);
  EXPECT_EQ(WeekdayFromMonday(0.0), 6);  // 1899-12-30 was a Saturday
}

}  // namespace
