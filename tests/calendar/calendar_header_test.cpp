// The calendar header: texts, hidden columns and boundary lines for units of
// 15, 60 and 1440 minutes.

#include "support/gantt_fixture.h"
#include "korvat/korvat.h"

#include "host/model/cell_style.h"

namespace korvat::test {
namespace {

constexpr int kDateRow = 2, kHourRow = 3, kMinuteRow = 4;

class CalendarHeader : public GanttTest {
 protected:
  void Draw(ChartPlan plan, int unit) {
    plan.tasks = {{.level = 1, .name = "Day 1"},
                  {.level = 2, .name = "Work", .resource = "Alice", .pv = "60", .plannedStart = plan.days[0].windowStart,
                   .plannedEnd = plan.days[0].windowStart + HoursMinutes(1, 0)}};
    Open(plan);
    kvDrawCalendar(unit);
  }
  const host::Border& Edge(int row, int column, host::Edge edge) const {
    return Wbs().Style(row, column).border(edge);
  }
};

TEST_F(CalendarHeader, HourlyColumnsShowWorkingHoursOnly) {
  ChartPlan plan;
  plan.days = {PlanDay{.day = 7}, PlanDay{.day = 8}};  // 09:00 to 18:00 each
  Draw(plan, 60);
  const int first = kFirstTimelineColumn;  // 2026/12/07 09:00
  EXPECT_EQ(Text(kDateRow, first), "2026/12/07");
  EXPECT_EQ(Text(kHourRow, first), "09");
  EXPECT_EQ(Text(kMinuteRow, first), "00");
  EXPECT_EQ(Text(kDateRow, first + 1), "");
  EXPECT_EQ(Text(kHourRow, first + 1), "10");
  EXPECT_EQ(Text(kMinuteRow, first + 1), "00");
  for (int c = first; c <= first + 9; ++c) EXPECT_FALSE(ColumnHidden(c)) << c;       // 09:00 to 18:00
  for (int c = first + 10; c <= first + 23; ++c) EXPECT_TRUE(ColumnHidden(c)) << c;  // 19:00 to 08:00
  const int second = first + 24;  // 2026/12/08 09:00
  EXPECT_FALSE(ColumnHidden(second));
  EXPECT_EQ(Text(kDateRow, second), "2026/12/08");
  EXPECT_EQ(Text(kHourRow, second), "09");
  EXPECT_EQ(Text(kDateRow, first + 15), "2026/12/08") << "midnight starts a new date";
  EXPECT_FALSE(ColumnHidden(second + 9));

  // Hour lines down the header and the task rows, the window-start line from the top.
  EXPECT_EQ(Edge(kHourRow, first + 1, host::Edge::Left).lineStyle, 1);
  EXPECT_EQ(Edge(kFirstTaskRow, first + 1, host::Edge::Left).lineStyle, 1);
  EXPECT_EQ(Edge(kDateRow, second, host::Edge::Left).weight, 4);
  EXPECT_EQ(Edge(kFirstTaskRow, second, host::Edge::Left).weight, 4);
  EXPECT_EQ(Edge(kDateRow, second + 9, host::Edge::Right).weight, 4) << "the timeline's right edge";
  EXPECT_EQ(Wbs().Style(kHourRow, first + 3).interior.colorIndex, 36) << "middle header row from its template";
}

TEST_F(CalendarHeader, DailyColumnsShowEveryDate) {
  ChartPlan plan;
  for (int d : {7, 8, 9}) plan.days.push_back(PlanDay{.day = d, .windowStart = 0, .windowEnd = 0});
  plan.days.erase(plan.days.begin());
  Draw(plan, 1440);
  const int first = kFirstTimelineColumn;
  const char* dates[] = {"2026/12/07", "2026/12/08", "2026/12/09"};
  for (int k = 0; k < 3; ++k) {
    EXPECT_FALSE(ColumnHidden(first + k)) << k;
    EXPECT_EQ(Text(kDateRow, first + k), dates[k]);
    EXPECT_EQ(Text(kMinuteRow, first + k), "00");
    EXPECT_EQ(Text(kHourRow, first + k), k == 0 ? "00" : "") << k;
  }
}

TEST_F(CalendarHeader, QuarterHourColumnKeepsAWindowStartBetweenSlotsVisible) {
  ChartPlan plan;
  plan.days = {PlanDay{.day = 7, .windowStart = HoursMinutes(9, 0), .windowEnd = HoursMinutes(10, 0)},
               PlanDay{.day = 8, .windowStart = HoursMinutes(9, 10), .windowEnd = HoursMinutes(10, 0)}};
  Draw(plan, 15);
  const int nine = kFirstTimelineColumn + 96;  // 2026/12/08 09:00: 24 hours of 15-minute slots later
  EXPECT_EQ(Text(kHourRow, nine), "09");
  EXPECT_EQ(Text(kMinuteRow, nine), "00");
  EXPECT_EQ(Text(kMinuteRow, nine + 1), "15");
  EXPECT_FALSE(ColumnHidden(nine)) << "it holds the 09:10 window start";
  EXPECT_TRUE(ColumnHidden(nine - 1));
  EXPECT_FALSE(ColumnHidden(nine + 1));
  EXPECT_EQ(Text(kDateRow, nine), "2026/12/08");
  EXPECT_EQ(Text(kDateRow, nine + 1), "") << "the date stands once, in the day's first shown column";
  EXPECT_FALSE(ColumnHidden(kFirstTimelineColumn + 4)) << "10:00 is the end of the first day's window";
  EXPECT_TRUE(ColumnHidden(kFirstTimelineColumn + 5));
}

TEST_F(CalendarHeader, DrawsTheChartAfterTheHeader) {
  ChartPlan plan;
  Draw(plan, 60);
  EXPECT_TRUE(ShapeNamesStartingWith("GanntBar").empty()) << "no task table has been read yet";
  kvUpdateWBS();
  kvDrawCalendar(30);
  EXPECT_NE(Shape("GanntBar6A"), nullptr);
  EXPECT_DOUBLE_EQ(Shape("GanntBar6A")->left, ColumnLeft(kFirstTimelineColumn));
  EXPECT_EQ(host_->Model().FindWorksheet("Settings")->Value(10 + 30, 2).number, 30.0) << "the unit was stored";
}

// A filter the user had set stays, but the chart is drawn with every row shown: a bar
// drawn over a hidden row would otherwise land on the next shown row.
TEST_F(CalendarHeader, DrawsTheChartOverEveryRowWhenAFilterIsSaved) {
  ChartPlan plan;
  plan.tasks = {{.level = 1, .name = "Day 1"},
                {.level = 2, .name = "Hidden", .resource = "Alice", .pv = "60", .plannedStart = HoursMinutes(9, 0),
                 .plannedEnd = HoursMinutes(10, 0)},
                {.level = 2, .name = "Shown", .resource = "Bob", .pv = "60", .plannedStart = HoursMinutes(9, 0),
                 .plannedEnd = HoursMinutes(10, 0)}};
  Open(plan);
  Wbs().SetRowHidden(6, true);
  kvUpdateWBS();  // takes the hidden row as the saved filter
  kvDrawCalendar(60);
  EXPECT_TRUE(Wbs().Rows().Hidden(6)) << "the filter is back";
  ASSERT_NE(Shape("GanntBar6A"), nullptr);
  ASSERT_NE(Shape("GanntBar7A"), nullptr);
  EXPECT_DOUBLE_EQ(Shape("GanntBar7A")->top - Shape("GanntBar6A")->top, 15.0) << "each bar on its own row";
}

TEST_F(CalendarHeader, UnitBelowOneKeepsTheStoredUnitAndAZeroUnitDrawsNothing) {
  ChartPlan plan;
  plan.calendarUnit = 0;
  Draw(plan, -5);
  EXPECT_EQ(Text(kHourRow, kFirstTimelineColumn), "");
  ASSERT_FALSE(messages_.empty());
  EXPECT_NE(messages_.back().find(u"CSCalendarUnit"), std::u16string::npos);
}

}  // namespace
}  // namespace korvat::test
