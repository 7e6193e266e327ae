// The report sheet utilities: the sheet itself, frames, titles, finishing, the
// latest date of a WBS column.

#include "reports/report_sheet.h"

#include "automation/host_object.h"
#include "base/calendar_date.h"
#include "korvat/korvat.h"
#include "platform/utf8_text.h"
#include "report_fixture.h"
#include "reports/report_dates.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

constexpr double kNow = kDay1 + 10.0 / 24;  // 2026-12-01 10:00

TEST(ReportSheet, ASheetOfTheDayIsAddedOnceThenKeptAndEmptiedOfCellsShapesAndCharts) {
  PlanSession s(PlanWorkbook().ReportCaptions().Take(), kNow);
  const BoundPlan plan = CurrentPlan();
  const int before = SheetCount(s);
  {
    const AutomationObject sheet = OpenEvmSheet(plan.workbook, 2);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(GetName(sheet.Get()), "EVM2_20261201");
    EXPECT_EQ(s.Host().Model().App().activeSheet, "EVM2_20261201");
    PutCellText(sheet.Get(), 3, 2, "old");
    const AutomationObject range = RangeAt(sheet.Get(), "B3:B3");
    SetRedBelow(range.Get(), "0.0", kLessThan);
    AddReportChart(plan.workbook, sheet.Get(), "B2:C3", kPlotByColumns, KV_W("old chart"));
    AddReportChart(plan.workbook, sheet.Get(), "B2:C3", kPlotByColumns, KV_W("old chart"));
  }
  const Worksheet* report = ReportSheet(s, "EVM2_20261201");
  ASSERT_TRUE(report);
  EXPECT_EQ(ChartCount(*report), 2);
  EXPECT_EQ(SheetCount(s), before + 1);
  { const AutomationObject again = OpenEvmSheet(plan.workbook, 2); }
  EXPECT_EQ(SheetCount(s), before + 1);
  EXPECT_TRUE(report->Cells().empty());
  EXPECT_EQ(report->Shapes().Count(), 0);
  EXPECT_TRUE(report->ConditionalFormats().empty());
  { const AutomationObject workload = OpenWorkloadSheet(plan.workbook, 3); }
  EXPECT_TRUE(ReportSheet(s, "Workload3"));
  EXPECT_EQ(SheetCount(s), before + 2);
  EXPECT_EQ(s.Close(), 0);
}

TEST(ReportSheet, DrawBoxFramesWithAMediumOutlineAndThinInnerLines) {
  PlanSession s(PlanWorkbook().Take(), kNow);
  const BoundPlan plan = CurrentPlan();
  DrawBox(plan.settingsSheet, "R2:T4");
  const Worksheet& sheet = s.Sheet("wsSettings");
  using host::Edge;
  EXPECT_EQ(sheet.Style(2, 18).border(Edge::Top).weight, kMediumLine);
  EXPECT_EQ(sheet.Style(3, 18).border(Edge::Left).weight, kMediumLine);
  EXPECT_EQ(sheet.Style(4, 19).border(Edge::Bottom).weight, kMediumLine);
  EXPECT_EQ(sheet.Style(3, 20).border(Edge::Right).weight, kMediumLine);
  // The inner lines lie on the right and bottom edges of the cells before them.
  for (const host::Border& inner : {sheet.Style(3, 19).border(Edge::Right), sheet.Style(3, 19).border(Edge::Bottom),
                                    sheet.Style(3, 18).border(Edge::Right), sheet.Style(2, 19).border(Edge::Bottom)}) {
    EXPECT_EQ(inner.lineStyle, 1);
    EXPECT_EQ(inner.weight, kThinLine);
    EXPECT_EQ(inner.colorIndex, host::kAutomatic);
  }
  EXPECT_EQ(sheet.Style(5, 19).border(Edge::Bottom).lineStyle, host::kNone);
  EXPECT_EQ(s.Close(), 0);
}

