// The earned-value report by project, through kvEVMByProject.

#include "base/calendar_date.h"
#include "base/clock.h"
#include "korvat/korvat.h"
#include "report_fixture.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

const double kWeek1 = DateFromYmd(2026, 11, 9);  // a Monday
const double kToday = DateFromYmd(2026, 12, 1);  // Tuesday of the fourth week
constexpr const char* kSheet = "EVM2_20261201";

// One task on each of five Mondays: three done, the fourth half done, the fifth ahead.
PlanWorkbook FiveWeeks() {
  PlanWorkbook book;
  book.ReportCaptions().Resource("R1", "Anna");
  for (int week = 0; week < 5; ++week) book.Day(kWeek1 + 7 * week, Clock(8, 0), Clock(18, 0));
  for (int week = 0; week < 5; ++week) {
    book.Task({.level = 1, .name = "Week " + std::to_string(week + 1)});
    TaskRow work{.level = 2, .name = "Work " + std::to_string(week + 1), .resource = "Anna", .pv = "240",
                 .plannedStart = Clock(8, 0), .plannedEnd = Clock(12, 0)};
    if (week < 3) {
      work.actualStart = Clock(8, 0);
      work.actualEnd = Clock(12, 0);
      work.percent = "100";
    } else if (week == 3) {
      work.actualStart = Clock(8, 0);
      work.percent = "50";
      work.ac = "100";
    }
    book.Task(work);
  }
  return book;
}

std::string A(const char* column, int row) { return column + std::to_string(row); }

TEST(ProjectEvmReport, WeeklyTablesWithRunningSumsAndOnlyPlannedValueAhead) {
  PlanSession s(FiveWeeks().Take(), kToday + 0.5);
  kvUpdateWBS();
  kvEVMByProject(2, 1);
  EXPECT_TRUE(s.boxes.empty());
  const Worksheet* report = ReportSheet(s, kSheet);
  ASSERT_TRUE(report);
  const char* keys[] = {"2026/11/09", "2026/11/16", "2026/11/23", "2026/11/30", "2026/12/07"};
  const double pv[] = {240, 240, 240, 240, 240}, ev[] = {240, 240, 240, 120}, ac[] = {240, 240, 240, 100};
  for (int i = 0; i < 5; ++i) {
    const int row = 3 + i;
    EXPECT_EQ(TextAt(*report, A("B", row)), keys[i]);
    EXPECT_EQ(NumberAt(*report, A("C", row)), pv[i]) << row;
    if (i < 4) {
      EXPECT_EQ(NumberAt(*report, A("D", row)), ev[i]) << row;
      EXPECT_EQ(NumberAt(*report, A("E", row)), ac[i]) << row;
    }
  }
  // The week that begins after today keeps only its planned value, in both tables.
  for (int c = 4; c <= 9; ++c) {
    EXPECT_TRUE(report->Value(7, c).IsEmpty()) << c;
    EXPECT_FALSE(report->HasFormula(7, c)) << c;
    EXPECT_TRUE(report->Value(15, c).IsEmpty()) << c;
  }
  EXPECT_EQ(NumberAt(*report, "C15"), 1200.0);
  // Totals of the first table.
  EXPECT_EQ(report->Formula(8, 3), "=SUM(C3:C7)");
  EXPECT_EQ(NumberAt(*report, "C8"), 1200.0);
  EXPECT_EQ(NumberAt(*report, "D8"), 840.0);
  EXPECT_EQ(NumberAt(*report, "E8"), 820.0);
  // Its indexes are those of the totals, not sums of the periods' indexes.
  EXPECT_EQ(report->Formula(8, 8), "=IF(ISERROR(D8/C8),\"\",D8/C8)");
  EXPECT_DOUBLE_EQ(NumberAt(*report, "H8"), 840.0 / 1200.0);
  EXPECT_DOUBLE_EQ(NumberAt(*report, "I8"), 840.0 / 820.0);
  // The accumulated table from row 10: its first row is the first period, its third the
  // sum of the first three.
  EXPECT_EQ(TextAt(*report, "C10"), "Planned value");
  EXPECT_EQ(TextAt(*report, "B11"), keys[0]);
  for (const char* column : {"C", "D", "E", "F", "G", "H", "I"})
    EXPECT_EQ(At(*report, A(column, 11)), At(*report, A(column, 3))) << column;
  EXPECT_EQ(report->Formula(13, 3), "=C5+C12");
  for (const char* column : {"C", "D", "E"})
    EXPECT_EQ(NumberAt(*report, A(column, 13)),
              NumberAt(*report, A(column, 3)) + NumberAt(*report, A(column, 4)) + NumberAt(*report, A(column, 5)))
        << column;
  EXPECT_EQ(report->Formula(13, 6), "=D13-C13");  // the pasted formulas refer to their own rows
  EXPECT_DOUBLE_EQ(NumberAt(*report, "H14"), 840.0 / 960.0);
  EXPECT_EQ(ShownFontColour(*report, "H14"), kRedIndex);  // the copy keeps the warnings
  EXPECT_EQ(ShownFontColour(*report, "H13"), host::kAutomatic);
  EXPECT_EQ(report->Style(15, 2).border(host::Edge::Bottom).weight, -4138);
  EXPECT_EQ(s.Close(), 0);
}

