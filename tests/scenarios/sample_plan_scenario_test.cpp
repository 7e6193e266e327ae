// The sample workbook through the plan exports.

#include "frame/addin_state.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace korvat;
using namespace korvat::test;

constexpr double kNow = kDay1 + 3 + 11.0 / 24;  // 2026-12-04 11:00

TEST(SamplePlan, UpdateKeepsTheUsersPlanAndLeavesNoReference) {
  std::unique_ptr<Workbook> book = LoadSample();
  ASSERT_TRUE(book);
  PlanSession s(std::move(book), kNow);
  std::map<int, std::string> numbers, formulas;
  std::map<int, double> starts;
  for (int row = 6; row <= 65; ++row) {
    numbers[row] = s.Text(row, 1);
    formulas[row] = s.Formula(row, 16);
    starts[row] = s.Number(row, 16);
  }
  kvUpdateWBS();
  EXPECT_TRUE(s.boxes.empty()) << s.boxes.front().text;
  EXPECT_EQ(State().taskTable->taskCount, 60);
  EXPECT_EQ(State().wbsSettings->lastTableRow, 69);
  for (int row = 6; row <= 65; ++row) {
    EXPECT_EQ(s.Text(row, 1), numbers[row]) << row;
    EXPECT_EQ(s.Formula(row, 16), formulas[row]) << row;
    EXPECT_EQ(s.Number(row, 16), starts[row]) << row;
  }
  EXPECT_EQ(s.Text(6, 1), "1");
  EXPECT_EQ(s.Formula(6, 14), "=IF(SUM(N7,N8,N11,N12)=0,\"\",SUM(N7,N8,N11,N12))");
  EXPECT_EQ(s.Formula(8, 14), "=IF(SUM(N9,N10)=0,\"\",SUM(N9,N10))");
  EXPECT_EQ(s.Number(6, 20), 100);  // the first day is done
  kvWBSFilter();
  EXPECT_EQ(s.Close(), 0);
}

TEST(SamplePlan, ReschedulingAgreesWithTheSamplesPlan) {
  PlanSession s(LoadSample(), kNow);
  std::map<int, double> starts;
  for (int row = 6; row <= 65; ++row) starts[row] = s.Number(row, 16);
  s.Reschedule();
  EXPECT_TRUE(s.boxes.empty());
  for (int row = 6; row <= 65; ++row) EXPECT_NEAR(s.Number(row, 16), starts[row], 1e-9) << row;
  EXPECT_EQ(s.Close(), 0);
}

TEST(SamplePlan, CompletedTasksWithTheirSummaries) {
  std::unique_ptr<Workbook> book = LoadSample();
  PlanSession s(std::move(book), kNow);
  s.Sheet("wsSettings").SetValue(500, 1, CellValue::Text("5,"));
  kvUpdateWBS();
  kvWBSFilter();
  int shown = 0;
  for (int row = 6; row <= 65; ++row) {
    const TaskRecord* task = TaskAtRow(*State().taskTable, row);
    if (!s.Hidden(row)) ++shown;
    if (task->isLeaf && task->dayIndex <= 3) {
      EXPECT_FALSE(s.Hidden(row)) << row;
    }
    if (task->dayIndex > 4) {
      EXPECT_TRUE(s.Hidden(row)) << row;
    }
  }
  EXPECT_GT(shown, 15);
  EXPECT_EQ(s.Close(), 0);
}

TEST(SamplePlan, FailingHostCallsLeaveNoReferenceBehind) {
  for (const std::int64_t k : {1, 7, 60, 700, 7000, 30000}) {
    PlanSession s(LoadSample(), kNow);
    s.Host().FailCall(k);
    kvUpdateWBS();
    kvWBSFilter();
    EXPECT_EQ(s.Close(), 0) << "failing call " << k;
  }
  for (const char* member : {"Range", "Value", "Cells", "Borders", "Hidden", "Formula"}) {
    PlanSession s(LoadSample(), kNow);
    s.Host().FailMember(member);
    kvUpdateWBS();
    kvWBSFilter();
    EXPECT_EQ(s.Close(), 0) << "failing member " << member;
  }
}

}  // namespace