TEST(ReportSheet, TheDatedTitleReplacesTheFirstPlaceholderOnly) {
  struct Case {
    const char* caption;
    bool dated;
    const char* title;
  };
  const Case cases[] = {{"EVM report \\*", true, "EVM report 20261201"},
                        {"EVM report \\*", false, "EVM report \\*"},
                        {"\\* and \\*", true, "20261201 and \\*"},
                        {"EVM report *", true, "EVM report *"},
                        {"Report", true, "Report"}};
  for (const Case& c : cases) {
    PlanWorkbook book;
    book.Caption("T", c.caption);
    PlanSession s(book.Take(), kNow);
    EXPECT_EQ(platform::WideToUtf8(ReportTitle(Dictionary(CurrentPlan().workbook), "T", c.dated)), c.title) << c.caption;
    EXPECT_EQ(s.Close(), 0);
  }
}

TEST(ReportSheet, FinishingFitsTheColumnsThenTitlesNarrowsActivatesFormatsAndZooms) {
  PlanSession s(PlanWorkbook().Take(), kNow);
  const BoundPlan plan = CurrentPlan();
  {
    const AutomationObject sheet = OpenWorkloadSheet(plan.workbook, 1);
    PutCellText(sheet.Get(), 2, 2, "A heading wider than a column");
    PutCellText(sheet.Get(), 3, 3, "12.5");
    CallMethod(plan.workbook, KV_W(".Sheets(%s).Activate"), "WBS");
    FinishReportSheet(plan.workbook, sheet.Get(), KV_W("A title longer than every column of the table"),
                      std::string("C3:C3"));
  }
  const Worksheet& report = *ReportSheet(s, "Workload1");
  const double fitted = report.ColumnWidth(2);
  EXPECT_GT(fitted, 100.0);  // the heading, not the title written after the fit
  EXPECT_LT(fitted, 200.0);
  EXPECT_EQ(report.ColumnWidth(1), 9.0);  // one character
  EXPECT_EQ(TextAt(report, "B1"), "A title longer than every column of the table");
  EXPECT_EQ(report.Style(3, 3).numberFormat, "0.00_ ");
  EXPECT_EQ(s.Host().Model().App().activeSheet, "Workload1");
  EXPECT_EQ(s.Host().Model().App().zoom, 85.0);
  EXPECT_EQ(s.Close(), 0);
}

// The date cells hold times of day; the latest date of a column is taken on each
// task's calendar day.
TEST(ReportDates, TimesOfDayAreTakenOnTheTasksCalendarDay) {
  PlanWorkbook book;
  book.Day(kDay1, Clock(8, 0), Clock(18, 0)).Day(kDay1 + 1, Clock(20, 0), Clock(4, 0)).Resource("R1", "Anna");
  book.Task({.level = 1, .name = "Day 1"});
  book.Task({.level = 2, .name = "Early", .resource = "Anna", .plannedStart = Clock(8, 0), .plannedEnd = Clock(17, 0)});
  book.Task({.level = 1, .name = "Night"});
  const int late = book.Task({.level = 2, .name = "Late", .resource = "Anna", .plannedStart = Clock(21, 0),
                              .plannedEnd = Clock(2, 30), .actualStart = Clock(22, 0)});
  PlanSession s(book.Take(), kNow);
  kvUpdateWBS();
  ASSERT_TRUE(s.boxes.empty()) << s.boxes.front().text;
  const BoundPlan plan = CurrentPlan();
  const double start = plan.wbsSettings.timelineStart;
  EXPECT_EQ(start, kDay1 + Clock(8, 0));
  // 02:30 of the night that began on day 2 is on the next date.
  EXPECT_DOUBLE_EQ(LatestColumnDate(plan, 0), kDay1 + 2 + Clock(2, 30));
  EXPECT_DOUBLE_EQ(LatestColumnDate(plan, plan.wbsSettings.actualStartDateColNo), kDay1 + 1 + Clock(22, 0));
  EXPECT_EQ(LatestColumnDate(plan, plan.wbsSettings.actualEndDateColNo), start);
  // A value that holds a date already stays as it is.
  EXPECT_EQ(CellDateOfRow(plan, late, kDay1 + 9.5), kDay1 + 9.5);
  EXPECT_EQ(CellDateOfRow(plan, late, 0.0), 0.0);
  // A time of day on a row without a task is no date.
  EXPECT_EQ(CellDateOfRow(plan, late + 5, 0.5), 0.0);
  s.Wbs().SetValue(late, 17, CellValue::Number(kDay1 + 9.5));
  EXPECT_EQ(LatestColumnDate(plan, 0), kDay1 + 9.5);
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
