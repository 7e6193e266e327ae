#include "gantt/task_bars.h"

#include "automation/call_phase.h"
#include "automation/host_object.h"
#include "base/number_text.h"
#include "gantt/bar_geometry.h"
#include "gantt/bar_templates.h"
#include "gantt/connectors.h"
#include "gantt/shape_naming.h"
#include "gantt/shape_primitives.h"
#include "gantt/template_loader.h"
#include "wbs/task_status.h"
#include "wbs/task_reading.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace korvat {
namespace {

constexpr std::size_t kMaxLabelLength = 99;
constexpr std::size_t kMaxPercentLabelLength = 9;

bool StartedOffPlan(const TaskRecord& task) { return task.actualStart != 0 && task.actualStart != task.plannedStart; }

DrawnShape BarOver(const BoundPlan& plan, TaskRecord& task, const BarRect& r, IDispatch* templateShape) {
  return AddTemplateShape(plan, task, r.left, r.top, r.width, r.height, templateShape);
}

// Joins the planned and the actual symbol of a task-type row; the link goes
// with the task's bars (it is named with the bar prefix).
void DrawMilestoneLink(const BoundPlan& plan, TaskRecord& task) {
  const std::string stem = BarPrefix(plan.ganttTemplates) + FormatInteger(task.row);
  ConnectorJob job;
  job.fromShape = ShapeByName(plan.wbsSheet, stem + "A");
  job.toShape = ShapeByName(plan.wbsSheet, stem + "B");
  job.useTemplateColour = 0;
  job.adjustElbow = 0;
  if (task.actualStart >= task.plannedStart)
    AddTaskConnector(plan, job, 4, 2);
  else
    AddTaskConnector(plan, job, 2, 4);
  if (!job.connector) return;
  PutHeight(job.connector.Get(), 0);
  NameShapeForTask(plan, job.connector.Get(), task, "");
}

// Draws the task-type symbols; returns the right edges of the planned and the
// actual one.
std::pair<double, double> DrawTaskTypeSymbols(const BoundPlan& plan, TaskRecord& task) {
  const BarRect& planBar = task.plannedBar;
  const BarRect& actual = task.actualBar;
  double planRight = 0.0;
  double actualRight = 0.0;
  if (!IsStarted(task)) {
    planRight = AddTextLabel(plan, task, task.taskType.View(), planBar.left, planBar.top).right;
    return {planRight, actualRight};
  }
  if (StartedOffPlan(task)) planRight = AddTextLabel(plan, task, task.taskType.View(), planBar.left, planBar.top).right;
  const WideText symbol = TaskTypeSymbol(plan.settingsSheet, task.taskType.View());
  actualRight = AddTextLabel(plan, task, symbol, actual.left, actual.top - 0.1).right;
  // The start difference is in days and divided by the unit in minutes: only
  // far-off actual starts get a link.
  const double unit = static_cast<double>(plan.calendarSettings.CSCalendarUnit);
  if (StartedOffPlan(task) && unit > 0 && std::fabs(task.actualStart - task.plannedStart) / unit > 1.0)
    DrawMilestoneLink(plan, task);
  return {planRight, actualRight};
}

// The progress fill (and, for an off-plan start, the bar from the actual start)
// with its percent label; returns the label's right edge.
double DrawProgress(const BoundPlan& plan, TaskRecord& task) {
  const GanttTemplates& templates = plan.ganttTemplates;
  if (ParseLeadingInteger(task.percentText) == 0) task.percentText = "20";
  const double percent = static_cast<double>(ParseLeadingInteger(task.percentText));
  const BarRect& planBar = task.plannedBar;
  DrawnShape fill = BarOver(plan, task, planBar, templates.completedBarTemplate.Get());
  if (fill.shape) PutWidth(fill.shape.Get(), percent * planBar.width * 0.01);

  const double x0 = task.actualBar.left;
  const double w = planBar.width * percent * 0.01;
  double right = x0 + w;
  if (StartedOffPlan(task))
    right = AddTemplateShape(plan, task, x0, planBar.top, w, planBar.height, templates.progressBarTemplate.Get()).right;
  std::string label = task.percentText + "%";
  if (label.size() > kMaxPercentLabelLength) label.resize(kMaxPercentLabelLength);
  return AddTextLabel(plan, task, platform::AnsiToWide(label), 2.0 + right, planBar.top).right;
}

std::pair<double, double> DrawBar(const BoundPlan& plan, TaskRecord& task) {
  const GanttTemplates& templates = plan.ganttTemplates;
  AutomationObject templateShape = BarTemplateFor(plan, task);
  const double planRight = BarOver(plan, task, task.plannedBar, templateShape.Get()).right;
  double actualRight = 0.0;
  if (OutlineStyle(templates) >= 1 && task.isLeaf == 0) return {planRight, actualRight};
  if (IsComplete(task)) {
    if (!OnPlan(task)) actualRight = BarOver(plan, task, task.actualBar, templates.progressBarTemplate.Get()).right;
  } else if (IsStarted(task)) {
    actualRight = DrawProgress(plan, task);
  }
  return {planRight, actualRight};
}

}  // namespace

WideText BarLabelText(const TaskRecord& task) {
  WideText text = platform::AnsiToWide(task.wbsNumber);
  text += task.name.View();
  if (text.size() > kMaxLabelLength) text.resize(kMaxLabelLength);
  if (!task.resource.IsEmpty()) {
    text += KV_W(" (");
    text += task.resource.View();
    text += KV_W(")");
    if (text.size() > kMaxLabelLength) text.resize(kMaxLabelLength);
  }
  return text;
}

void DrawTaskBars(BoundPlan& plan, TaskRecord& task) {
  const CallPhase phase("bars");
  RefreshTask(plan, task);
  ComputeBarGeometry(plan, task);
  if (task.plannedStart == 0) return;
  const auto [planRight, actualRight] = HasTaskType(task) ? DrawTaskTypeSymbols(plan, task) : DrawBar(plan, task);
  const double x = 5.0 + std::max({planRight, actualRight, 0.0});
  AddTextLabel(plan, task, BarLabelText(task), x, task.plannedBar.top);
}

}  // namespace korvat