TEST(ProjectEvmReport, TwoChartsOfTheAccumulatedTableOneBelowTheOther) {
  PlanSession s(FiveWeeks().Take(), kToday + 0.5);
  kvUpdateWBS();
  kvEVMByProject(2, 1);
  const Worksheet& report = *ReportSheet(s, kSheet);
  ASSERT_EQ(report.Shapes().Count(), 2);
  const host::Shape& first = *report.Shapes().At(0);
  const host::Shape& second = *report.Shapes().At(1);
  ASSERT_TRUE(first.chart && second.chart);
  EXPECT_EQ(first.left, report.ColumnLeft(2));
  EXPECT_EQ(first.top, report.RowTop(17));  // two rows below the accumulated table
  EXPECT_EQ(second.left, report.ColumnLeft(2));
  EXPECT_EQ(second.top, first.top + first.height + 10);
  EXPECT_EQ(first.chart->chartType, 65);
  EXPECT_EQ(first.chart->title, "EVM report 20261201");
  ASSERT_EQ(first.chart->series.size(), 3u);
  EXPECT_EQ(first.chart->series[0].name, "Planned value");
  EXPECT_EQ(first.chart->series[2].values, "EVM2_20261201!$E$11:$E$15");
  EXPECT_EQ(first.chart->series[0].categories, "EVM2_20261201!$B$11:$B$15");
  EXPECT_EQ(second.chart->source, "EVM2_20261201!$B$10:$B$15,EVM2_20261201!$H$10:$I$15");
  ASSERT_EQ(second.chart->series.size(), 2u);
  EXPECT_EQ(second.chart->series[0].name, "SPI");
  EXPECT_EQ(second.chart->series[1].values, "EVM2_20261201!$I$11:$I$15");
  EXPECT_EQ(second.chart->Axis(1, 1)->categoryType, 2);
  // A second run on the day rewrites the sheet: still two charts.
  const int sheets = SheetCount(s);
  kvEVMByProject(2, 1);
  EXPECT_EQ(SheetCount(s), sheets);
  EXPECT_EQ(ChartCount(*ReportSheet(s, kSheet)), 2);
  EXPECT_EQ(s.Close(), 0);
}

TEST(ProjectEvmReport, MonthsFromTheTimelineStartToTheLatestDate) {
  PlanWorkbook book;
  book.ReportCaptions().Resource("R1", "Anna");
  book.Day(DateFromYmd(2016, 11, 20), Clock(8, 0), Clock(18, 0)).Day(DateFromYmd(2017, 1, 10), Clock(8, 0), Clock(18, 0));
  book.Task({.level = 1, .name = "Start"});
  book.Task({.level = 2, .name = "Survey", .resource = "Anna", .pv = "60", .plannedStart = Clock(8, 0),
             .plannedEnd = Clock(9, 0)});
  book.Task({.level = 1, .name = "End"});
  book.Task({.level = 2, .name = "Close", .resource = "Anna", .pv = "120", .plannedStart = Clock(8, 0),
             .plannedEnd = Clock(10, 0)});
  PlanSession s(book.Take(), DateFromYmd(2017, 2, 1) + 0.5);
  kvUpdateWBS();
  kvEVMByProject(3, 0);
  const Worksheet& report = *ReportSheet(s, "EVM3_20170201");
  EXPECT_EQ(TextAt(report, "B3"), "2016/11");
  EXPECT_EQ(TextAt(report, "B4"), "2016/12");
  EXPECT_EQ(TextAt(report, "B5"), "2017/01");
  EXPECT_EQ(NumberAt(report, "C3"), 60.0);
  EXPECT_EQ(NumberAt(report, "C4"), 0.0);
  EXPECT_EQ(NumberAt(report, "C5"), 120.0);
  EXPECT_EQ(report.Formula(6, 3), "=SUM(C3:C5)");
  EXPECT_EQ(s.Close(), 0);
}

TEST(ProjectEvmReport, OneDayPeriodsHoldATaskWithATimeOfDayOnlyInTheLastPeriod) {
  PlanWorkbook book;
  book.ReportCaptions().Resource("R1", "Anna");
  for (int day = 0; day < 3; ++day) book.Day(kWeek1 + day, Clock(8, 0), Clock(18, 0));
  for (int day = 0; day < 3; ++day) {
    book.Task({.level = 1, .name = "Day " + std::to_string(day + 1)});
    book.Task({.level = 2, .name = "Work", .resource = "Anna", .pv = std::to_string(60 * (day + 1)),
               .plannedStart = Clock(8, 0), .plannedEnd = Clock(9 + day, 0)});
  }
  PlanSession s(book.Take(), kWeek1 + 5);
  kvUpdateWBS();
  kvEVMByProject(1, 1);
  const Worksheet& report = *ReportSheet(s, "EVM1_20261114");
  EXPECT_EQ(TextAt(report, "B5"), "2026/11/11");
  // A period runs from its key's midnight to that same midnight; the last one to the latest date.
  EXPECT_EQ(NumberAt(report, "C3"), 0.0);
  EXPECT_EQ(NumberAt(report, "C4"), 0.0);
  EXPECT_EQ(NumberAt(report, "C5"), 180.0);
  EXPECT_EQ(s.Close(), 0);
}

