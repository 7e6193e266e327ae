#include "gantt/progress_line.h"

#include "automation/call_phase.h"
#include "automation/host_object.h"
#include "calendar/timeline.h"
#include "base/calendar_date.h"
#include "base/clock.h"
#include "base/minute_math.h"
#include "base/number_text.h"
#include "gantt/shape_format.h"
#include "gantt/template_loader.h"
#include "wbs/task_status.h"
#include "wbs/task_lookup.h"

namespace korvat {
namespace {

// The shape a leaf task's point sits on: "A" is the plan bar (or the first
// symbol), "B" the actual bar, the progress fill or the actual symbol.
char PointLetter(TaskRecord& task) {
  if (IsComplete(task)) return OnPlan(task) ? 'A' : 'B';
  if (HasTaskType(task)) return StartedOnPlan(task) ? 'A' : 'B';
  return IsStarted(task) ? 'B' : 'A';
}

}  // namespace

ProgressLineFrame PrepareProgressLine(const BoundPlan& plan) {
  ProgressLineFrame frame;
  const double now = Now();
  const SlotRect first = TimeSlotRect(plan, plan.wbsSettings.firstTaskRow, now);
  frame.nowX = static_cast<float>(first.left);
  frame.lineTop = static_cast<float>(first.top);
  const SlotRect last = TimeSlotRect(plan, plan.wbsSettings.lastTableRow, now);
  frame.lineHeight = static_cast<float>((last.top - frame.lineTop) + last.height);
  // Without its template the line still gets the name it would have had.
  IDispatch* lineTemplate = plan.ganttTemplates.progressLineTemplate.Get();
  const std::string base = lineTemplate ? GetName(lineTemplate) : std::string("ProgressLines");
  frame.lineName = base + FormatCompactDate(WholeDays(now));
  AutomationObject old = ShapeByName(plan.wbsSheet, frame.lineName);
  if (old) DeleteObject(old.Get());
  return frame;
}

void AddTaskProgressPoint(const BoundPlan& plan, const ProgressLineFrame& frame, TaskRecord& task, IDispatch* builder) {
  if (task.isLeaf == 0) return;
  const std::string name = BarPrefix(plan.ganttTemplates) + FormatInteger(task.row) + PointLetter(task);
  AutomationObject shape = ShapeByName(plan.wbsSheet, name);
  if (!shape) return;
  const float left = static_cast<float>(GetLeft(shape.Get()));
  float x = left + static_cast<float>(GetWidth(shape.Get()));
  const float y = static_cast<float>(GetTop(shape.Get())) + static_cast<float>(GetHeight(shape.Get())) / 2;
  if (IsComplete(task) && x < frame.nowX) x = -1;
  if (!IsStarted(task)) {
    x = left;
    if (x > frame.nowX) x = -1;
  }
  if (!(y > 0 && x > 0)) return;
  AutomationObject cell = CellAt(plan.wbsSheet, static_cast<std::uint32_t>(task.row), 1);
  const double rowTop = GetTop(cell.Get());
  AddNodes(builder, 0, 0, frame.nowX, rowTop);
  AddNodes(builder, 0, 0, x, y);
  AddNodes(builder, 0, 0, frame.nowX, rowTop + GetHeight(cell.Get()));
}

void DrawProgressLine(const BoundPlan& plan) {
  const CallPhase phase("progress line");
  const ProgressLineFrame frame = PrepareProgressLine(plan);
  AutomationObject builder = BuildFreeform(plan.wbsSheet, 0, frame.nowX, frame.lineTop);
  const TaskTable& table = plan.taskTable;
  for (TaskRecord* task = FirstTask(table); task; task = NextTask(table, *task))
    if (!ParseCrewCode(*task)) AddTaskProgressPoint(plan, frame, *task, builder.Get());
  AddNodes(builder.Get(), 0, 0, frame.nowX, frame.lineTop + frame.lineHeight);
  AutomationObject shape = ConvertToShape(builder.Get());
  PutText(shape.Get(), "Name", frame.lineName);
  if (IDispatch* lineTemplate = plan.ganttTemplates.progressLineTemplate.Get()) CopyShapeFormat(lineTemplate, shape.Get());
  PutNumber(shape.Get(), "Placement", 1);
}

}  // namespace korvat
