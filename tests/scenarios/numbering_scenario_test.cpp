// WBS numbers, levels and leaves worked out from the column of each name.

#include "frame/addin_state.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"
#include "support/current_plan.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

struct Expected {
  const char* number;
  std::int64_t level;
  std::int64_t isLeaf;
  std::int64_t dayIndex;
};

void ExpectTable(const std::vector<Expected>& expected) {
  const TaskTable& table = *State().taskTable;
  ASSERT_EQ(table.taskCount, static_cast<std::int64_t>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const TaskRecord& t = *table.tasks.ItemAt(static_cast<std::int64_t>(i) + 1);
    EXPECT_EQ(t.wbsNumber, expected[i].number) << i;
    EXPECT_EQ(t.level, expected[i].level) << i;
    EXPECT_EQ(t.isLeaf, expected[i].isLeaf) << i;
    EXPECT_EQ(t.dayIndex, expected[i].dayIndex) << i;
    EXPECT_EQ(t.row, PlanWorkbook::kFirstRow + static_cast<std::int64_t>(i));
  }
}

TEST(Numbering, OutlineColumnsGiveNumbersLevelsAndLeaves) {
  PlanWorkbook plan;
  for (int level : {1, 2, 2, 1, 2}) plan.Task({level, "T"});
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  ExpectTable({{"1", 1, 0, 1}, {"1.1", 2, 1, 1}, {"1.2", 2, 1, 1}, {"2", 1, 0, 2}, {"2.1", 2, 1, 2}});
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(s.Text(PlanWorkbook::kFirstRow + i, 1), std::vector<std::string>({"1", "1.1", "1.2", "2", "2.1"})[i]);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Numbering, FirstTaskIsTopLevelWhateverItsColumn) {
  PlanWorkbook plan;
  plan.Task({2, "Indented first"});
  plan.Task({2, "Second"});
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  ExpectTable({{"1", 1, 0, 1}, {"1.1", 2, 1, 1}});
  EXPECT_EQ(State().taskTable->tasks.ItemAt(1)->name.Narrow(), "");  // its name stands in another column
  EXPECT_EQ(s.Close(), 0);
}

TEST(Numbering, DeepOutlineBeginAndSeparatorSettings) {
  PlanWorkbook plan;
  plan.Setting("WSWBSNoBegin", "0").Setting("WSWBSNoFormat", "-");
  for (int level : {1, 2, 3, 3, 2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) plan.Task({level, "T"});
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  ExpectTable({{"0", 1, 0, 1},
               {"0-1", 2, 0, 1},
               {"0-1-1", 3, 1, 1},
               {"0-1-2", 3, 1, 1},
               {"0-2", 2, 1, 1},
               {"1", 1, 0, 2},
               {"1-1", 2, 0, 2},
               {"1-1-1", 3, 0, 2},
               {"1-1-1-1", 4, 0, 2},
               {"1-1-1-1-1", 5, 0, 2},
               {"1-1-1-1-1-1", 6, 0, 2},
               {"1-1-1-1-1-1-1", 7, 0, 2},
               {"1-1-1-1-1-1-1-1", 8, 0, 2},
               {"1-1-1-1-1-1-1-1-1", 9, 0, 2},
               {"1-1-1-1-1-1-1-1-1-1", 10, 1, 2}});
  EXPECT_EQ(s.Close(), 0);
}

TEST(Numbering, AnEmptyFirstRowIsAnEmptyTable) {
  PlanWorkbook plan;
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  EXPECT_EQ(State().taskTable->taskCount, 0);
  EXPECT_EQ(FirstTask(*State().taskTable), nullptr);
  EXPECT_EQ(s.Close(), 0);
}

TEST(Numbering, TaskCodesAndLookups) {
  PlanWorkbook plan;
  plan.Task({1, "Day"});
  plan.Task({2, "A1: Design"});
  plan.Task({2, "Design"});
  plan.Task({2, "#hidden code"});
  plan.Task({2, "a1-duplicate"});
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  const TaskTable& table = *State().taskTable;
  EXPECT_EQ(TaskCode(*TaskAtRow(table, 7)), "A1");
  EXPECT_EQ(TaskCode(*TaskAtRow(table, 8)), "1.2");
  EXPECT_EQ(TaskCode(*TaskAtRow(table, 9)), "");
  EXPECT_EQ(FindTaskByCode(table, "a1"), TaskAtRow(table, 7));  // first in sheet order, any case
  EXPECT_EQ(FindTask(table, "1.2"), TaskAtRow(table, 8));
  EXPECT_EQ(FindTaskByNumber(table, "1.4"), TaskAtRow(table, 10));
  EXPECT_EQ(FindTask(table, "nothing"), nullptr);
  EXPECT_EQ(AncestorRows(CurrentPlan(), 8), "6,");
  EXPECT_EQ(AncestorRows(CurrentPlan(), 6), "");
  EXPECT_EQ(TaskAtRow(table, 5), nullptr);
  EXPECT_EQ(TaskAtRow(table, 11), nullptr);
  EXPECT_EQ(NextTask(table, *LastTask(table)), nullptr);
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
