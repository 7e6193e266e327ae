// Mistakes in a plan are told where the user would otherwise lose work or wonder why
// nothing happens: once per cause and export, with the exclamation icon, and the
// export goes on with what it could read.

#include "frame/addin_state.h"
#include "frame/settings_loading.h"
#include "korvat/korvat.h"
#include "plan/task_table.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"
#include "support/current_plan.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace korvat;
using namespace korvat::test;

constexpr int kRow = PlanWorkbook::kFirstRow + 1;  // the first leaf of the plans below
constexpr int kActualStartCol = 18;

std::size_t BoxesSaying(const PlanSession& s, const std::string& part) {
  std::size_t n = 0;
  for (const RecordedBox& box : s.boxes)
    if (box.text.find(part) != std::string::npos && box.flags == 48) ++n;
  return n;
}

PlanWorkbook OneDayPlan() {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(9, 0), Clock(18, 0)).Resource("M1", "Alice");
  plan.Task({1, "Day"});
  return plan;
}

struct MistakeCase {
  const char* what;
  std::function<void(PlanWorkbook&)> make;
  const char* said;  // part of the one box
  std::function<void(PlanSession&)> check;  // what the export still did; may be null
};

class PlanMistake : public testing::TestWithParam<MistakeCase> {};

TEST_P(PlanMistake, IsToldOncePerExportAndTheRestIsRead) {
  const MistakeCase& c = GetParam();
  PlanWorkbook plan = OneDayPlan();
  c.make(plan);
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  EXPECT_EQ(s.boxes.size(), 1u) << c.what;
  EXPECT_EQ(BoxesSaying(s, c.said), 1u) << c.what << ": " << (s.boxes.empty() ? "" : s.boxes[0].text);
  if (c.check) c.check(s);
  kvUpdateWBS();
  EXPECT_EQ(BoxesSaying(s, c.said), 2u) << c.what << ": the next export tells it again";
  EXPECT_EQ(s.Close(), 0);
}

void TwoLeaves(PlanWorkbook& plan, const TaskRow& first, const TaskRow& second) {
  plan.Task(first);
  plan.Task(second);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanMistake,
    testing::Values(
        MistakeCase{"a planned time typed as text",
                    [](PlanWorkbook& p) {
                      TwoLeaves(p, {2, "A", "M1", "30"}, {2, "B", "M1", "30"});
                      p.Wbs().SetValue(kRow, kActualStartCol, CellValue::Text("9:00"));
                      p.Wbs().SetValue(kRow + 1, kActualStartCol, CellValue::Text("ten"));
                    },
                    "Cell R7 of the WBS sheet holds \"9:00\" where a time of day belongs",
                    [](PlanSession& s) {
                      EXPECT_EQ(s.Text(kRow, kActualStartCol), "9:00") << "the user's text stays";
                      EXPECT_EQ(TaskAtRow(*State().taskTable, kRow)->actualStart, 0.0) << "read without it";
                    }},
        MistakeCase{"a whole date typed with the time",
                    [](PlanWorkbook& p) {
                      TwoLeaves(p, {2, "A", "M1", "30"}, {2, "B", "M1", "30"});
                      p.Wbs().SetValue(kRow, kActualStartCol, CellValue::Number(kDay1 + Clock(9, 30)));
                    },
                    "Cell R7 of the WBS sheet holds a date with its time",
                    [](PlanSession&) {
                      const TaskRecord* task = TaskAtRow(*State().taskTable, kRow);
                      ASSERT_NE(task, nullptr);
                      EXPECT_DOUBLE_EQ(task->actualStart, kDay1 + Clock(9, 30)) << "its time of day is used";
                    }},
        MistakeCase{"a predecessor no task has",
                    [](PlanWorkbook& p) {
                      TwoLeaves(p, {2, "A", "M1", "30", 0, 0, 0, 0, "", "9FS"},
                                {2, "B", "M1", "30", 0, 0, 0, 0, "", "Nowhere,1.1"});
                    },
                    "Task '1.1 A' names the predecessor \"9\", which is neither a task code nor a WBS number",
                    nullptr}));

