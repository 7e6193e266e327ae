#include "gantt/shape_primitives.h"

#include "automation/call_phase.h"
#include "automation/dispatch_call.h"
#include "automation/export_memo.h"
#include "automation/host_object.h"
#include "gantt/shape_format.h"
#include "gantt/shape_naming.h"
#include "gantt/summary_outline.h"
#include "gantt/template_loader.h"

namespace korvat {
namespace {

double RightEdge(IDispatch* shape) { return shape ? GetLeft(shape) + GetWidth(shape) : 0.0; }

AutomationObject AddPlainShape(IDispatch* wbsSheet, double autoShapeType, double left, double top, double width,
                               double height) {
  return GetObjectResult(wbsSheet, KV_W(".Shapes.AddShape(%e,%e,%e,%e,%e)"), autoShapeType, left, top, width,
                         height);
}

}  // namespace

DrawnShape AddTextLabel(const BoundPlan& plan, const TaskRecord& task, WideView text, double x, double y) {
  const CallPhase phase("labels");
  const GanttTemplates& templates = plan.ganttTemplates;
  DrawnShape drawn{GetObjectResult(plan.wbsSheet, KV_W(".Shapes.AddTextbox(%d,%e,%e,%e,%e)"), 1, x, y, x, y), 0.0};
  IDispatch* box = drawn.shape.Get();
  if (!box) return drawn;
  // The text frame is the box's for its whole life: reached once. The characters are
  // reached after the text is in, so that their font covers all of it.
  if (AutomationObject frame = GetObjectAt(box, "TextFrame")) {
    IDispatch* f = frame.Get();
    PutWideText(f, "Characters.Text", text);
    PutNumber(f, "AutoSize", -1);
    if (AutomationObject font = GetObjectAt(f, "Characters.font")) {
      PutWideText(font.Get(), "Name", templates.labelFontName.View());
      PutNumber(font.Get(), "Size", templates.labelFontSize);
    }
    PutNumber(f, "VerticalAlignment", -4108);
    PutNumber(f, "HorizontalAlignment", -4131);
    PutNumber(f, "AutoMargins", 0);
    PutNumber(f, "MarginLeft", 0);
    PutNumber(f, "MarginBottom", 0);
    PutNumber(f, "MarginRight", 0);
    PutNumber(f, "MarginTop", 0);
  }
  PutNumber(box, "Fill.Visible", 0);
  PutNumber(box, "Line.Visible", 0);
  PutNumber(box, "Placement", 1);
  const double h = GetHeight(box);
  PutTop(box, (task.plannedBar.height - h) / 2 + y + 1.0);
  NameShapeForTask(plan, box, task, "");
  drawn.right = RightEdge(box);
  return drawn;
}

DrawnShape AddTemplateShape(const BoundPlan& plan, TaskRecord& task, double left, double top, double width,
                            double height, IDispatch* templateShape) {
  if (!templateShape) return {};
  const double th = KeptNumber(templateShape, "Height");
  const double bandTop = top + (height - th) / 2;
  DrawnShape drawn;
  const std::int64_t style = OutlineStyle(plan.ganttTemplates);
  if (style < 1 || task.isLeaf != 0) {
    drawn.shape = AddPlainShape(plan.wbsSheet, KeptNumber(templateShape, "AutoShapeType"), left, bandTop, width, th);
  } else {
    // The anchor is drawn as a leaf bar (letter "A"), then hidden under the outline.
    task.isLeaf = 1;
    DrawnShape anchor = AddTemplateShape(plan, task, left, bandTop, width, th, templateShape);
    task.isLeaf = 0;
    PutNumber(anchor.shape.Get(), "Fill.Visible", 0);
    PutNumber(anchor.shape.Get(), "Line.Visible", 0);
    drawn.shape = AddSummaryOutline(plan.wbsSheet, left, bandTop, th, width, style);
  }
  if (!drawn.shape) return drawn;
  CopyShapeFormat(templateShape, drawn.shape.Get());
  NameShapeForTask(plan, drawn.shape.Get(), task, "");
  PutNumber(drawn.shape.Get(), "Placement", 1);
  drawn.right = RightEdge(drawn.shape.Get());
  return drawn;
}

}  // namespace korvat
