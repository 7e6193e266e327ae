// A task's share of one period of the project report.

#include "reports/period_earned_value.h"

#include "reports/report_numbers.h"

#include "base/calendar_date.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace korvat;

double At(int y, int m, int d, int hour = 0) { return DateFromYmd(y, m, d) + hour / 24.0; }

TaskRecord Task(double plannedStart, double plannedEnd, const char* pv, const char* duration) {
  TaskRecord t;
  t.plannedStart = plannedStart;
  t.plannedEnd = plannedEnd;
  t.pvText = pv;
  t.durationText = duration;
  return t;
}

TEST(PeriodEarnedValue, PlannedValueIsSpreadOverTheDaysOfTheDuration) {
  // Ten days with budget 600, half of them in each of two periods.
  const TaskRecord t = Task(At(2016, 12, 1), At(2016, 12, 10), "600", "10");
  EXPECT_DOUBLE_EQ(PeriodPlannedValue(At(2016, 11, 28), At(2016, 12, 5), t), 300.0);
  EXPECT_DOUBLE_EQ(PeriodPlannedValue(At(2016, 12, 6), At(2016, 12, 12), t), 300.0);
  EXPECT_DOUBLE_EQ(PeriodPlannedValue(At(2016, 12, 11), At(2016, 12, 17), t), 0.0);
  // A period ends at the midnight of its last day: a day whose task starts later that
  // day is not counted in it.
  const TaskRecord morning = Task(At(2016, 12, 1, 8), At(2016, 12, 10, 17), "600", "10");
  EXPECT_DOUBLE_EQ(PeriodPlannedValue(At(2016, 11, 28), At(2016, 12, 5), morning), 240.0);
  EXPECT_DOUBLE_EQ(PeriodPlannedValue(At(2016, 12, 1), At(2016, 12, 1), morning), 0.0);
}

TEST(PeriodEarnedValue, ADurationBelowOneDayFallsBackToThePlannedSpanSoNothingIsInfinite) {
  struct Case {
    const char* duration;
    double days;
  };
  // A three-day span (12/01 08:00 to 12/03 17:00).
  const Case cases[] = {{"", 3}, {"0", 3}, {"-2", 3}, {"0.5", 3}, {"days", 3}, {"4", 4}, {"1", 1}, {"2.5", 2.5}};
  for (const Case& c : cases) {
    const TaskRecord t = Task(At(2016, 12, 1, 8), At(2016, 12, 3, 17), "300", c.duration);
    EXPECT_EQ(SpreadDays(t), c.days) << c.duration;
    const double pv = PeriodPlannedValue(At(2016, 11, 28), At(2016, 12, 4), t);
    EXPECT_TRUE(std::isfinite(pv)) << c.duration;
  }
  // A task inside one day, and one that ends at midnight, count one day.
  EXPECT_EQ(SpreadDays(Task(At(2016, 12, 1, 8), At(2016, 12, 1, 9), "60", "")), 1.0);
  EXPECT_EQ(SpreadDays(Task(At(2016, 12, 1, 8), At(2016, 12, 2), "60", "0")), 1.0);
  EXPECT_EQ(SpreadDays(Task(At(2016, 12, 2), At(2016, 12, 1), "60", "")), 1.0);
}

TEST(PeriodEarnedValue, EarnedValueAndCostSplitByTheSinglePrecisionRatioOfTheActualSpan) {
  TaskRecord t;
  t.actualStart = At(2016, 12, 1);
  t.percentText = "40";
  t.pvText = "500";
  t.acText = "100";
  const double today = At(2016, 12, 10);
  const PeriodShare first = PeriodEarnedAndCost(At(2016, 11, 20, 8), At(2016, 12, 4), t, today);
  // As the cells hold them: the 16-digit texts of the figures.
  EXPECT_EQ(SixteenDigitNumber(first.earnedValue), 80.0000011920929);
  EXPECT_EQ(SixteenDigitNumber(first.actualCost), 40.00000059604645);
  const PeriodShare second = PeriodEarnedAndCost(At(2016, 12, 5), At(2016, 12, 31, 17), t, today);
  EXPECT_EQ(SixteenDigitNumber(second.earnedValue), 120.0000047683716);
  EXPECT_EQ(SixteenDigitNumber(second.actualCost), 60.00000238418579);
  // Once the task has an actual end, that end closes its span instead of today.
  t.actualEnd = At(2016, 12, 5);
  const PeriodShare ended = PeriodEarnedAndCost(At(2016, 12, 5), At(2016, 12, 31), t, today);
  EXPECT_EQ(ended.earnedValue, 200.0 * static_cast<double>(0.2f));
  // A span that starts after its end reference counts nothing.
  t.actualStart = At(2016, 12, 11);
  t.actualEnd = 0;
  const PeriodShare ahead = PeriodEarnedAndCost(At(2016, 12, 5), At(2016, 12, 31), t, today);
  EXPECT_EQ(ahead.earnedValue, 0.0);
  EXPECT_EQ(ahead.actualCost, 0.0);
}

}  // namespace
