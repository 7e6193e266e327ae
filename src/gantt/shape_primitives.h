#pragma once
// The two ways the chart adds a shape for a task: a text label and a shape
// styled from a template. Both name the new shape after the task's row and
// hand it back with its right edge, so the caller can adjust it right away.

#include "automation/automation_object.h"
#include "plan/bound_plan.h"
#include "platform/com.h"

namespace korvat {

struct DrawnShape {
  AutomationObject shape;  // empty when nothing could be drawn
  double right = 0.0;      // Left + Width of the shape, 0 when there is none
};

// A borderless, transparent text box at (x, y) in the label font, sized to its
// text and centred vertically on the band of the task's plan bar (1 point lower
// than the exact centre).
DrawnShape AddTextLabel(const BoundPlan& plan, const TaskRecord& task, WideView text, double x, double y);

// A shape of the template's kind over the band (left, top, width, height),
// keeping the template's height and centred vertically in the band, formatted
// like the template. A summary task under an outline style (1 to 6) becomes two
// shapes: an invisible anchor rectangle (for connectors to attach to) and the
// visible outline, which is returned. A missing template draws nothing.
DrawnShape AddTemplateShape(const BoundPlan& plan, TaskRecord& task, double left, double top, double width,
                            double height, IDispatch* templateShape);

}  // namespace korvat
