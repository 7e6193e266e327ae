#pragma once
// Reading the CS* settings of the settings sheet, and the check every drawing
// of the timeline makes on the calendar unit before dividing by it.

#include "plan/calendar_settings.h"
#include "platform/com.h"

namespace korvat {

// Refills the calendar settings from the settings sheet.
void LoadCalendarSettings(IDispatch* settingsSheet, CalendarSettings& settings);

// True when "CSCalendarUnit" is a usable number of minutes (above 0). Otherwise
// shows the user why nothing can be drawn and returns false.
bool CalendarUnitUsable(const CalendarSettings& settings);

}  // namespace korvat
