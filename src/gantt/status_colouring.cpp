#include "gantt/status_colouring.h"

#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "frame/addin_state.h"
#include "base/column_letters.h"
#include "base/number_text.h"
#include "base/text_helpers.h"
#include "gantt/shape_format.h"
#include "gantt/template_loader.h"
#include "wbs/task_record.h"
#include "wbs/task_status.h"

#include <string>

namespace korvat {
namespace {

constexpr double kNoColour = -4142;
constexpr double kGrey = 15;

void DeleteShapeNamed(const std::string& name) {
  AutomationObject shape = ShapeByName(State().wbsSheet.Get(), name);
  if (shape) DeleteObject(shape.Get());
}

AutomationObject AddShapeLike(IDispatch* templateShape, double left, double top, double width, double height) {
  IDispatch* shape = nullptr;
  GetValue(KV_W("o"), &shape, State().wbsSheet.Get(), KV_W(".Shapes.AddShape(%e,%e,%e,%e,%e)"),
           GetNumber(templateShape, "AutoShapeType"), left, top, width, height);
  return AutomationObject(shape);
}

AutomationObject WbsCell(std::int64_t row, std::int64_t column) {
  return CellAt(State().wbsSheet.Get(), static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(column));
}

void DrawLinkErrorFrame(const TaskRecord& task) {
  AutomationObject templateShape = ShapeByName(State().settingsSheet.Get(), "WSDependsCheckError");
  if (!templateShape) return;
  AutomationObject anchor = WbsCell(task.row, State().wbsSettings->predecessorsColNo);
  AutomationObject frame = AddShapeLike(templateShape.Get(), GetLeft(anchor.Get()) - 4.0, GetTop(anchor.Get()),
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

void DrawStatusMarker(TaskRecord& task) {
  const char* name = StatusTemplateName(task);
  if (!name) return;
  AutomationObject templateShape = ShapeByName(State().settingsSheet.Get(), name);
  if (!templateShape) return;
  AutomationObject anchor = WbsCell(task.row, State().wbsSettings->taskNameColNo);
  const double width = GetWidth(templateShape.Get());
  const double height = GetHeight(templateShape.Get());
  AutomationObject marker =
      AddShapeLike(templateShape.Get(), GetLeft(anchor.Get()) + (GetWidth(anchor.Get()) - width) / 2,
                   GetTop(anchor.Get()) + (GetHeight(anchor.Get()) - height) / 2, width, height);
  if (!marker) return;
  CopyShapeFormat(templateShape.Get(), marker.Get());
  PutText(marker.Get(), "Name", "TaskStatus" + FormatInteger(task.row));
  PutNumber(marker.Get(), "Placement", 1);
}

}  // namespace

bool RowHasTaskName(std::int64_t row) {
  const std::int64_t first = State().wbsSettings->taskNameColNo;
  if (first < 1 || row < 1) return false;
  for (std::int64_t i = 0; i < 10; ++i)
    if (!Trim(GetValueText(WbsCell(row, first + i).Get())).empty()) return true;
  return false;
}

void ColourTaskRow(TaskRecord& task) {
  const AddinState& s = State();
  if (!s.wbsSettings || task.row < 1) return;
  const WbsSettings& w = *s.wbsSettings;
  const std::string r = FormatInteger(task.row);
  AutomationObject rowRange = RangeAt(s.wbsSheet.Get(), w.firstCol + r + ":" + w.lastCol + r);
  CallMethod(rowRange.Get(), KV_W(".FormatConditions.Delete"));
  PutNumber(rowRange.Get(), "Interior.ColorIndex", kNoColour);
  DeleteShapeNamed("TaskStatus" + r);
  DeleteShapeNamed("TaskDepandS" + r);

  if (w.taskColorCompletedFlg == 1 && RowHasTaskName(task.row) && IsComplete(task)) {
    PutNumber(rowRange.Get(), "Interior.ColorIndex", kGrey);
    return;
  }
  if (task.linkError != 0) DrawLinkErrorFrame(task);
  if (task.isLeaf == 0) {
    AutomationObject levelTemplate = ShapeByName(s.settingsSheet.Get(), BarPrefix() + FormatInteger(task.level));
    if (levelTemplate) PutNumber(rowRange.Get(), "Interior.Color", GetNumber(levelTemplate.Get(), "Fill.ForeColor.RGB"));
    return;
  }
  if (w.taskColorUseFlg == 1 && !IsComplete(task) && task.plannedStart != 0) DrawStatusMarker(task);
}

}  // namespace korvat
