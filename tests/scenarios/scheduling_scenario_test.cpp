// Laying tasks out in their day's window, in rescheduling and update mode.

#include "frame/addin_state.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat::test;

constexpr int kPV = 14, kAC = 15, kPS = 16, kPE = 17, kPct = 20, kNo = 1;
constexpr double kNow = kDay1 + 0.25;  // 06:00 on the first day: nothing due yet

PlanWorkbook OneDay() {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0)).Day(kDay1 + 1, Clock(9, 0), Clock(18, 0));
  plan.Resource("R1", "Anna").Resource("R2", "Ben");
  return plan;
}

TEST(Scheduling, LaysOneResourcesTasksEndToEndFromTheWindowStart) {
  PlanWorkbook plan = OneDay();
  plan.Task({1, "Day one"});
  const int a = plan.Task({2, "Dig", "Anna", "30"});
  const int b = plan.Task({2, "Pour", "Anna", "45"});
  const int c = plan.Task({2, "Level", "Anna", "60"});
  PlanSession s(plan.Take(), kNow);
  s.Reschedule();
  EXPECT_DOUBLE_EQ(s.Number(a, kPS), 8.0 / 24);  // 08:00 as a day fraction
  EXPECT_NEAR(s.Number(a, kPE), Clock(8, 30), 1e-12);
  EXPECT_NEAR(s.Number(b, kPS), Clock(8, 30), 1e-12);
  EXPECT_NEAR(s.Number(b, kPE), Clock(9, 15), 1e-12);
  EXPECT_NEAR(s.Number(c, kPS), Clock(9, 15), 1e-12);
  EXPECT_NEAR(s.Number(c, kPE), Clock(10, 15), 1e-12);
  EXPECT_EQ(s.Text(a, kPV), "30");
  EXPECT_EQ(s.Text(b, kPV), "45");
  EXPECT_EQ(s.Text(c, kPV), "60");
  EXPECT_TRUE(s.boxes.empty());
  EXPECT_EQ(s.Close(), 0);
}

TEST(Scheduling, ResourcesStartIndependentlyAndANewDayResetsTheCursors) {
  PlanWorkbook plan = OneDay();
  plan.Task({1, "Day one"});
  const int a1 = plan.Task({2, "A1", "Anna", "60"});
  const int b1 = plan.Task({2, "B1", "Ben", "90"});
  const int a2 = plan.Task({2, "A2", "Anna", "30"});
  plan.Task({1, "Day two"});
  const int a3 = plan.Task({2, "A3", "Anna", "20"});
  const int b2 = plan.Task({2, "B2", "Ben", "10"});
  PlanSession s(plan.Take(), kNow);
  s.Reschedule();
  EXPECT_NEAR(s.Number(a1, kPS), Clock(8, 0), 1e-12);
  EXPECT_NEAR(s.Number(b1, kPS), Clock(8, 0), 1e-12);
  EXPECT_NEAR(s.Number(b1, kPE), Clock(9, 30), 1e-12);
  EXPECT_NEAR(s.Number(a2, kPS), Clock(9, 0), 1e-12);
  EXPECT_NEAR(s.Number(a3, kPS), Clock(9, 0), 1e-12);  // day two opens at 09:00
  EXPECT_NEAR(s.Number(a3, kPE), Clock(9, 20), 1e-12);
  EXPECT_NEAR(s.Number(b2, kPS), Clock(9, 0), 1e-12);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Scheduling, StartedAndCompletedTasksMoveTheCursorToWhereTheyEnd) {
  PlanWorkbook plan = OneDay();
  plan.Task({1, "Day one"});
  // Completed: its actual end (09:10) decides, not its plan.
  plan.Task({2, "Done", "Anna", "30", Clock(8, 0), Clock(8, 30), Clock(8, 5), Clock(9, 10)});
  const int afterDone = plan.Task({2, "Next", "Anna", "30"});
  // Started, not complete: its planned end decides.
  plan.Task({2, "Running", "Ben", "60", Clock(10, 0), Clock(11, 0), 0, 0, "50"});
  const int afterRunning = plan.Task({2, "Later", "Ben", "15"});
  PlanSession s(plan.Take(), kNow);
  s.Reschedule();
  EXPECT_NEAR(s.Number(afterDone, kPS), Clock(9, 10), 1e-12);
  EXPECT_NEAR(s.Number(afterDone, kPE), Clock(9, 40), 1e-12);
  EXPECT_NEAR(s.Number(afterRunning, kPS), Clock(11, 0), 1e-12);
  EXPECT_NEAR(s.Number(afterRunning, kPE), Clock(11, 15), 1e-12);
  // The completed task's actual minutes and percent are outputs.
  EXPECT_EQ(s.Text(afterDone - 1, kAC), "65");
  EXPECT_EQ(s.Text(afterDone - 1, kPct), "100");
  EXPECT_EQ(s.Close(), 0);
}

