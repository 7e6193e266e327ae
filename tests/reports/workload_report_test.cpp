// The workload report, through kvWorkload.

#include "reports/resource_loads.h"

#include "base/calendar_date.h"
#include "korvat/korvat.h"
#include "platform/utf8_text.h"
#include "report_fixture.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

const double kMonday = DateFromYmd(2016, 12, 5);
const double kFriday = DateFromYmd(2016, 12, 9);

PlanWorkbook TwoDays() {
  PlanWorkbook book;
  book.ReportCaptions().LoadColumns();
  book.Day(kMonday, Clock(8, 0), Clock(18, 0)).Day(kFriday, Clock(8, 0), Clock(18, 0));
  book.Resource("R1", "R1").Resource("R2", "R2");
  return book;
}

TaskRow Work(const std::string& resource, const std::string& load, const std::string& days) {
  return {.level = 2, .name = "Work", .resource = resource, .plannedStart = Clock(8, 0), .plannedEnd = Clock(12, 0),
          .load = load, .days = days};
}

std::string A(const char* column, int row) { return column + std::to_string(row); }

TEST(WorkloadReport, ALoadIsSpreadEvenlyOverTheTasksDaysFromItsPlannedStart) {
  PlanWorkbook book = TwoDays();
  book.Task({.level = 1, .name = "Monday"});
  book.Task(Work("R1", "8", "4"));
  book.Task({.level = 1, .name = "Friday"});
  book.Task(Work("R2", " 1 ", "1"));
  PlanSession s(book.Take(), kFriday + 0.5);
  kvUpdateWBS();
  kvWorkload(1, 1);
  EXPECT_TRUE(s.boxes.empty());
  const Worksheet* report = ReportSheet(s, "Workload1");
  ASSERT_TRUE(report);
  const char* days[] = {"2016/12/05", "2016/12/06", "2016/12/07", "2016/12/08", "2016/12/09"};
  const char* columns[] = {"C", "D", "E", "F", "G"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(TextAt(*report, A(columns[i], 2)), days[i]);
  EXPECT_TRUE(At(*report, "H2").IsEmpty());
  EXPECT_EQ(TextAt(*report, "B3"), "R1");
  EXPECT_EQ(TextAt(*report, "B4"), "R2");
  const double r1[] = {2, 2, 2, 2, 0}, r2[] = {0, 0, 0, 0, 1};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(NumberAt(*report, A(columns[i], 3)), r1[i]) << columns[i];
    EXPECT_EQ(NumberAt(*report, A(columns[i], 4)), r2[i]) << columns[i];
    EXPECT_EQ(report->Formula(5, 3 + i), std::string("=SUM(") + columns[i] + "3:" + columns[i] + "4)");
  }
  EXPECT_EQ(NumberAt(*report, "C5"), 2.0);
  EXPECT_EQ(TextAt(*report, "B1"), "Workload report");
  EXPECT_EQ(report->Style(2, 3).interior.colorIndex, 35);
  EXPECT_EQ(report->Style(5, 7).interior.colorIndex, 35);
  EXPECT_EQ(report->Style(3, 2).border(host::Edge::Top).weight, -4138);  // the resource rows' own frame

  // One line per resource, the period keys as its categories, below the table.
  ASSERT_EQ(ChartCount(*report), 1);
  const host::Shape& chart = *report->Shapes().At(0);
  EXPECT_EQ(chart.chart->source, "Workload1!$B$2:$G$4");
  EXPECT_EQ(chart.chart->plotBy, 1);
  ASSERT_EQ(chart.chart->series.size(), 2u);
  EXPECT_EQ(chart.chart->series[1].name, "R2");
  EXPECT_EQ(chart.chart->series[0].categories, "Workload1!$C$2:$G$2");
  EXPECT_EQ(chart.chart->title, "Workload report");
  EXPECT_EQ(chart.left, report->ColumnLeft(2));
  EXPECT_EQ(chart.top, report->RowTop(7));
  EXPECT_EQ(s.Close(), 0);
}

TEST(WorkloadReport, AWeekSumsTheDaysOfTheWeekInFourDecimals) {
  PlanWorkbook book = TwoDays();
  book.Task({.level = 1, .name = "Monday"});
  book.Task(Work("R1", "8", "4"));
  book.Task({.level = 1, .name = "Friday"});
  book.Task(Work("R2", "1", "3"));
  PlanSession s(book.Take(), kFriday + 0.5);
  kvUpdateWBS();
  kvWorkload(2, 99);
  const Worksheet& report = *ReportSheet(s, "Workload2");
  EXPECT_EQ(TextAt(report, "C2"), "2016/12/05");
  EXPECT_TRUE(At(report, "D2").IsEmpty());
  EXPECT_EQ(NumberAt(report, "C3"), 8.0);
  // A third on Friday and one on Saturday: the last period ends a day after the latest
  // planned end (Friday noon); Sunday's third is in no period.
  EXPECT_EQ(NumberAt(report, "C4"), 0.6667);
  EXPECT_EQ(s.Close(), 0);
}

