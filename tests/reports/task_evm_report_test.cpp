// The earned-value report by task, through kvEVMByTask.

#include "reports/task_evm_report.h"

#include "base/calendar_date.h"
#include "base/clock.h"
#include "korvat/korvat.h"
#include "report_fixture.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

constexpr double kToday = kDay1 + 1;      // 2026-12-02
constexpr double kNoon = kToday + 0.5;    // 12:00
constexpr const char* kSheet = "EVM0_20261202";

// Yesterday's task is done, today's is half done at noon, tomorrow's is not due.
PlanWorkbook ThreeDays() {
  PlanWorkbook book;
  book.ReportCaptions();
  book.Day(kDay1, Clock(8, 0), Clock(18, 0)).Day(kToday, Clock(8, 0), Clock(18, 0)).Day(kToday + 1, Clock(8, 0), Clock(18, 0));
  book.Resource("R1", "Anna");
  book.Task({.level = 1, .name = "Yesterday"});
  book.Task({.level = 2, .name = "Prepare", .resource = "Anna", .pv = "120", .plannedStart = Clock(8, 0),
             .plannedEnd = Clock(10, 0), .actualStart = Clock(8, 0), .actualEnd = Clock(10, 0), .percent = "100"});
  book.Task({.level = 1, .name = "Today"});
  book.Task({.level = 2, .name = "Build", .resource = "Anna", .pv = "480", .plannedStart = Clock(8, 0),
             .plannedEnd = Clock(16, 0), .actualStart = Clock(8, 0), .percent = "50", .ac = "300"});
  book.Task({.level = 1, .name = "Tomorrow"});
  book.Task({.level = 2, .name = "Finish", .resource = "Anna", .pv = "60", .plannedStart = Clock(8, 0),
             .plannedEnd = Clock(9, 0)});
  return book;
}

// The report row whose column B ends with the name; 0 when none does.
int RowOf(const Worksheet& sheet, const std::string& name) {
  for (int row = 3; row <= sheet.LastUsedRow(); ++row) {
    const std::string text = TextAt(sheet, "B" + std::to_string(row));
    if (text.size() >= name.size() && text.compare(text.size() - name.size(), name.size(), name) == 0) return row;
  }
  return 0;
}

std::string A(const char* column, int row) { return column + std::to_string(row); }

TEST(TaskEvmReport, HalfDoneAtNoonGivesTheFiguresTheirFormulasAndTheRedWarnings) {
  PlanSession s(ThreeDays().Take(), kNoon);
  kvUpdateWBS();
  EXPECT_EQ(kvEVMByTask(), 0);
  EXPECT_TRUE(s.boxes.empty());
  const Worksheet* report = ReportSheet(s, kSheet);
  ASSERT_TRUE(report);
  const int r = RowOf(*report, "Build");
  ASSERT_GT(r, 0);
  struct Figure {
    const char* column;
    double value;
    bool red;
  };
  const Figure figures[] = {{"C", 480, false}, {"D", 240, false}, {"E", 240, false}, {"F", 300, false},
                            {"G", 0, false},   {"H", -60, true},  {"I", 1, false},   {"J", 0.8, true},
                            {"K", 600, false}, {"L", 300, false}};
  for (const Figure& f : figures) {
    EXPECT_DOUBLE_EQ(NumberAt(*report, A(f.column, r)), f.value) << f.column;
    EXPECT_EQ(ShownFontColour(*report, A(f.column, r)) == kRedIndex, f.red) << f.column;
  }
  // The figures are numbers; the variances, indexes and estimates the host's formulas.
  for (const char* column : {"C", "D", "E", "F"}) EXPECT_FALSE(report->HasFormula(r, host::ColumnFromLetters(column)));
  const std::string n = std::to_string(r);
  EXPECT_EQ(report->Formula(r, 7), "=E" + n + "-D" + n);
  EXPECT_EQ(report->Formula(r, 8), "=E" + n + "-F" + n);
  EXPECT_EQ(report->Formula(r, 9), "=IF(ISERROR(E" + n + "/D" + n + "),\"\",E" + n + "/D" + n + ")");
  EXPECT_EQ(report->Formula(r, 10), "=IF(ISERROR(E" + n + "/F" + n + "),\"\",E" + n + "/F" + n + ")");
  EXPECT_EQ(report->Formula(r, 11), "=IF(ISERROR(F" + n + "+(C" + n + "-E" + n + ")/J" + n + "),\"\",F" + n + "+(C" + n +
                                         "-E" + n + ")/J" + n + ")");
  EXPECT_EQ(report->Formula(r, 12), "=IF(ISERROR(K" + n + "-F" + n + "),\"\",K" + n + "-F" + n + ")");
  EXPECT_EQ(TextAt(*report, A("M", r)), "2026/12/02");
  EXPECT_EQ(TextAt(*report, A("N", r)), "2026/12/03");  // one day at cost index 0.8 takes two
  EXPECT_EQ(TextAt(*report, A("B", r)), "    2.1Build");

  // The task done yesterday shows its whole budget as planned value and no projection.
  const int done = RowOf(*report, "Prepare");
  ASSERT_GT(done, 0);
  EXPECT_EQ(NumberAt(*report, A("D", done)), NumberAt(*report, A("C", done)));
  EXPECT_EQ(NumberAt(*report, A("C", done)), 120.0);
  EXPECT_TRUE(At(*report, A("N", done)).IsEmpty());
  // Tomorrow's task has neither planned nor earned value yet.
  EXPECT_EQ(RowOf(*report, "Finish"), 0);
  EXPECT_EQ(s.Close(), 0);
}

