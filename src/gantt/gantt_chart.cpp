#include "gantt/gantt_chart.h"

#include "automation/call_phase.h"
#include "automation/export_memo.h"
#include "automation/host_object.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "gantt/connectors.h"
#include "gantt/row_finishing.h"
#include "gantt/shape_naming.h"
#include "gantt/task_bars.h"
#include "gantt/template_loader.h"
#include "wbs/task_lookup.h"

#include <string>
#include <vector>

namespace korvat {
namespace {

// The row-level redraws run on every edit: without a bar template they stay
// quiet (the full draw tells the user once).
bool CanRedrawRows(const BoundPlan& plan) { return !BarPrefix(plan.ganttTemplates).empty(); }

void RewriteRow(BoundPlan& plan, TaskRecord& task) {
  DeleteTaskShapes(plan, task.row);
  FinishTaskRow(plan, task);
  DrawTaskBars(plan, task);
}

}  // namespace

void DrawGanttChart(BoundPlan& plan) {
  if (!BarTemplateUsable(plan.ganttTemplates)) return;
  DeleteShapesByPrefix(plan.wbsSheet, BarPrefix(plan.ganttTemplates));
  const TaskTable& table = plan.taskTable;
  for (TaskRecord* task = FirstTask(table); task; task = NextTask(table, *task)) DrawTaskBars(plan, *task);
  DrawAllConnectors(plan);
}

bool DeleteTaskShapes(const BoundPlan& plan, std::int64_t row) {
  const CallPhase phase("deletion");
  const std::string prefix = BarPrefix(plan.ganttTemplates);
  if (prefix.empty()) return false;
  ForgetGivenLetters(prefix + FormatInteger(row));
  bool deleted = false;
  WalkRowShapes(plan.wbsSheet, prefix, row, [&](IDispatch* shape) {
    DeleteObject(shape);
    deleted = true;
  });
  return deleted;
}

void RedrawTaskBranch(BoundPlan& plan, TaskRecord& task, bool withConnectors) {
  if (!CanRedrawRows(plan)) return;
  const TaskTable& table = plan.taskTable;
  const std::string& separator = plan.wbsSettings.wbsNoFormat;
  const std::vector<std::string> parts = SplitText(task.wbsNumber, separator);
  const std::int64_t level = task.level;
  std::string number;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    number = i == 0 ? parts[0] : number + separator + parts[i];
    TaskRecord* found = FindTaskByNumber(table, number);
    if (!found) continue;
    RewriteRow(plan, *found);
    if (found->level == level) break;
  }
  if (withConnectors) DrawAllConnectors(plan);
}

void RedrawFromRow(BoundPlan& plan, std::int64_t row) {
  if (!CanRedrawRows(plan)) return;
  const TaskTable& table = plan.taskTable;
  if (TaskRecord* task = TaskAtRow(table, row)) RedrawTaskBranch(plan, *task, false);
  for (std::int64_t r = row + 1;; ++r) {
    const bool hadShapes = DeleteTaskShapes(plan, r);
    TaskRecord* task = TaskAtRow(table, r);
    if (task) {
      FinishTaskRow(plan, *task);
      DrawTaskBars(plan, *task);
    }
    if (!task && !hadShapes) break;
  }
  DrawAllConnectors(plan);
}

}  // namespace korvat
