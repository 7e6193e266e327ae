// Counting and stepping over calendar days.

#include "base/day_counting.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

TEST(Calendar, DayCounting) {
  EXPECT_EQ(CountDaysInclusive(kDay1, kDay1), 1);
  EXPECT_EQ(CountDaysInclusive(kDay1 + 1, kDay1), 0);
  EXPECT_EQ(CountDaysInclusive(kDay1, kDay1 + 13), 14);
  EXPECT_EQ(CountDaysInclusive(kDay1 + 0.5, kDay1 + 1.25), 1);
  EXPECT_DOUBLE_EQ(DateAfterDays(kDay1, 0, 1), kDay1);
  EXPECT_DOUBLE_EQ(DateAfterDays(kDay1, 1, 1), kDay1);
  EXPECT_DOUBLE_EQ(DateAfterDays(kDay1, 5, 1), kDay1 + 4);
  EXPECT_DOUBLE_EQ(DateAfterDays(kDay1, 5, -1), kDay1 - 4);
}

}  // namespace
