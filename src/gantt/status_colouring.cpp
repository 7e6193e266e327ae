#include "gantt/status_colouring.h"

#include "automation/dispatch_call.h"
#include "automation/export_memo.h"
#include "automation/host_object.h"
#include "base/column_letters.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "gantt/shape_format.h"
#include "gantt/template_loader.h"
#include "wbs/task_status.h"

#include <string>

namespace korvat {
namespace {

constexpr double kNoColour = -4142;
constexpr double kGrey = 15;

void DeleteShapeNamed(IDispatch* wbsSheet, const std::string& name) {
  AutomationObject shape = ShapeByName(wbsSheet, name);
  if (shape) DeleteObject(shape.Get());
}

AutomationObject AddShapeLike(IDispatch* wbsSheet, IDispatch* templateShape, double left, double top, double width,
                              double height) {
  return GetObjectResult(wbsSheet, KV_W(".Shapes.AddShape(%e,%e,%e,%e,%e)"), KeptNumber(templateShape, "AutoShapeType"),
                         left, top, width, height);
}

AutomationObject WbsCell(IDispatch* wbsSheet, std::int64_t row, std::int64_t column) {
  return CellAt(wbsSheet, static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
}

void DrawLinkErrorFrame(const BoundPlan& plan, const TaskRecord& task) {
  AutomationObject templateShape = KeptShape(plan.settingsSheet, "WSDependsCheckError");
  if (!templateShape) return;
  AutomationObject anchor = WbsCell(plan.wbsSheet, task.row, plan.wbsSettings.predecessorsColNo);
  AutomationObject frame = AddShapeLike(plan.wbsSheet, templateShape.Get(), GetLeft(anchor.Get()) - 4.0, GetTop(anchor.Get()),
                                        GetWidth(anchor.Get()) + 8.0, GetHeight(anchor.Get()));
  if (!frame) return;
  CopyShapeFormat(templateShape.Get(), frame.Get());
  PutText(frame.Get(), "Name", "TaskDepandS" + FormatInteger(task.row));
  PutNumber(frame.Get(), "Placement", 1);
  PutNumber(frame.Get(), "Fill.Visible", 0);
}

const char* StatusTemplateName(TaskRecord& task) {
  ComputeEarnedValue(task);
  if (IsBehindSchedule(task)) return "WSTaskColorStyleDelay";
  if (InSecondHalf(task)) return "WSTaskColorStyleEnd";
  if (InFirstHalf(task)) return "WSTaskColorStyleStart";
  return nullptr;
}

void DrawStatusMarker(const BoundPlan& plan, TaskRecord& task) {
  const char* name = StatusTemplateName(task);
  if (!name) return;
  AutomationObject templateShape = KeptShape(plan.settingsSheet, name);
  if (!templateShape) return;
  AutomationObject anchor = WbsCell(plan.wbsSheet, task.row, plan.wbsSettings.taskNameColNo);
  const double width = KeptNumber(templateShape.Get(), "Width");
  const double height = KeptNumber(templateShape.Get(), "Height");
  AutomationObject marker =
      AddShapeLike(plan.wbsSheet, templateShape.Get(), GetLeft(anchor.Get()) + (GetWidth(anchor.Get()) - width) / 2,
                   GetTop(anchor.Get()) + (GetHeight(anchor.Get()) - height) / 2, width, height);
  if (!marker) return;
  CopyShapeFormat(templateShape.Get(), marker.Get());
  PutText(marker.Get(), "Name", "TaskStatus" + FormatInteger(task.row));
  PutNumber(marker.Get(), "Placement", 1);
}

}  // namespace

bool RowHasTaskName(const BoundPlan& plan, std::int64_t row) {
  const std::int64_t first = plan.wbsSettings.taskNameColNo;
  if (first < 1 || row < 1) return false;
  for (std::int64_t i = 0; i < 10; ++i)
    if (!Trim(GetValueText(WbsCell(plan.wbsSheet, row, first + i).Get())).empty()) return true;
  return false;
}

void ColourTaskRow(const BoundPlan& plan, TaskRecord& task) {
  if (task.row < 1) return;
  const WbsSettings& w = plan.wbsSettings;
  const std::string r = FormatInteger(task.row);
  AutomationObject rowRange = RangeAt(plan.wbsSheet, w.firstCol + r + ":" + w.lastCol + r);
  CallMethod(rowRange.Get(), KV_W(".FormatConditions.Delete"));
  PutNumber(rowRange.Get(), "Interior.ColorIndex", kNoColour);
  DeleteShapeNamed(plan.wbsSheet, "TaskStatus" + r);
  DeleteShapeNamed(plan.wbsSheet, "TaskDepandS" + r);

  if (w.taskColorCompletedFlg == 1 && RowHasTaskName(plan, task.row) && IsComplete(task)) {
    PutNumber(rowRange.Get(), "Interior.ColorIndex", kGrey);
    return;
  }
  if (task.linkError != 0) DrawLinkErrorFrame(plan, task);
  if (task.isLeaf == 0) {
    AutomationObject levelTemplate =
        KeptShape(plan.settingsSheet, BarPrefix(plan.ganttTemplates) + FormatInteger(task.level));
    if (levelTemplate) PutNumber(rowRange.Get(), "Interior.Color", KeptNumber(levelTemplate.Get(), "Fill.ForeColor.RGB"));
    return;
  }
  if (w.taskColorUseFlg == 1 && !IsComplete(task) && task.plannedStart != 0) DrawStatusMarker(plan, task);
}

}  // namespace korvat
