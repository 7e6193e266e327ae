#include "gantt/shape_format.h"

#include "automation/dispatch_call.h"
#include "automation/export_memo.h"
#include "automation/host_object.h"

namespace korvat {

// The shape's line and fill formats are reached once each; the template's values
// are read once per export.
void CopyShapeFormat(IDispatch* templateShape, IDispatch* shape) {
  if (AutomationObject line = GetObjectAt(shape, "Line")) {
    IDispatch* l = line.Get();
    PutNumber(l, "Weight", KeptNumber(templateShape, "Line.Weight"));
    PutNumber(l, "DashStyle", KeptNumber(templateShape, "Line.DashStyle"));
    PutNumber(l, "style", KeptNumber(templateShape, "Line.style"));
    PutNumber(l, "Visible", -1);
    PutNumber(l, "ForeColor.RGB", KeptNumber(templateShape, "Line.ForeColor.RGB"));
    PutNumber(l, "BackColor.RGB", KeptNumber(templateShape, "Line.BackColor.RGB"));
  }
  if (AutomationObject fill = GetObjectAt(shape, "Fill")) {
    IDispatch* f = fill.Get();
    PutNumber(f, "Transparency", KeptNumber(templateShape, "Fill.Transparency"));
    PutNumber(f, "ForeColor.RGB", KeptNumber(templateShape, "Fill.ForeColor.RGB"));
    PutNumber(f, "Visible", -1);
    CallMethod(f, KV_W(".Patterned(%e)"), KeptNumber(templateShape, "Fill.Pattern"));
  }
}

}  // namespace korvat
