#include "calendar/calendar_settings_loader.h"

#include "plan/setting_cell.h"

namespace korvat {

void LoadCalendarSettings(IDispatch* settingsSheet, CalendarSettings& s) {
  auto text = [&](const char* name) { return ReadSettingText(settingsSheet, name); };
  auto integer = [&](const char* name) { return ReadSettingInteger(settingsSheet, name); };
  s.CSFirstdayCol = text("CSFirstdayCol");
  s.CSLastdayCol = text("CSLastdayCol");
  s.CSHolidayCol = text("CSHolidayCol");
  s.CSWorkdayCol = text("CSWorkdayCol");
  s.CSMonth1stdayCol = text("CSMonth1stdayCol");
  s.CSHolidayCancelCol = text("CSHolidayCancelCol");
  s.CSBodyRange = text("CSBodyRange");
  s.CSWeekdayRow = integer("CSWeekdayRow");
  s.CSLastTaskRow = integer("CSLastTaskRow");
  s.CSCalendarUnit = integer("CSCalendarUnit");
  s.CSUseCalendarDlg = integer("CSUseCalendarDlg");
  s.CSCalendarDlgDispFlg = integer("CSCalendarDlgDispFlg");
  s.templateTopRow = s.CSWeekdayRow - 2;
  s.templateMiddleRow = s.CSWeekdayRow - 1;
  s.templateBodyRow = s.CSWeekdayRow + 1;
}

}  // namespace korvat
