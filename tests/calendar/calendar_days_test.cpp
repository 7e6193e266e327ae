// The calendar days and the timeline mapping.

#include "calendar/calendar_days.h"
#include "calendar/calendar_settings_loader.h"
#include "calendar/timeline_check.h"
#include "calendar/timeline.h"
#include "frame/addin_state.h"
#include "frame/settings_loading.h"
#include "support/current_plan.h"
#include "support/plan_session.h"
#include "support/plan_workbook.h"

#include <gtest/gtest.h>

namespace {

using namespace korvat;
using namespace korvat::test;

TEST(Calendar, TimelineMappingOfAnHourlyUnit) {
  constexpr double kApr1 = 42461.0;  // 2016-04-01
  PlanWorkbook plan;
  plan.Day(kApr1, Clock(9, 0), Clock(18, 0)).Day(kApr1 + 1, Clock(9, 0), Clock(18, 0));
  PlanSession s(plan.Take(), kApr1);
  BoundPlan p = CurrentPlan();
  LoadAllSettings(p);
  EXPECT_TRUE(TimelineDrawable(p));
  const std::int32_t first = 25;
  EXPECT_EQ(TimelineColumnOf(p, kApr1 + Clock(10, 30)), first + 1);
  EXPECT_EQ(TimelineColumnOf(p, kApr1 - 3), first);
  EXPECT_EQ(TimelineColumnOf(p, kApr1 + 9), State().wbsSettings->lastTimelineColumn);
  const SlotRect slot = TimeSlotRect(p, 6, kApr1 + Clock(10, 30));
  const double left = s.Wbs().ColumnLeft(first + 1), width = s.Wbs().ColumnWidth(first + 1);
  EXPECT_DOUBLE_EQ(slot.left, left + width / 2);
  EXPECT_DOUBLE_EQ(slot.width, width / 60 - 1.5);
  EXPECT_DOUBLE_EQ(slot.top, s.Wbs().RowTop(6));
  EXPECT_DOUBLE_EQ(slot.height, s.Wbs().RowHeight(6));
  EXPECT_EQ(s.Close(), 0);
}

TEST(Calendar, DayListLookups) {
  PlanWorkbook plan;
  plan.Day(kDay1, Clock(8, 0), Clock(17, 0)).Day(kDay1, Clock(9, 0), Clock(10, 0)).Day(kDay1 + 1, 0.25, 0.5);
  PlanSession s(plan.Take(), kDay1);
  BoundPlan p = CurrentPlan();
  LoadCalendarDays(p.workbook, p.calendarDays, p.notices);
  LoadCalendarDays(p.workbook, p.calendarDays, p.notices);
  ASSERT_EQ(CalendarDayCount(p.calendarDays), 3);
  EXPECT_DOUBLE_EQ(FindCalendarDay(p.calendarDays, "2026/12/01")->windowStart, kDay1 + Clock(8, 0));  // the upper row
  EXPECT_EQ(FindCalendarDay(p.calendarDays, "2026/12/03"), nullptr);
  EXPECT_EQ(CalendarDayAt(p.calendarDays, 13), LastCalendarDay(p.calendarDays));
  EXPECT_EQ(CalendarDayAt(p.calendarDays, 0), nullptr);
  EXPECT_EQ(CalendarDayAt(p.calendarDays, 1), FirstCalendarDay(p.calendarDays));
  EXPECT_EQ(s.Close(), 0);
}

}  // namespace
