// Shifting the planned times of the selected tasks.

#include "editing/editing_plan.h"
#include "korvat/korvat.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat::test;

TEST(TaskOffset, UnstartedLeavesMoveAndKeepTheirMinutesStartedOnesAndSummariesStay) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  plan.Resource("R1", "Anna");
  plan.Task({1, "Day"});
  plan.Task({2, "Open", "Anna", "45", Clock(9, 0), Clock(9, 45)});
  plan.Task({2, "Running", "Anna", "60", Clock(10, 0), Clock(11, 0), Clock(10, 0), 0, "50"});
  plan.Task({2, "Also open", "Anna", "30", Clock(11, 0), Clock(11, 30)});
  auto s = OpenUpdated(plan);
  Select(*s, "7:9");
  EXPECT_EQ(kvTasksOffset(15, -2), 1);
  EXPECT_NEAR(s->Number(7, kPSCol), Clock(8, 30), 1e-9);
  EXPECT_NEAR(s->Number(7, kPECol), Clock(9, 15), 1e-9);
  EXPECT_NEAR(s->Number(8, kPSCol), Clock(10, 0), 1e-9);
  EXPECT_NEAR(s->Number(8, kPECol), Clock(11, 0), 1e-9);
  EXPECT_NEAR(s->Number(9, kPSCol), Clock(10, 30), 1e-9);
  EXPECT_NEAR(s->Number(9, kPECol), Clock(11, 0), 1e-9);
  // The summary's roll-up follows from its rows.
  EXPECT_NEAR(s->Number(6, kPSCol), Clock(8, 30), 1e-9);
  EXPECT_EQ(s->Close(), 0);
}

TEST(TaskOffset, AnOffsetAcrossMidnightWritesTheTimeOfDay) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(20, 0), Clock(23, 59));
  plan.Resource("R1", "Anna");
  plan.Task({1, "Night"});
  plan.Task({2, "Late", "Anna", "60", Clock(22, 0), Clock(23, 0)});
  plan.Task({2, "Later", "Anna", "30", Clock(23, 0), Clock(23, 30)});
  auto s = OpenUpdated(plan);
  Select(*s, "7:7");
  EXPECT_EQ(kvTasksOffset(150, 1), 1);
  EXPECT_NEAR(s->Number(7, kPSCol), Clock(0, 30), 1e-9);
  EXPECT_NEAR(s->Number(7, kPECol), Clock(1, 30), 1e-9);
  EXPECT_EQ(s->Close(), 0);
}

TEST(TaskOffset, RefusalsLeaveTheWorkbookAsItWas) {
  const std::vector<std::string> selections = {"6:7", "2:3", "7:20"};
  for (const std::string& selection : selections) {
    PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}});
    auto s = OpenUpdated(plan);
    Select(*s, selection);
    const std::string before = SavedText(*s);
    EXPECT_EQ(kvTasksOffset(15, 1), 0) << selection;
    EXPECT_EQ(SavedText(*s), before) << selection;
    EXPECT_EQ(s->Close(), 0);
  }
}

TEST(TaskOffset, ArgumentsWhoseProductPassesThirtyTwoBitsStillGiveATimeOfDay) {
  PlanWorkbook plan = OutlinePlan({{1, "A"}, {2, "a1"}, {2, "a2"}});
  auto s = OpenUpdated(plan);
  Select(*s, "7:7");
  // 65536 x 65536 minutes overflows 32 bits; 2^32 minutes are whole days and 256 minutes.
  EXPECT_EQ(kvTasksOffset(65536, 65536), 1);
  const int shift = static_cast<int>((std::int64_t{1} << 32) % 1440);
  const int start = (8 * 60 + 30 + shift) % 1440;
  EXPECT_NEAR(s->Number(7, kPSCol), Clock(start / 60, start % 60), 1e-6);
  EXPECT_EQ(s->Close(), 0);
}

}  // namespace