TEST(Scheduling, HundredPercentWithoutActualEndLeavesTheCursorAtTheWindowStart) {
  PlanWorkbook plan = OneDay();
  plan.Task({1, "Day one"});
  plan.Task({2, "Ticked off", "Anna", "30", Clock(13, 0), Clock(13, 30), 0, 0, "100"});
  const int next = plan.Task({2, "Next", "Anna", "45"});
  const int kept = plan.Task({2, "Own plan", "Ben", "30", Clock(14, 0), Clock(14, 30)});
  const int afterKept = plan.Task({2, "Follows", "Ben", "30"});
  PlanSession s(plan.Take(), kNow);
  s.Reschedule();
  EXPECT_NEAR(s.Number(next, kPS), Clock(8, 0), 1e-12);
  EXPECT_NEAR(s.Number(kept, kPS), Clock(14, 0), 1e-12);  // first of its resource: keeps its plan
  EXPECT_NEAR(s.Number(afterKept, kPS), Clock(14, 30), 1e-12);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Scheduling, CrewCodesNeedNoResourceRowAndOthersAreReported) {
  PlanWorkbook plan = OneDay();
  plan.Task({1, "Day one"});
  const int crew = plan.Task({2, "Scaffold", "M2", "60"});
  plan.Task({2, "Sweep", "W", "30"});
  plan.Task({2, "Paint", "Zed", "30"});
  plan.Task({2, "Glaze", "", "30"});
  PlanSession s(plan.Take(), kNow);
  s.Reschedule();
  EXPECT_EQ(s.Number(crew, kPS), 0.0);  // not scheduled
  ASSERT_EQ(s.boxes.size(), 2u);
  EXPECT_EQ(s.boxes[0].text, "Can not get Zed's information from 'Resources' sheet.");
  EXPECT_EQ(s.boxes[0].flags, 48u);
  EXPECT_EQ(s.boxes[1].text, "Please specify resource for task '1.4Glaze'");
  EXPECT_EQ(s.boxes[1].flags, 64u);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Scheduling, UpdateModeKeepsPlannedTimesAndRewritesOutputs) {
  PlanWorkbook plan = OneDay();
  plan.Task({1, "Day one"});
  const int a = plan.Task({2, "A", "Anna", "999", Clock(10, 0), Clock(10, 40), Clock(10, 0), Clock(11, 0), "20"});
  const int b = plan.Task({2, "B", "Anna", "30"});
  plan.Wbs().SetValue(a, kNo, korvat::host::CellValue::Text("old"));
  PlanSession s(plan.Take(), kNow);
  kvUpdateWBS();
  EXPECT_NEAR(s.Number(a, kPS), Clock(10, 0), 1e-12);
  EXPECT_EQ(s.Number(b, kPS), 0.0);  // never placed in update mode
  EXPECT_EQ(s.Text(a, kPV), "40");
  EXPECT_EQ(s.Text(a, kAC), "60");
  EXPECT_EQ(s.Text(a, kPct), "100");
  EXPECT_EQ(s.Text(a, kNo), "1.1");
  EXPECT_EQ(s.Text(b, kNo), "1.2");
  EXPECT_EQ(korvat::State().wbsSettings->rescheduleMode, 0);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Scheduling, PlansOverAResourcesReleaseDateAreReported) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  plan.Resource("R1", "Anna", kDay1 + Clock(9, 0));
  plan.Task({1, "Day one"});
  plan.Task({2, "Early", "Anna", "60"});
  plan.Task({2, "Late", "Anna", "60"});
  PlanSession s(plan.Take(), kNow);
  s.Reschedule();
  ASSERT_EQ(s.boxes.size(), 1u);
  EXPECT_EQ(s.boxes[0].text, "Attention: Plan of task '1.2Late' is over Anna's release date.");
  EXPECT_EQ(s.boxes[0].flags, 48u);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Scheduling, TasksWithoutADayKeepTheirPlanAndAreToldOnce) {
  PlanWorkbook plan;  // no calendar days at all
  plan.Resource("R1", "Anna");
  plan.Task({1, "Day one"});
  const int a = plan.Task({2, "A", "Anna", "30"});
  plan.Task({2, "B", "Anna", "30"});
  PlanSession s(plan.Take(), kNow);
  s.Reschedule();
  EXPECT_EQ(s.Number(a, kPS), 0.0);
  ASSERT_EQ(s.boxes.size(), 1u);
  EXPECT_EQ(s.boxes[0].flags, 48u);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Scheduling, ATopLevelLeafIsPlannedOnTheCurrentDay) {
  PlanWorkbook plan = OneDay();
  plan.Task({1, "Day one"});
  plan.Task({2, "A", "Anna", "30"});
  const int lone = plan.Task({1, "Lone", "Anna", "15"});
  PlanSession s(plan.Take(), kNow);
  s.Reschedule();
  EXPECT_NEAR(s.Number(lone, kPS), Clock(8, 30), 1e-12);
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
