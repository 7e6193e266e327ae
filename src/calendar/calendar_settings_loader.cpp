#include "calendar/calendar_settings_loader.h"

#include "automation/message_box.h"
#include "calendar/calendar_settings.h"
#include "frame/addin_state.h"
#include "frame/setting_cell.h"

namespace korvat {

void LoadCalendarSettings(CalendarSettings& s) {
  s.CSFirstdayCol = ReadSettingText("CSFirstdayCol");
  s.CSLastdayCol = ReadSettingText("CSLastdayCol");
  s.CSHolidayCol = ReadSettingText("CSHolidayCol");
  s.CSWorkdayCol = ReadSettingText("CSWorkdayCol");
  s.CSMonth1stdayCol = ReadSettingText("CSMonth1stdayCol");
  s.CSHolidayCancelCol = ReadSettingText("CSHolidayCancelCol");
  s.CSBodyRange = ReadSettingText("CSBodyRange");
  s.CSWeekdayRow = ReadSettingInteger("CSWeekdayRow");
  s.CSLastTaskRow = ReadSettingInteger("CSLastTaskRow");
  s.CSCalendarUnit = ReadSettingInteger("CSCalendarUnit");
  s.CSUseCalendarDlg = ReadSettingInteger("CSUseCalendarDlg");
  s.CSCalendarDlgDispFlg = ReadSettingInteger("CSCalendarDlgDispFlg");
  s.templateTopRow = s.CSWeekdayRow - 2;
  s.templateMiddleRow = s.CSWeekdayRow - 1;
  s.templateBodyRow = s.CSWeekdayRow + 1;
}

void LoadCalendarSettings() {
  if (State().calendarSettings) LoadCalendarSettings(*State().calendarSettings);
}

bool CalendarUnitUsable() {
  const CalendarSettings* s = State().calendarSettings.get();
  if (s && s->CSCalendarUnit > 0) return true;
  ShowMessageBox(nullptr,
                 KV_W("The calendar unit \"CSCalendarUnit\" on the settings sheet must be a whole number of ")
                     KV_W("minutes greater than 0. Nothing was drawn."),
                 KV_W("Korvatplan"), 48);
  return false;
}

}  // namespace korvat
