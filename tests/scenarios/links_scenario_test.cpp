// Predecessor links tested against the planned times, every link type.

#include "frame/addin_state.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

struct LinkCase {
  const char* predecessors;
  double start, end;  // the task's planned times
  std::int64_t linkError;
};

// Predecessors: 1.1 "P1: Prep" 09:00-10:00, 1.2 "Build" 09:30-11:00.
TEST(Links, EveryTypeAgainstThePlannedTimes) {
  const LinkCase cases[] = {
      {"1.1", Clock(10, 0), Clock(11, 0), 0},   // FS kept: starts at the end
      {"1.1", Clock(9, 59), Clock(11, 0), 1},   // FS violated
      {"P1FS", Clock(10, 0), Clock(10, 30), 0}, // by code
      {"1.1FF", Clock(8, 0), Clock(10, 0), 0},  // FF: ends with the predecessor
      {"1.1ff", Clock(8, 0), Clock(10, 1), 1},  // FF violated, lower-case type
      {"1.2SS", Clock(9, 30), Clock(12, 0), 0}, // SS kept
      {"1.2SS", Clock(9, 29), Clock(12, 0), 1}, // SS violated
      {"1.1SF", Clock(8, 0), Clock(9, 0), 0},   // SF: ends at the predecessor's start
      {"1.1SF", Clock(8, 0), Clock(9, 1), 1},   // SF violated
      {"1.1,1.2", Clock(10, 30), Clock(12, 0), 1},  // kept by 1.1, violated by 1.2
      {"1.2 SS", Clock(8, 0), Clock(8, 30), 0}, // "1.2 " names no task
      {"Prep", Clock(8, 0), Clock(8, 30), 0},   // "EP" is no link type
      {"", Clock(8, 0), Clock(8, 30), 0},
      {"9.9,nothing", Clock(8, 0), Clock(8, 30), 0},
  };
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  plan.Task({1, "Day"});
  plan.Task({2, "P1: Prep", "", "", Clock(9, 0), Clock(10, 0)});
  plan.Task({2, "Build", "", "", Clock(9, 30), Clock(11, 0)});
  std::vector<int> rows;
  for (const LinkCase& c : cases) {
    TaskRow row{2, "Case", "M1", "", c.start, c.end};
    row.predecessors = c.predecessors;
    rows.push_back(plan.Task(row));
  }
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(TaskAtRow(*State().taskTable, rows[i])->linkError, cases[i].linkError)
        << "predecessors " << cases[i].predecessors;
  EXPECT_EQ(s.Close(), 0);
}

TEST(Links, AnEmptiedCellClearsTheFlagOfTheLastPass) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  plan.Task({1, "Day"});
  plan.Task({2, "First", "", "", Clock(9, 0), Clock(10, 0)});
  TaskRow late{2, "Second", "", "", Clock(8, 0), Clock(9, 0)};
  late.predecessors = "1.1";
  const int row = plan.Task(late);
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  EXPECT_EQ(TaskAtRow(*State().taskTable, row)->linkError, 1);
  s.Wbs().SetValue(row, 21, CellValue::Empty());
  kvUpdateWBS();
  EXPECT_EQ(TaskAtRow(*State().taskTable, row)->linkError, 0);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Links, AForwardReferenceByCodeIsFoundOnTheFirstPass) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0));
  plan.Task({1, "Day"});
  TaskRow early{2, "Early", "", "", Clock(8, 0), Clock(9, 0)};
  early.predecessors = "LATEFS";
  const int row = plan.Task(early);
  plan.Task({2, "Late: finishing", "", "", Clock(10, 0), Clock(11, 0)});
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  EXPECT_EQ(TaskAtRow(*State().taskTable, row)->linkError, 1);
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
