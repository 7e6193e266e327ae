#include "calendar/timeline_check.h"

#include "base/calendar_date.h"
#include "base/column_letters.h"
#include "base/number_text.h"
#include "calendar/calendar_days.h"

#include <string>

namespace korvat {
namespace {

constexpr const char* kNothingDrawn = " Nothing was drawn.";

bool IsColumnLetters(const std::string& text) {
  if (text.empty() || text.size() > 3) return false;
  for (char c : text)
    if (c < 'A' || c > 'Z') return false;
  return ColumnNumber(text) <= kSheetColumns;
}

bool Refuse(const BoundPlan& plan, std::string_view cause, const std::string& text) {
  plan.notices.Tell(cause, text + kNothingDrawn);
  return false;
}

// The first day whose date comes before the day above it, or null.
const CalendarDay* DayOutOfOrder(const CalendarDays& days, std::int64_t* ordinal) {
  for (std::int64_t n = 2; n <= days.Count(); ++n)
    if (days.ItemAt(n)->date < days.ItemAt(n - 1)->date) {
      *ordinal = n;
      return days.ItemAt(n);
    }
  return nullptr;
}

}  // namespace

bool TimelineDrawable(const BoundPlan& plan) {
  const WbsSettings& w = plan.wbsSettings;
  if (plan.settingsSheet == nullptr)
    return Refuse(plan, kMissingSheetCause,
                  "This workbook has no worksheet with the code name wsSettings (the settings), so the timeline's "
                  "settings are unknown.");
  const std::int64_t unit = plan.calendarSettings.CSCalendarUnit;
  if (unit <= 0)
    return Refuse(plan, "calendar unit",
                  "The calendar unit \"CSCalendarUnit\" on the settings sheet must be a whole number of minutes "
                  "greater than 0.");
  if (!IsColumnLetters(w.calendarFirstCol))
    return Refuse(plan, "timeline column",
                  "The setting \"WSCalendarFirstCol\" holds \"" + w.calendarFirstCol +
                      "\": it must name the timeline's first column in capital letters, for example \"Y\".");
  if (w.firstTimelineColumn <= w.lastColNo)
    return Refuse(plan, "timeline column",
                  "The timeline's first column \"WSCalendarFirstCol\" (" + w.calendarFirstCol +
                      ") must lie right of the task table's last column \"WSLastCol\" (" + w.lastCol + ").");
  if (w.headerTopRow < 1 || w.headerBottomRow >= w.firstTaskRow)
    return Refuse(plan, "header rows",
                  "The calendar header's date row \"WSCalendarDateRow\" (" + FormatInteger(w.calendarDateRow) +
                      ") must leave a row above it and one below it above the first task row \"WSFirstTaskRow\" (" +
                      FormatInteger(w.firstTaskRow) + ").");
  const CalendarDays& days = plan.calendarDays;
  if (days.Count() == 0)
    return Refuse(plan, "no calendar day",
                  "The workbook has no calendar day: the sheet with the code name wsCalendar lists none from row 3 "
                  "down, or there is no such sheet.");
  std::int64_t ordinal = 0;
  if (const CalendarDay* day = DayOutOfOrder(days, &ordinal))
    return Refuse(plan, "calendar order",
                  "Day " + FormatInteger(ordinal) + " of the calendar sheet (" + FormatDateKey(day->date) +
                      ") comes before the day above it: the days must follow one another.");
  if (w.timelineEnd <= w.timelineStart)
    return Refuse(plan, "calendar order",
                  "The calendar's last working window ends before its first begins: the timeline would run "
                  "backwards.");
  if (w.lastTimelineColumn > kSheetColumns)
    return Refuse(plan, "timeline length",
                  "The timeline from " + FormatDateKey(w.timelineStart) + " to " + FormatDateKey(w.timelineEnd) +
                      " needs " + FormatInteger(w.lastTimelineColumn - w.firstTimelineColumn + 1) + " columns of " +
                      FormatInteger(unit) + " minutes from column " + w.calendarFirstCol +
                      ", more than the sheet has. Choose a larger calendar unit or fewer days.");
  return true;
}

}  // namespace korvat
