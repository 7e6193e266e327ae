#pragma once
// Reading the CS* settings of the settings sheet, and the check every drawing
// of the timeline makes on the calendar unit before dividing by it.

namespace korvat {

struct CalendarSettings;

// Refills the calendar settings of the add-in state from the settings sheet.
void LoadCalendarSettings();
void LoadCalendarSettings(CalendarSettings& settings);

// True when "CSCalendarUnit" is a usable number of minutes (above 0). Otherwise
// shows the user why nothing can be drawn and returns false.
bool CalendarUnitUsable();

}  // namespace korvat
