#pragma once
// Loading the Gantt templates from the settings sheet, and the two name
// prefixes the chart's shapes are found by.

#include "plan/bound_plan.h"

#include <cstdint>
#include <string>

namespace korvat {

// Refills the plan's Gantt templates: the template shapes of the settings
// sheet, the bar style setting and the label font of the first task name cell.
void LoadGanttTemplates(BoundPlan& plan);

// The "Name" of the bar template as the host reports it now: the prefix of
// every bar, fill, label and milestone link. Empty when the template is missing.
std::string BarPrefix(const GanttTemplates& templates);
// The "Name" of the connector template: the prefix of every dependency connector.
std::string ConnectorPrefix(const GanttTemplates& templates);

// True when the bar template exists. An empty prefix would match every shape
// of the WBS sheet, so the chart-wide operations refuse to run without it; this
// shows the user why and returns false.
bool BarTemplateUsable(const GanttTemplates& templates);

// The bar style with only the outline styles 1 to 6 kept: any other value
// draws summary bars like the other bars.
std::int64_t OutlineStyle(const GanttTemplates& templates);

}  // namespace korvat
