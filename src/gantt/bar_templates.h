#pragma once
// Which template a task's bar copies its look from, and the symbol a task type
// stands for.

#include "automation/automation_object.h"
#include "plan/bound_plan.h"
#include "platform/com.h"

#include <string>

namespace korvat {

// The completed template's name for a complete task; "GanntBarByRes" + the
// resource's code for a leaf task whose resource is listed; the bar prefix for
// other leaf tasks; the bar prefix + level for a summary task.
std::string BarTemplateNameFor(const BoundPlan& plan, TaskRecord& task);

// The template shape of that name: per-resource templates live on the
// resources sheet, the others on the settings sheet. A name that finds no shape
// falls back to the plain bar template, so every task keeps a visible bar.
AutomationObject BarTemplateFor(const BoundPlan& plan, TaskRecord& task);

// The second column of the first row of the settings range "TaskType" whose
// first column equals the task type; empty when no row matches.
WideText TaskTypeSymbol(IDispatch* settingsSheet, WideView taskType);

}  // namespace korvat
