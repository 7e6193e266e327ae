#pragma once
// The template shapes and the label font of the Gantt chart, refilled at every
// settings load. The handles own their shape references.

#include "automation/automation_object.h"
#include "automation/wide_string.h"

#include <cstdint>

namespace korvat {

struct GanttTemplates {
  AutomationObject completedBarTemplate;  // "GanntBar100%"
  AutomationObject progressBarTemplate;   // "GanntBar%"
  AutomationObject barTemplate;           // "GanntBar": its name is the chart's shape-name prefix
  AutomationObject connectorTemplate;     // "TaskConnector"
  AutomationObject progressLineTemplate;  // "ProgressLines"
  WideString labelFontName;
  float labelFontSize = 0.0f;
  std::int64_t GanntBarStyle = 0;
};

}  // namespace korvat
