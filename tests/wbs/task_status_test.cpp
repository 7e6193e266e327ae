// What a task record says about its task, at a fixed present moment.

#include "base/clock.h"
#include "plan/task_record.h"
#include "wbs/task_status.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;

constexpr double kDay = 46357.0;
double At(int h, int m) { return kDay + (h * 60 + m) / 1440.0; }

class TaskStatus : public testing::Test {
 protected:
  void SetUp() override { SetFixedNow(At(10, 0)); }
  void TearDown() override { SetFixedNow(std::nullopt); }

  static TaskRecord Planned(double start, double end, const char* pv, const char* percent = "") {
    TaskRecord t;
    t.plannedStart = start;
    t.plannedEnd = end;
    t.pvText = pv;
    t.percentText = percent;
    return t;
  }
};

TEST_F(TaskStatus, CrewCodes) {
  struct Row {
    const OLECHAR* resource;
    bool crew;
    const char* kind;
    std::int64_t count;
  };
  const Row rows[] = {{KV_W("M2"), true, "M", 2},    {KV_W("W"), true, "W", 1},     {KV_W("W12x"), true, "W", 12},
                      {KV_W("Anna"), false, "", 1},  {KV_W(""), false, "", 1},      {KV_W("m2"), false, "", 1},
                      {KV_W("Mike"), true, "M", 0}};
  for (const Row& row : rows) {
    TaskRecord t;
    t.resource = WideString::Copy(row.resource);
    EXPECT_EQ(ParseCrewCode(t), row.crew) << t.resource.Narrow();
    EXPECT_EQ(t.crewKind, row.kind) << t.resource.Narrow();
    EXPECT_EQ(t.crewCount, row.count) << t.resource.Narrow();
  }
}

TEST_F(TaskStatus, CompletionAndStart) {
  TaskRecord ended = Planned(At(8, 0), At(9, 0), "60", "50");
  ended.actualEnd = At(9, 5);
  EXPECT_TRUE(IsComplete(ended));
  EXPECT_EQ(ended.percentText, "100");  // in the record only
  TaskRecord ticked = Planned(0, 0, "", "100");
  EXPECT_TRUE(IsComplete(ticked));
  TaskRecord nearly = Planned(0, 0, "", "99");
  EXPECT_FALSE(IsComplete(nearly));
  EXPECT_TRUE(IsStarted(nearly));
  TaskRecord fresh = Planned(At(8, 0), At(9, 0), "60");
  EXPECT_FALSE(IsStarted(fresh));
  fresh.actualStart = At(8, 0);
  EXPECT_TRUE(IsStarted(fresh));
  EXPECT_TRUE(StartedOnPlan(fresh));
  EXPECT_TRUE(OnPlan(fresh));
  fresh.actualEnd = At(9, 1);
  EXPECT_FALSE(FinishedOnPlan(fresh));
  EXPECT_FALSE(OnPlan(fresh));
}

TEST_F(TaskStatus, HalvesOfThePlannedWork) {
  // 09:00-11:00, 120 minutes: the first half ends at 10:00, where the second begins.
  const TaskRecord running = Planned(At(9, 0), At(11, 0), "120");
  EXPECT_FALSE(InFirstHalf(running));
  EXPECT_TRUE(InSecondHalf(running));
  const TaskRecord justBegun = Planned(At(9, 30), At(11, 30), "121");  // half of 121 is 60
  EXPECT_TRUE(InFirstHalf(justBegun));
  EXPECT_FALSE(InSecondHalf(justBegun));
  const TaskRecord future = Planned(At(11, 0), At(12, 0), "60");
  EXPECT_FALSE(InFirstHalf(future));
  EXPECT_FALSE(InSecondHalf(future));
}

TEST_F(TaskStatus, EarnedValueAtThePresentMoment) {
  TaskRecord t = Planned(At(9, 0), At(11, 0), "120", "25");
  t.acText = "40";
  ComputeEarnedValue(t);
  EXPECT_EQ(t.budget, 120);
  EXPECT_EQ(t.actualCost, 40);
  EXPECT_EQ(t.plannedValue, 60);
  EXPECT_EQ(t.earnedValue, 30);
  EXPECT_EQ(t.costVariance, -10);
  EXPECT_EQ(t.scheduleVariance, -30);
  EXPECT_DOUBLE_EQ(t.costIndex, 0.75);
  EXPECT_DOUBLE_EQ(t.scheduleIndex, 0.5);
  EXPECT_DOUBLE_EQ(t.estimateAtCompletion, 40 + 90 / 0.75);
  EXPECT_DOUBLE_EQ(t.estimateToComplete, 90 / 0.75);
  EXPECT_TRUE(IsBehindSchedule(t));

  TaskRecord done = Planned(At(8, 0), At(9, 0), "60", "100");
  ComputeEarnedValue(done);
  EXPECT_EQ(done.plannedValue, 60);  // past its end: the whole budget
  EXPECT_EQ(done.costIndex, 0);      // no actual cost
  EXPECT_EQ(done.estimateToComplete, 0);

  TaskRecord future = Planned(At(11, 0), At(12, 0), "60", "10");
  future.acText = "5";
  future.earnedValue = 99;
  ComputeEarnedValue(future);
  EXPECT_EQ(future.budget, 60);
  EXPECT_EQ(future.actualCost, 5);
  EXPECT_EQ(future.earnedValue, 0);
  EXPECT_EQ(future.plannedValue, 0);
  EXPECT_EQ(future.estimateToComplete, 0);
  EXPECT_FALSE(IsBehindSchedule(future));
}

}  // namespace