TEST(TaskEvmReport, TheSheetIsFramedBandedTitledFormattedAndZoomed) {
  PlanSession s(ThreeDays().Take(), kNoon);
  kvUpdateWBS();
  kvEVMByTask();
  const Worksheet& report = *ReportSheet(s, kSheet);
  const int last = report.LastUsedRow();
  EXPECT_EQ(TextAt(report, "B1"), "EVM report 20261202");
  const char* headings[] = {"Budget", "Planned value", "Earned value", "Actual cost", "Schedule variance",
                            "Cost variance", "SPI", "CPI", "Estimate at completion", "Estimate to complete",
                            "Planned end", "Projected end"};
  for (int c = 3; c <= 14; ++c) {
    EXPECT_EQ(report.Value(2, c), CellValue::Text(headings[c - 3])) << c;
    EXPECT_EQ(report.Style(2, c).interior.colorIndex, 35) << c;
    EXPECT_EQ(report.Style(2, c).horizontalAlignment, -4108) << c;
    EXPECT_EQ(report.Style(2, c).border(host::Edge::Bottom).weight, -4138) << c;
  }
  EXPECT_EQ(report.Style(3, 3).numberFormat, "0.00_ ");
  EXPECT_EQ(report.Style(last, 12).numberFormat, "0.00_ ");
  EXPECT_EQ(report.Style(last, 13).numberFormat, "General");
  EXPECT_EQ(report.Style(last, 2).border(host::Edge::Left).weight, -4138);
  EXPECT_EQ(report.Style(last, 14).border(host::Edge::Bottom).weight, -4138);
  EXPECT_EQ(report.Style(last, 4).border(host::Edge::Left).weight, 2);  // inside the C:F box
  EXPECT_EQ(report.Style(last, 6).border(host::Edge::Right).weight, -4138);
  EXPECT_EQ(report.ColumnWidth(1), 9.0);
  EXPECT_EQ(s.Host().Model().App().zoom, 85.0);
  EXPECT_EQ(s.Host().Model().App().activeSheet, kSheet);
  ASSERT_EQ(report.ConditionalFormats().size(), 4u);
  EXPECT_EQ(report.ConditionalFormats()[0].range, *host::ParseRangeRef("G3:G" + std::to_string(last)));
  EXPECT_EQ(report.ConditionalFormats()[2].formula1, "1.0");
  EXPECT_EQ(s.Close(), 0);
}

TEST(TaskEvmReport, ALevelThreeTaskShowsEightBlanksBeforeItsNumber) {
  PlanWorkbook book;
  book.Day(kToday, Clock(8, 0), Clock(18, 0)).Resource("R1", "Anna");
  book.Task({.level = 1, .name = "Walls"});
  book.Task({.level = 2, .name = "East"});
  book.Task({.level = 3, .name = "Bricks", .resource = "Anna", .pv = "60", .plannedStart = Clock(8, 0),
             .plannedEnd = Clock(9, 0)});
  PlanSession s(book.Take(), kNoon);
  kvUpdateWBS();
  kvEVMByTask();
  const Worksheet& report = *ReportSheet(s, kSheet);
  const int r = RowOf(report, "Bricks");
  ASSERT_GT(r, 0);
  EXPECT_EQ(TextAt(report, A("B", r)), "        1.1.1Bricks");
  EXPECT_EQ(s.Close(), 0);
}

