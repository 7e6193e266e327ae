// The sample workbook's main job: rescheduled, then the three reports, rendered.

#include "base/number_text.h"
#include "frame/addin_state.h"
#include "host/render/workbook_render.h"
#include "korvat/korvat.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"
#include "wbs/task_lookup.h"
#include "wbs/task_status.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

constexpr double kNow = kDay1 + 7 + 0.5;  // 2026-12-08 12:00

double NumberOf(const Worksheet& sheet, int row, int col) {
  const CellValue v = sheet.Value(row, col);
  EXPECT_TRUE(v.IsNumber()) << sheet.Name() << " row " << row << " column " << col;
  return v.IsNumber() ? v.number : 0.0;
}

int Charts(const Worksheet& sheet) {
  int charts = 0;
  for (const auto& shape : sheet.Shapes().InZOrder()) charts += shape->type == host::ShapeType::Chart ? 1 : 0;
  return charts;
}

TEST(SampleReports, TheMainJobWritesTheThreeReportsWithTheirCharts) {
  PlanSession s(LoadSample(), kNow);
  s.Reschedule();
  s.boxes.clear();
  EXPECT_EQ(kvEVMByTask(), 0);
  kvEVMByProject(2, 1);
  kvWorkload(1, 1);
  EXPECT_TRUE(s.boxes.empty()) << s.boxes.front().text;
  const Workbook& book = s.Host().Model();
  const Worksheet* tasks = book.FindWorksheet("EVM0_20261208");
  const Worksheet* project = book.FindWorksheet("EVM2_20261208");
  const Worksheet* workload = book.FindWorksheet("Workload1");
  ASSERT_TRUE(tasks && project && workload);

  // Every task with planned or earned value by now has its row.
  int dueTasks = 0;
  double countedBudget = 0.0, countedLoad = 0.0;
  const TaskTable& table = *State().taskTable;
  for (TaskRecord* t = FirstTask(table); t; t = NextTask(table, *t)) {
    if (t->plannedValue != 0.0 || t->earnedValue != 0.0) ++dueTasks;
    if (t->isLeaf && !ParseCrewCode(*t) && t->plannedStart != 0.0) countedBudget += Val(t->pvText);
    if (t->isLeaf && !ParseCrewCode(*t) && Val(t->pvText) > 0) countedLoad += Val(s.Text(t->row, 22));
  }
  EXPECT_GT(dueTasks, 20);
  EXPECT_TRUE(tasks->Value(dueTasks + 2, 2).IsText());
  EXPECT_TRUE(tasks->Value(dueTasks + 3, 2).IsEmpty());

  // Three weeks from the Monday before the first day; the third begins after today.
  EXPECT_EQ(project->Value(3, 2), CellValue::Text("2026/11/30"));
  EXPECT_EQ(project->Value(5, 2), CellValue::Text("2026/12/14"));
  EXPECT_TRUE(project->Value(6, 2).IsEmpty());
  EXPECT_EQ(NumberOf(*project, 6, 3), countedBudget);  // every counted task's whole budget
  for (int c = 4; c <= 9; ++c) EXPECT_TRUE(project->Value(5, c).IsEmpty()) << c;
  EXPECT_GT(NumberOf(*project, 3, 4), 0.0);
  EXPECT_EQ(Charts(*project), 2);

  // Fourteen days; every load of the sample's counted tasks falls on one of them.
  EXPECT_EQ(workload->Value(2, 3), CellValue::Text("2026/12/01"));
  EXPECT_EQ(workload->Value(2, 16), CellValue::Text("2026/12/14"));
  EXPECT_TRUE(workload->Value(2, 17).IsEmpty());
  double shownLoad = 0.0;
  for (int row = 3; row <= 6; ++row) {
    EXPECT_TRUE(workload->Value(row, 2).IsText()) << row;
    double resource = 0.0;
    for (int c = 3; c <= 16; ++c) resource += NumberOf(*workload, row, c);
    EXPECT_GT(resource, 0.0) << row;
    shownLoad += resource;
  }
  EXPECT_TRUE(workload->Value(8, 2).IsEmpty());
  EXPECT_NEAR(shownLoad, countedLoad, 1e-9);
  EXPECT_EQ(Charts(*workload), 1);

  // The page draws both report sheets' charts with their lines.
  host::render::RenderOptions options;
  options.sheets = {"EVM2_20261208", "Workload1"};
  const host::render::RenderResult page = host::render::RenderWorkbookHtml(book, options);
  ASSERT_TRUE(page.ok()) << page.error;
  std::size_t charts = 0, lines = 0;
  for (std::size_t at = page.text.find("class=\"chart\""); at != std::string::npos;
       at = page.text.find("class=\"chart\"", at + 1))
    ++charts;
  for (std::size_t at = page.text.find("<g class=\"series\""); at != std::string::npos;
       at = page.text.find("<g class=\"series\"", at + 1))
    if (page.text.find("stroke-width=\"2.25\"", at) < page.text.find("</g>", at)) ++lines;
  EXPECT_EQ(charts, 3u);
  EXPECT_EQ(lines, 3u + 2u + 4u);  // PV, EV, AC; SPI, CPI; four resources
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
