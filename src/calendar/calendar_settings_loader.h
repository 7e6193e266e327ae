#pragma once
// Reading the CS* settings of the settings sheet. Whether the timeline they
// describe can be drawn is calendar/timeline_check.h.

#include "plan/calendar_settings.h"
#include "platform/com.h"

namespace korvat {

// Refills the calendar settings from the settings sheet.
void LoadCalendarSettings(IDispatch* settingsSheet, CalendarSettings& settings);

}  // namespace korvat