TEST(TaskEvmReport, RunTwiceOnADayRewritesOneSheetAndTheNextDayAddsOne) {
  PlanSession s(ThreeDays().Take(), kNoon);
  kvUpdateWBS();
  kvEVMByTask();
  const int sheets = SheetCount(s);
  const std::string first = SavedText(s);
  kvEVMByTask();
  EXPECT_EQ(SheetCount(s), sheets);
  EXPECT_EQ(SavedText(s), first);
  SetFixedNow(kNoon + 1);
  kvEVMByTask();
  EXPECT_EQ(SheetCount(s), sheets + 1);
  EXPECT_TRUE(ReportSheet(s, kSheet));
  EXPECT_TRUE(ReportSheet(s, "EVM0_20261203"));
  EXPECT_EQ(s.Close(), 0);
}

TEST(TaskEvmReport, WithoutDictionaryKeysOrTasksTheReportIsStillWrittenAndNothingIsSaid) {
  {
    PlanWorkbook bare;  // no dictionary sheet at all
    bare.Day(kDay1, Clock(8, 0), Clock(18, 0)).Resource("R1", "Anna");
    bare.Task({.level = 1, .name = "Day"});
    bare.Task({.level = 2, .name = "Build", .resource = "Anna", .pv = "60", .plannedStart = Clock(8, 0),
               .plannedEnd = Clock(9, 0)});
    PlanSession s(bare.Take(), kNoon);
    kvUpdateWBS();
    kvEVMByTask();
    const Worksheet& report = *ReportSheet(s, kSheet);
    EXPECT_TRUE(At(report, "B1").IsEmpty());
    EXPECT_TRUE(At(report, "D2").IsEmpty());
    EXPECT_GT(RowOf(report, "Build"), 0);
    EXPECT_EQ(report.Style(3, 3).numberFormat, "0.00_ ");
    EXPECT_TRUE(s.boxes.empty());
    EXPECT_EQ(s.Close(), 0);
  }
  {
    PlanWorkbook book;
    book.Caption("EVMRPT", "Tasks \\*").Caption("PV", "Planned value");
    book.Day(kDay1, Clock(8, 0), Clock(18, 0));
    PlanSession s(book.Take(), kNoon);
    kvUpdateWBS();
    kvEVMByTask();
    const Worksheet& report = *ReportSheet(s, kSheet);
    EXPECT_EQ(TextAt(report, "B1"), "Tasks 20261202");
    EXPECT_EQ(TextAt(report, "D2"), "Planned value");
    EXPECT_TRUE(At(report, "C2").IsEmpty());
    for (int c = 2; c <= 14; ++c) EXPECT_TRUE(report.Value(3, c).IsEmpty()) << c;  // headings only
    EXPECT_EQ(report.Style(2, 14).border(host::Edge::Right).weight, -4138);
    EXPECT_TRUE(s.boxes.empty());
    EXPECT_EQ(s.Close(), 0);
  }
}

TEST(TaskEvmReport, TheProjectedEndRunsFromTheActualStart) {
  const double start = DateFromYmd(2016, 12, 1);
  struct Case {
    std::int64_t dur;
    double costIndex;
    const char* expected;
  };
  const Case cases[] = {
      {4, 0.5, "2016/12/08"},  // 8 days
      {4, 0.1, "2017/01/09"},  // 40 days, 10 times the duration
      {4, 0.01, "?"},          // 400 days, 100 times
      {4, -0.5, "?"},          // not a positive number of days
      {4, 1.0, ""},            // as planned
      {4, 0.0, ""},            // no cost index: the duration itself
      {4, 1.6, "2016/12/03"},  // 2.5 days round up to 3
      {4, 1.4, "2016/12/03"},  // 2.857 days round up to 3
      {2, 2.0 / 38, "2017/01/07"},  // 38 days, 19 times the duration
      {2, 2.0 / 39.5, "?"},         // 40 days, 20 times
      {0, 0.5, ""},            // no duration
      {0, -3, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProjectedEndText(c.dur, c.costIndex, start), c.expected) << c.dur << " days at " << c.costIndex;
}

}  // namespace
