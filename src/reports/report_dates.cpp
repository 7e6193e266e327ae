#include "reports/report_dates.h"

#include "calendar/calendar_days.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"
#include "wbs/wbs_cells.h"

namespace korvat {

double CellDateOfRow(const BoundPlan& plan, std::int64_t row, double value) {
  if (!(value > 0.0 && value < 1.0)) return value;
  const TaskRecord* task = TaskAtRow(plan.taskTable, row);
  const CalendarDay* day = task ? CalendarDayAt(plan.calendarDays, task->dayIndex) : nullptr;
  return day ? TimeOnDay(value, *day) : 0.0;
}

double LatestColumnDate(const BoundPlan& plan, std::int64_t column) {
  const WbsSettings& s = plan.wbsSettings;
  if (column == 0) column = s.plannedEndDateColNo;
  double latest = s.timelineStart;
  for (std::int64_t row = s.firstTaskRow; row <= s.lastTableRow; ++row) {
    const double date = CellDateOfRow(plan, row, WbsCellNumber(plan, row, column));
    if (date > latest) latest = date;
  }
  return latest;
}

}  // namespace korvat