TEST(PlanMistakes, TimesOfTwentyFourHoursAndMoreAreTimesOfDay) {
  PlanWorkbook plan = OneDayPlan();
  plan.Task({2, "Late", "M1", "30", 0, 0, Clock(17, 0), 1.0});  // actual end 24:00
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  EXPECT_TRUE(s.boxes.empty()) << s.boxes[0].text;
  EXPECT_DOUBLE_EQ(TaskAtRow(*State().taskTable, kRow)->actualEnd, kDay1 + 1.0);
  EXPECT_EQ(s.Close(), 0);
}

// A workbook whose sheets lack their code names is told about at the binding's
// first loading export, with every missing sheet in one box; further exports of
// that binding stay quiet where they can go on, and a new binding tells again.
TEST(PlanMistakes, MissingSheetsAreToldOnceABinding) {
  auto book = std::make_unique<Workbook>();
  book->AddWorksheet("WBS")->codeName = "wsWBS";
  book->AddWorksheet("Settings")->codeName = "Sheet2";
  PlanSession s(std::move(book), kDay1);
  kvWBSFilter();
  EXPECT_TRUE(s.boxes.empty()) << "the filter loads nothing";
  kvUpdateWBS();
  ASSERT_EQ(s.boxes.size(), 1u);
  EXPECT_EQ(s.boxes[0].flags, 48u);
  EXPECT_NE(s.boxes[0].text.find("no worksheet with the code name wsSettings (the settings), wsResource (the "
                                 "resources) or wsCalendar (the calendar days)"),
            std::string::npos)
      << s.boxes[0].text;
  EXPECT_EQ(s.boxes[0].text.find("wsWBS"), std::string::npos);
  kvUpdateWBS();
  EXPECT_EQ(s.boxes.size(), 1u);
  EXPECT_EQ(State().taskTable->taskCount, 0);
  kvDrawCalendar(60);
  ASSERT_EQ(s.boxes.size(), 2u) << "a drawing that cannot start says why";
  EXPECT_NE(s.boxes[1].text.find("wsSettings"), std::string::npos);
  EXPECT_EQ(s.boxes[1].text.find("CSCalendarUnit"), std::string::npos) << "not a calendar unit mistake";
  kvSetWorkBook(nullptr);
  EXPECT_EQ(s.Close(), 0);
}

TEST(PlanMistakes, MissingSettingsAreNamedInOneBox) {
  PlanWorkbook plan = OneDayPlan();
  plan.RemoveSetting("WSFirstTaskRow").RemoveSetting("CSCalendarUnit");
  PlanSession s(plan.Take(), kDay1);
  kvUpdateWBS();
  ASSERT_EQ(s.boxes.size(), 1u);
  EXPECT_NE(s.boxes[0].text.find("defines no setting \"WSFirstTaskRow\" and \"CSCalendarUnit\""), std::string::npos)
      << s.boxes[0].text;
  kvUpdateWBS();
  EXPECT_EQ(s.boxes.size(), 1u) << "once a binding";
  EXPECT_EQ(s.Close(), 0);
}

TEST(PlanMistakes, RowsPastTheTableCapacityAreToldAndLeftAlone) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(9, 0), Clock(18, 0));
  for (std::int64_t i = 0; i <= kMaxTasks; ++i) plan.Task({1, "T"});
  PlanSession s(plan.Take(), kDay1);
  BoundPlan p = CurrentPlan();
  LoadAllSettings(p);
  ReadTasks(p);
  EXPECT_EQ(p.taskTable.taskCount, kMaxTasks);
  ASSERT_EQ(s.boxes.size(), 1u);
  EXPECT_NE(s.boxes[0].text.find("more than 10000 task rows: the plan is read to row 10005"), std::string::npos)
      << s.boxes[0].text;
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
