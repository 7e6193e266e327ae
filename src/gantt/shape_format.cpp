#include "gantt/shape_format.h"

#include "automation/dispatch_call.h"
#include "automation/host_object.h"

namespace korvat {

void CopyShapeFormat(IDispatch* templateShape, IDispatch* shape) {
  CopyNumber(shape, "Line.Weight", templateShape);
  CopyNumber(shape, "Line.DashStyle", templateShape);
  CopyNumber(shape, "Line.style", templateShape);
  PutNumber(shape, "Line.Visible", -1);
  CopyNumber(shape, "Line.ForeColor.RGB", templateShape);
  CopyNumber(shape, "Line.BackColor.RGB", templateShape);
  CopyNumber(shape, "Fill.Transparency", templateShape);
  CopyNumber(shape, "Fill.ForeColor.RGB", templateShape);
  PutNumber(shape, "Fill.Visible", -1);
  CallMethod(shape, KV_W(".Fill.Patterned(%e)"), GetNumber(templateShape, "Fill.Pattern"));
}

}  // namespace korvat
