#pragma once
// The WS* settings of the settings sheet and the values derived from them and
// from the calendar. Created empty; refilled by every settings load except
// savedFilter, which the filter exports keep between calls.

#include <cstdint>
#include <string>

namespace korvat {

struct WbsSettings {
  std::string wbsSheetName;
  std::int64_t calendarDateRow = 0;
  std::string calendarFirstCol;
  std::string projectStartDateCell;
  std::string projectEndDateCell;
  std::string firstCol;
  std::string lastCol;
  std::string wbsNoCol;
  std::string taskNameCol;
  std::string taskTypeCol;
  std::string resourceCol;
  std::string loadBlockColText;  // optional "WSLoadBlockCol": first column of the load block
  std::string pvByTaskCol;
  std::string acByTaskCol;
  std::string dayCountColText;   // optional "WSDayCountCol": a task's duration in days
  std::string durationColText;   // optional "WSDurationCol": the same, read into durationText
  std::string plannedStartDateCol;
  std::string plannedEndDateCol;
  std::string actualStartDateCol;
  std::string actualEndDateCol;
  std::string percentCompleteCol;
  std::string predecessorsCol;
  std::int64_t firstTaskRow = 0;
  std::int64_t wbsNoBegin = 0;
  std::string wbsNoFormat;

  // Column numbers of the column settings (0 when the setting is empty).
  std::int64_t firstColNo = 0;
  std::int64_t lastColNo = 0;
  std::int64_t firstTimelineColumn = 0;
  std::int64_t wbsNoColNo = 0;
  std::int64_t taskNameColNo = 0;
  std::int64_t taskTypeColNo = 0;
  std::int64_t resourceColNo = 0;
  std::int64_t loadBlockCol = 0;
  std::int64_t pvByTaskColNo = 0;
  std::int64_t acByTaskColNo = 0;
  std::int64_t dayCountCol = 0;     // "WSDayCountCol", else the "WSDurationCol" column
  std::int64_t durationColNo = 0;
  std::int64_t plannedStartDateColNo = 0;
  std::int64_t plannedEndDateColNo = 0;
  std::int64_t actualStartDateColNo = 0;
  std::int64_t actualEndDateColNo = 0;
  std::int64_t percentCompleteColNo = 0;
  std::int64_t predecessorsColNo = 0;

  // Timeline frame.
  std::int64_t lastTimelineColumn = 0;
  std::string lastTimelineColumnLetters;
  std::int64_t headerTopRow = 0;
  std::int64_t headerBottomRow = 0;
  double timelineStart = 0.0;
  double timelineEnd = 0.0;
  std::int64_t timelineMinutes = 0;

  std::int64_t resourceColumnCount = 0;
  std::int64_t lastTableRow = 0;
  std::int64_t rescheduleMode = 0;
  std::int64_t taskColorCompletedFlg = 0;
  std::int64_t taskColorUseFlg = 0;
  std::int64_t filterOptionShowDependence = 0;
  std::int64_t filterOptionShowSummary = 0;
  std::int64_t autoUpdateMode = 0;
  std::int64_t taskLinkerColorFlg = 0;
  std::string savedFilter;
};

}  // namespace korvat