TEST(WorkloadReport, ResourcesAreTheirExactIdsInOrderOfFirstAppearance) {
  PlanWorkbook book = TwoDays();
  book.Resource("A1", "ana").Resource("A2", "Ana");
  book.Task({.level = 1, .name = "Monday", .resource = "R2", .load = "5", .days = "1"});  // a summary row
  book.Task(Work("ana", "2", "1"));
  book.Task(Work("Ana", "3", "1"));
  book.Task(Work("ana", "4", "2"));
  book.Task(Work("R1", "", "1"));     // an id without a load
  book.Task(Work("W2", "6", "1"));    // a crew
  TaskRow idle = Work("R2", "7", "1");
  idle.plannedEnd = idle.plannedStart;  // no planned work
  book.Task(idle);
  PlanSession s(book.Take(), kFriday + 0.5);
  kvUpdateWBS();
  kvWorkload(2, 1);
  const Worksheet& report = *ReportSheet(s, "Workload2");
  EXPECT_EQ(TextAt(report, "B3"), "ana");
  EXPECT_EQ(TextAt(report, "B4"), "Ana");
  EXPECT_TRUE(At(report, "B5").IsEmpty());  // the totals row follows the two resources
  EXPECT_EQ(report.Formula(5, 3), "=SUM(C3:C4)");
  EXPECT_EQ(NumberAt(report, "C3"), 6.0);
  EXPECT_EQ(NumberAt(report, "C4"), 3.0);
  EXPECT_EQ(s.Close(), 0);
}

TEST(WorkloadReport, RunTwiceRewritesTheSheetWithOneChart) {
  PlanWorkbook book = TwoDays();
  book.Task({.level = 1, .name = "Monday"});
  book.Task(Work("R1", "8", "4"));
  PlanSession s(book.Take(), kFriday);
  kvUpdateWBS();
  kvWorkload(1, 2);
  const int sheets = SheetCount(s);
  kvWorkload(1, 2);
  EXPECT_EQ(SheetCount(s), sheets);
  const Worksheet& report = *ReportSheet(s, "Workload1");
  EXPECT_EQ(ChartCount(report), 1);
  EXPECT_EQ(NumberAt(report, "C3"), 4.0);  // Monday and Tuesday of the four days
  EXPECT_EQ(s.Close(), 0);
}

TEST(WorkloadReport, WithoutLoadsTheTableHasItsKeysATotalsRowAndAnEmptyChart) {
  PlanWorkbook book;  // no load block, no dictionary
  book.Day(kMonday, Clock(8, 0), Clock(18, 0)).Resource("R1", "R1");
  book.Task({.level = 1, .name = "Monday"});
  book.Task(Work("R1", "8", "4"));
  PlanSession s(book.Take(), kFriday);
  kvUpdateWBS();
  kvWorkload(3, 1);
  const Worksheet& report = *ReportSheet(s, "Workload3");
  EXPECT_EQ(TextAt(report, "C2"), "2016/12");
  EXPECT_EQ(report.Formula(3, 3), "=SUM(C3:C2)");
  EXPECT_EQ(ChartCount(report), 1);
  EXPECT_TRUE(s.boxes.empty());
  EXPECT_EQ(s.Close(), 0);
}

TEST(ResourceLoads, SpreadingVisitsOnlyTheShownDaysAndListsTheResourceAnyway) {
  ResourceLoads loads;
  const ShownDays shown{kMonday + Clock(8, 0), kFriday + 1};
  SpreadLoad(KV_W("R1"), 8, 4, kMonday + Clock(8, 0), shown, loads);
  SpreadLoad(KV_W("R1"), 10, 1000000000, kMonday - 3, shown, loads);  // far too many days: no hang
  SpreadLoad(KV_W("R2"), 5, 0, kMonday, shown, loads);
  SpreadLoad(KV_W("R3"), 5, -2, kMonday, shown, loads);
  ASSERT_EQ(loads.Count(), 3);
  const ResourceLoad& r1 = *loads.ItemAt(1);
  EXPECT_EQ(platform::WideToUtf8(r1.id.View()), "R1");
  EXPECT_EQ(r1.days.Count(), 6);  // Monday to Saturday
  EXPECT_EQ(r1.days.Find("2016/12/05")->load, 2.0 + 1e-8);
  EXPECT_EQ(r1.days.Find("2016/12/08")->load, 2.0 + 1e-8);
  EXPECT_EQ(r1.days.Find("2016/12/10")->load, 1e-8);
  EXPECT_EQ(r1.days.Find("2016/12/04"), nullptr);
  EXPECT_EQ(loads.ItemAt(2)->days.Count(), 0);
}

}  // namespace
