#include "gantt/gantt_chart.h"

#include "automation/host_object.h"
#include "frame/addin_state.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "gantt/connectors.h"
#include "gantt/shape_naming.h"
#include "gantt/task_bars.h"
#include "gantt/template_loader.h"
#include "wbs/task_scheduling.h"
#include "wbs/task_table.h"

#include <string>
#include <vector>

namespace korvat {
namespace {

bool RecordsExist() {
  const AddinState& s = State();
  return s.ganttTemplates && s.calendarSettings && s.wbsSettings && s.taskTable;
}

// The row-level redraws run on every edit: without a bar template they stay
// quiet (the full draw tells the user once).
bool CanRedrawRows() { return RecordsExist() && !BarPrefix().empty(); }

void RewriteRow(TaskRecord& task) {
  DeleteTaskShapes(task.row);
  FinishTaskRow(*State().taskTable, task);
  DrawTaskBars(task);
}

}  // namespace

void DrawGanttChart() {
  if (!RecordsExist() || !BarTemplateUsable()) return;
  TaskTable& table = *State().taskTable;
  DeleteShapesByPrefix(BarPrefix());
  for (TaskRecord* task = FirstTask(table); task; task = NextTask(table, *task)) DrawTaskBars(*task);
  DrawAllConnectors();
}

bool DeleteTaskShapes(std::int64_t row) {
  if (!RecordsExist()) return false;
  const std::string prefix = BarPrefix();
  if (prefix.empty()) return false;
  const WideText stem = platform::AnsiToWide(prefix + FormatInteger(row));
  bool deleted = false;
  for (std::uint32_t code = 65; code <= 0xFFFF; ++code) {
    WideText name = stem;
    name.push_back(static_cast<OLECHAR>(code));
    if (!WbsShapeExists(name)) break;
    AutomationObject shape = ShapeByName(State().wbsSheet.Get(), platform::WideToAnsi(name));
    DeleteObject(shape.Get());
    deleted = true;
  }
  return deleted;
}

void RedrawTaskBranch(TaskRecord& task, bool withConnectors) {
  if (!CanRedrawRows()) return;
  const TaskTable& table = *State().taskTable;
  const std::string& separator = State().wbsSettings->wbsNoFormat;
  const std::vector<std::string> parts = SplitText(task.wbsNumber, separator);
  const std::int64_t level = task.level;
  std::string number;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    number = i == 0 ? parts[0] : number + separator + parts[i];
    TaskRecord* found = FindTaskByNumber(table, number);
    if (!found) continue;
    RewriteRow(*found);
    if (found->level == level) break;
  }
  if (withConnectors) DrawAllConnectors();
}

void RedrawFromRow(std::int64_t row) {
  if (!CanRedrawRows()) return;
  const TaskTable& table = *State().taskTable;
  if (TaskRecord* task = TaskAtRow(table, row)) RedrawTaskBranch(*task, false);
  for (std::int64_t r = row + 1;; ++r) {
    const bool hadShapes = DeleteTaskShapes(r);
    TaskRecord* task = TaskAtRow(table, r);
    if (task) {
      FinishTaskRow(*State().taskTable, *task);
      DrawTaskBars(*task);
    }
    if (!task && !hadShapes) break;
  }
  DrawAllConnectors();
}

}  // namespace korvat
