#include "gantt/shape_primitives.h"

#include "automation/dispatch_call.h"
#include "automation/host_object.h"
#include "frame/addin_state.h"
#include "gantt/shape_format.h"
#include "gantt/shape_naming.h"
#include "gantt/summary_outline.h"
#include "gantt/template_loader.h"
#include "wbs/task_record.h"

namespace korvat {
namespace {

double RightEdge(IDispatch* shape) { return shape ? GetLeft(shape) + GetWidth(shape) : 0.0; }

AutomationObject AddPlainShape(double autoShapeType, double left, double top, double width, double height) {
  IDispatch* shape = nullptr;
  GetValue(KV_W("o"), &shape, State().wbsSheet.Get(), KV_W(".Shapes.AddShape(%e,%e,%e,%e,%e)"), autoShapeType,
           left, top, width, height);
  return AutomationObject(shape);
}

}  // namespace

DrawnShape AddTextLabel(const TaskRecord& task, WideView text, double x, double y) {
  const GanttTemplates& templates = *State().ganttTemplates;
  IDispatch* box = nullptr;
  GetValue(KV_W("o"), &box, State().wbsSheet.Get(), KV_W(".Shapes.AddTextbox(%d,%e,%e,%e,%e)"), 1, x, y, x, y);
  DrawnShape drawn{AutomationObject(box), 0.0};
  if (!drawn.shape) return drawn;
  PutWideText(box, "TextFrame.Characters.Text", text);
  PutNumber(box, "TextFrame.AutoSize", -1);
  PutWideText(box, "TextFrame.Characters.font.Name", templates.labelFontName.View());
  PutNumber(box, "TextFrame.Characters.font.Size", templates.labelFontSize);
  PutNumber(box, "TextFrame.VerticalAlignment", -4108);
  PutNumber(box, "TextFrame.HorizontalAlignment", -4131);
  PutNumber(box, "TextFrame.AutoMargins", 0);
  PutNumber(box, "TextFrame.MarginLeft", 0);
  PutNumber(box, "TextFrame.MarginBottom", 0);
  PutNumber(box, "TextFrame.MarginRight", 0);
  PutNumber(box, "TextFrame.MarginTop", 0);
  PutNumber(box, "Fill.Visible", 0);
  PutNumber(box, "Line.Visible", 0);
  PutNumber(box, "Placement", 1);
  const double h = GetHeight(box);
  PutTop(box, (task.plannedBar.height - h) / 2 + y + 1.0);
  NameShapeForTask(box, task, "");
  drawn.right = RightEdge(box);
  return drawn;
}

DrawnShape AddTemplateShape(TaskRecord& task, double left, double top, double width, double height,
                            IDispatch* templateShape) {
  if (!templateShape) return {};
  const double th = GetHeight(templateShape);
  const double bandTop = top + (height - th) / 2;
  DrawnShape drawn;
  const std::int64_t style = OutlineStyle();
  if (style < 1 || task.isLeaf != 0) {
    drawn.shape = AddPlainShape(GetNumber(templateShape, "AutoShapeType"), left, bandTop, width, th);
  } else {
    // The anchor is drawn as a leaf bar (letter "A"), then hidden under the outline.
    task.isLeaf = 1;
    DrawnShape anchor = AddTemplateShape(task, left, bandTop, width, th, templateShape);
    task.isLeaf = 0;
    PutNumber(anchor.shape.Get(), "Fill.Visible", 0);
    PutNumber(anchor.shape.Get(), "Line.Visible", 0);
    drawn.shape = AddSummaryOutline(left, bandTop, th, width, style);
  }
  if (!drawn.shape) return drawn;
  CopyShapeFormat(templateShape, drawn.shape.Get());
  NameShapeForTask(drawn.shape.Get(), task, "");
  PutNumber(drawn.shape.Get(), "Placement", 1);
  drawn.right = RightEdge(drawn.shape.Get());
  return drawn;
}

}  // namespace korvat
