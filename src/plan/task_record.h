#pragma once
// One task row of the WBS sheet as the library reads it. Dates are DateSerial
// values, 0 meaning no date.

#include "automation/wide_string.h"

#include <cstdint>
#include <string>

namespace korvat {

struct BarRect {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
};

struct TaskRecord {
  std::string wbsNumber;
  WideString name;
  WideString taskType;
  WideString resource;
  std::string pvText;
  std::string durationText;  // duration in whole days, for the reports
  std::string acText;
  double plannedStart = 0.0;
  double plannedEnd = 0.0;
  double actualStart = 0.0;
  double actualEnd = 0.0;
  std::string percentText;
  std::string predecessorsText;
  std::int64_t row = 0;
  std::int64_t level = 0;
  std::int64_t isLeaf = 0;
  std::int64_t dayIndex = 0;
  std::string crewKind;
  std::int64_t crewCount = 0;

  // Earned value at the present moment.
  double budget = 0.0;
  double actualCost = 0.0;
  double plannedValue = 0.0;
  double earnedValue = 0.0;
  double costVariance = 0.0;
  double scheduleVariance = 0.0;
  double costIndex = 0.0;
  double scheduleIndex = 0.0;
  double estimateAtCompletion = 0.0;
  double estimateToComplete = 0.0;

  // Bar geometry in points.
  BarRect plannedStartCell;
  BarRect plannedEndCell;
  BarRect actualStartCell;
  BarRect actualEndCell;
  BarRect plannedBar;
  BarRect actualBar;

  std::int64_t linkError = 0;
};

}  // namespace korvat
