#include "gantt/shape_format.h"

#include "automation/dispatch_call.h"
#include "automation/export_memo.h"
#include "automation/host_object.h"

namespace korvat {

void CopyShapeFormat(IDispatch* templateShape, IDispatch* shape) {
  PutNumber(shape, "Line.Weight", KeptNumber(templateShape, "Line.Weight"));
  PutNumber(shape, "Line.DashStyle", KeptNumber(templateShape, "Line.DashStyle"));
  PutNumber(shape, "Line.style", KeptNumber(templateShape, "Line.style"));
  PutNumber(shape, "Line.Visible", -1);
  PutNumber(shape, "Line.ForeColor.RGB", KeptNumber(templateShape, "Line.ForeColor.RGB"));
  PutNumber(shape, "Line.BackColor.RGB", KeptNumber(templateShape, "Line.BackColor.RGB"));
  PutNumber(shape, "Fill.Transparency", KeptNumber(templateShape, "Fill.Transparency"));
  PutNumber(shape, "Fill.ForeColor.RGB", KeptNumber(templateShape, "Fill.ForeColor.RGB"));
  PutNumber(shape, "Fill.Visible", -1);
  CallMethod(shape, KV_W(".Fill.Patterned(%e)"), KeptNumber(templateShape, "Fill.Pattern"));
}

}  // namespace korvat
