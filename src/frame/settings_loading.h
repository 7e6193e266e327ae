#pragma once
// Loading the settings of the settings sheet into the add-in state.

namespace korvat {

// Reads every WS* setting, recomputes the derived fields (column numbers, the
// timeline frame, the last table row) and loads the calendar days. Sets
// rescheduleMode to 0; savedFilter is kept.
void LoadWbsSettings();

// Calendar settings, WBS settings, the Gantt templates, then the calendar days,
// in this order.
void LoadAllSettings();

}  // namespace korvat