TEST(ProjectEvmReport, WithoutTasksOrDictionaryTheSheetIsStillComplete) {
  PlanWorkbook book;
  book.Day(kWeek1, Clock(8, 0), Clock(18, 0));
  PlanSession s(book.Take(), kToday);
  kvUpdateWBS();
  kvEVMByProject(2, 7);
  const Worksheet& report = *ReportSheet(s, kSheet);
  EXPECT_TRUE(At(report, "B3").IsEmpty());  // no counted task: the period row stays empty
  EXPECT_EQ(report.Formula(4, 3), "=SUM(C3:C3)");
  EXPECT_EQ(NumberAt(report, "C4"), 0.0);
  EXPECT_EQ(TextAt(report, "H4"), "");  // no index of nothing planned
  EXPECT_EQ(ChartCount(report), 2);
  EXPECT_TRUE(At(report, "B1").IsEmpty());
  EXPECT_TRUE(s.boxes.empty());
  EXPECT_EQ(s.Close(), 0);
}

struct Choice {
  std::int32_t kind, step;
};
constexpr Choice kUnusable[] = {{0, 1}, {4, 1}, {-1, 1}, {1, 0}, {1, -5}};

TEST(PeriodReports, AnUnusableKindOrStepIsRefusedWithAMessageAndChangesNothing) {
  for (const Choice& c : kUnusable) {
    for (const bool workload : {false, true}) {
      PlanWorkbook book = FiveWeeks();
      book.LoadColumns();
      PlanSession s(book.Take(), kToday);
      kvUpdateWBS();
      const std::string before = SavedText(s);
      s.boxes.clear();
      if (workload)
        kvWorkload(c.kind, c.step);
      else
        kvEVMByProject(c.kind, c.step);
      ASSERT_EQ(s.boxes.size(), 1u) << c.kind << "," << c.step;
      EXPECT_EQ(s.boxes[0].text,
                "The report period must be 1 (days, with a step of at least 1 day), 2 (weeks) or 3 (months). "
                "The report was not written.");
      EXPECT_EQ(s.boxes[0].flags, 48u);
      EXPECT_EQ(SavedText(s), before) << c.kind << "," << c.step << (workload ? " workload" : " project");
      EXPECT_EQ(s.Close(), 0);
    }
  }
}

TEST(PeriodReports, MorePeriodsThanASheetHasColumnsAreRefused) {
  PlanWorkbook book;
  book.Resource("R1", "Anna").Day(DateFromYmd(2000, 1, 3), Clock(8, 0), Clock(18, 0));
  book.Day(DateFromYmd(2099, 12, 28), Clock(8, 0), Clock(18, 0));
  book.Task({.level = 1, .name = "First"});
  book.Task({.level = 2, .name = "Work", .resource = "Anna", .plannedStart = Clock(8, 0), .plannedEnd = Clock(9, 0)});
  book.Task({.level = 1, .name = "Last"});
  book.Task({.level = 2, .name = "Work", .resource = "Anna", .plannedStart = Clock(8, 0), .plannedEnd = Clock(9, 0)});
  PlanSession s(book.Take(), kToday);
  kvUpdateWBS();
  const std::string before = SavedText(s);
  s.boxes.clear();
  kvWorkload(1, 1);
  kvEVMByProject(1, 1);
  ASSERT_EQ(s.boxes.size(), 2u);
  EXPECT_NE(s.boxes[0].text.find("more than 16382 periods"), std::string::npos);
  EXPECT_EQ(SavedText(s), before);
  // Months fit.
  kvEVMByProject(3, 1);
  EXPECT_TRUE(ReportSheet(s, "EVM3_20261201"));
  EXPECT_EQ(s.boxes.size(), 2u);
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace

namespace {

// Before any export has read the settings, the reports work on empty ones: they write
// their sheets and leave nothing behind.
TEST(PeriodReports, BeforeAnyLoadingExportTheReportsWorkOnEmptySettings) {
  PlanSession s(FiveWeeks().Take(), kToday);
  EXPECT_EQ(kvEVMByTask(), 0);
  kvEVMByProject(2, 1);
  kvWorkload(3, 0);
  EXPECT_TRUE(s.boxes.empty());
  for (const char* name : {"EVM0_20261201", "EVM2_20261201", "Workload3"}) EXPECT_TRUE(ReportSheet(s, name)) << name;
  EXPECT_EQ(ChartCount(*ReportSheet(s, "EVM2_20261201")), 2);
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
