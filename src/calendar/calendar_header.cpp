#include "calendar/calendar_header.h"

#include "automation/call_phase.h"
#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "calendar/calendar_days.h"
#include "calendar/timeline.h"
#include "base/calendar_date.h"
#include "base/column_letters.h"
#include "base/minute_math.h"
#include "base/number_text.h"

#include <cstdio>
#include <string>

namespace korvat {
namespace {

std::string Cell(std::string_view letters, std::int64_t row) { return std::string(letters) + FormatInteger(row); }

std::string Span(std::string_view fromLetters, std::int64_t fromRow, std::string_view toLetters,
                 std::int64_t toRow) {
  return Cell(fromLetters, fromRow) + ":" + Cell(toLetters, toRow);
}

// The drawing of one header: the plan and the two sheets it formats between.
struct Header {
  const BoundPlan& plan;
  const WbsSettings& w;
  const CalendarSettings& c;

  AutomationObject SettingsRange(const std::string& address) const { return RangeAt(plan.settingsSheet, address); }
  AutomationObject WbsRange(const std::string& address) const { return RangeAt(plan.wbsSheet, address); }
};

std::string TwoDigits(std::int64_t n) {
  char text[24];
  std::snprintf(text, sizeof text, "%02lld", static_cast<long long>(n));
  return text;
}

void PutHeaderText(IDispatch* header, std::int64_t item, const std::string& text) {
  PutValueText(CellsItem(header, item).Get(), text);
}

bool ColumnHidden(IDispatch* wbsSheet, std::int64_t column) {
  std::int32_t hidden = 0;
  GetValue(KV_W("b"), &hidden, wbsSheet, KV_W(".Columns(%d).EntireColumn.Hidden"), static_cast<std::int32_t>(column));
  return hidden != 0;
}

// A slot shows when it holds part of its day's working window, also when the window
// starts between slot boundaries. The slot that starts at the window's end shows too,
// for the end hour it carries, unless the window ran on into the next date.
bool SlotShows(const CalendarDay* day, double t, std::int64_t unit) {
  if (!day) return false;
  if (AddMinutes(t, static_cast<double>(unit)) <= day->windowStart + kTimeGuard) return false;
  if (t < day->windowEnd - kTimeGuard) return true;
  return t <= day->windowEnd + kTimeGuard && WholeDays(day->windowEnd) == WholeDays(day->windowStart);
}

bool SameTimeOfDay(double a, double b) {
  const TimeParts x = TimePartsOf(a);
  const TimeParts y = TimePartsOf(b);
  return x.hours == y.hours && x.minutes == y.minutes && x.seconds == y.seconds;
}

void ClearTimelineArea(const Header& h) {
  const WbsSettings& w = h.w;
  const std::string from = Cell(ColumnLetters(w.firstTimelineColumn + 1), w.headerTopRow) + ":";
  AutomationObject area = h.WbsRange(from + "XFD10000");
  if (!area) area = h.WbsRange(from + "IV10000");  // a host with 256 columns
  ClearObject(area.Get());
}

void FormatBlock(const Header& h) {
  const WbsSettings& w = h.w;
  const CalendarSettings& c = h.c;
  const std::string& last = w.lastTimelineColumnLetters;
  AutomationObject target = h.WbsRange(Span(w.calendarFirstCol, w.headerTopRow, last, w.lastTableRow));
  CopyCellFormat(h.SettingsRange(Span(c.CSFirstdayCol, c.templateTopRow, c.CSLastdayCol, c.CSLastTaskRow)).Get(),
                 target.Get(), kCopyBorders | kCopyNumberFormat | kCopyInterior);
  PutValueText(target.Get(), "");
}

void FormatHeaderRows(const Header& h) {
  const WbsSettings& w = h.w;
  const CalendarSettings& c = h.c;
  const std::string& first = w.calendarFirstCol;
  const std::string& last = w.lastTimelineColumnLetters;

  AutomationObject top = h.WbsRange(Span(first, w.headerTopRow, last, w.headerTopRow));
  AutomationObject topSource = h.SettingsRange(Span(c.CSFirstdayCol, c.templateTopRow, c.CSLastdayCol, c.templateTopRow));
  CopyBorder(topSource.Get(), top.Get(), 11, 11);
  CopyCellFormat(topSource.Get(), top.Get(), kCopyInterior);

  AutomationObject middle = h.WbsRange(Span(first, w.calendarDateRow, last, w.calendarDateRow));
  AutomationObject middleSource = h.SettingsRange(Cell(c.CSWorkdayCol, c.templateMiddleRow));
  CopyBorder(middleSource.Get(), middle.Get(), 7, 11);
  CopyBorder(middleSource.Get(), middle.Get(), 8, 8);
  CopyCellFormat(middleSource.Get(), middle.Get(), kCopyInterior);

  AutomationObject bottom = h.WbsRange(Span(first, w.headerBottomRow, last, w.headerBottomRow));
  AutomationObject bottomSource = h.SettingsRange(Cell(c.CSWorkdayCol, c.CSWeekdayRow));
  CopyBorder(bottomSource.Get(), bottom.Get(), 7, 11);
  CopyBorder(bottomSource.Get(), bottom.Get(), 8, 8);
  CopyBorder(bottomSource.Get(), bottom.Get(), 9, 9);
  CopyCellFormat(bottomSource.Get(), bottom.Get(), kCopyInterior);
}

void DrawHourLine(const Header& h, const std::string& letters) {
  const WbsSettings& w = h.w;
  const CalendarSettings& c = h.c;
  CopyBorder(h.SettingsRange(Span(c.CSHolidayCol, c.templateMiddleRow, c.CSHolidayCol, c.CSWeekdayRow)).Get(),
             h.WbsRange(Span(letters, w.calendarDateRow, letters, w.headerBottomRow)).Get(), 7, 7);
  CopyBorder(h.SettingsRange(Span(c.CSHolidayCol, c.templateBodyRow, c.CSHolidayCol, c.CSLastTaskRow)).Get(),
             h.WbsRange(Span(letters, w.firstTaskRow, letters, w.lastTableRow)).Get(), 7, 7);
}

void DrawWindowStartLine(const Header& h, const std::string& letters) {
  CopyBorder(h.SettingsRange(Cell(h.c.CSMonth1stdayCol, h.c.templateTopRow)).Get(),
             h.WbsRange(Span(letters, h.w.headerTopRow, letters, h.w.lastTableRow)).Get(), 7, 7);
}

void DrawColumn(const Header& h, std::int64_t k, double t) {
  const WbsSettings& w = h.w;
  const CalendarSettings& c = h.c;
  IDispatch* wbsSheet = h.plan.wbsSheet;
  const std::int64_t column = k + w.firstTimelineColumn;
  const std::string letters = ColumnLetters(column);
  const CalendarDay* day = WorkingDayAt(h.plan.calendarDays, t);
  SetColumnHidden(wbsSheet, column, !SlotShows(day, t, c.CSCalendarUnit));

  AutomationObject header = h.WbsRange(Span(letters, w.headerTopRow, letters, w.headerBottomRow));
  const TimeParts now = TimePartsOf(t);
  PutHeaderText(header.Get(), 3, "'" + TwoDigits(now.minutes));

  const double previous = AddMinutes(t, -static_cast<double>(c.CSCalendarUnit));
  const bool hourChanged = k == 0 || HourOf(previous) != now.hours;
  PutHeaderText(header.Get(), 2, hourChanged ? "'" + TwoDigits(now.hours) : std::string());
  const bool dayChanged = k == 0 || YmdOf(previous).day != YmdOf(t).day;
  const std::string dateText = "'" + FormatDateKey(t);
  PutHeaderText(header.Get(), 1, dayChanged ? dateText : std::string());
  if (hourChanged) DrawHourLine(h, letters);
  if (!day) return;

  const bool previousHidden = ColumnHidden(wbsSheet, column - 1);
  const std::int64_t startHour = HourOf(day->windowStart);
  const bool inStartHour = previousHidden && now.hours == startHour;
  if (SameTimeOfDay(t, day->windowStart) || inStartHour) {
    PutHeaderText(header.Get(), 1, dateText);
    DrawWindowStartLine(h, letters);
  }
  // A window starting between slot boundaries keeps the slot that holds it visible.
  if (inStartHour && now.minutes > TimePartsOf(day->windowStart).minutes) SetColumnHidden(wbsSheet, column - 1, false);
}

}  // namespace

void CopyBorder(IDispatch* source, IDispatch* target, std::int32_t sourceIndex, std::int32_t targetIndex) {
  if (!source || !target) return;
  for (const char* path : {"Borders(%d).Weight", "Borders(%d).LineStyle", "Borders(%d).ColorIndex"})
    PutNumberWith(target, path, targetIndex, GetNumberWith(source, path, sourceIndex));
}

void CopyCellFormat(IDispatch* source, IDispatch* target, int parts) {
  if (!source || !target) return;
  if (parts & kCopyBorders)
    for (std::int32_t n = 7; n <= 12; ++n) CopyBorder(source, target, n, n);
  if (parts & kCopyNumberFormat) CopyText(target, "NumberFormat", source);
  if (parts & kCopyInterior) {
    CopyNumber(target, "Interior.ColorIndex", source);
    CopyNumber(target, "Interior.Pattern", source);
    CopyNumber(target, "Interior.PatternColorIndex", source);
  }
}

void SetColumnHidden(IDispatch* wbsSheet, std::int64_t column, bool hidden) {
  if (column < 1) return;
  PutValue(wbsSheet, KV_W(".Columns(%d).EntireColumn.Hidden=%b"), static_cast<std::int32_t>(column),
           hidden ? -1 : 0);
}

void DrawCalendarHeader(const BoundPlan& plan) {
  const CallPhase phase("header");
  const Header h{plan, plan.wbsSettings, plan.calendarSettings};
  const WbsSettings& w = h.w;
  const CalendarSettings& c = h.c;
  if (c.CSCalendarUnit <= 0) return;
  ClearTimelineArea(h);
  FormatBlock(h);
  FormatHeaderRows(h);
  for (std::int64_t i = 0; i <= w.timelineMinutes; i += c.CSCalendarUnit) {
    const double t = AddMinutes(w.timelineStart, static_cast<double>(i));
    DrawColumn(h, TimelineColumnOf(plan, t) - w.firstTimelineColumn, t);
  }
  CopyBorder(h.SettingsRange(Cell(c.CSLastdayCol, c.templateTopRow)).Get(),
             h.WbsRange(Span(w.lastTimelineColumnLetters, w.headerTopRow, w.lastTimelineColumnLetters, w.lastTableRow))
                 .Get(),
             10, 10);
}

}  // namespace korvat
