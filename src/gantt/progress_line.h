#pragma once
// Today's progress line: one freeform over the chart at the present moment
// that, on the row of every drawn leaf task, bends out to the point showing how
// far the task has got (left when behind plan, right when ahead) and back.
// Named after the template "ProgressLines" and the date; a line of an earlier
// day stays, today's is replaced. Works on the bars the last drawing left and
// on the task table as it stands: nothing is reloaded.

#include "plan/bound_plan.h"
#include "platform/com.h"

#include <string>

namespace korvat {

struct ProgressLineFrame {
  float nowX = 0.0f;
  float lineTop = 0.0f;
  float lineHeight = 0.0f;
  std::string lineName;  // template name + "yyyymmdd"
};

// Measures the line at the present moment and deletes a line of the same name.
ProgressLineFrame PrepareProgressLine(const BoundPlan& plan);

// Adds the three nodes of a leaf task to the builder, or none.
void AddTaskProgressPoint(const BoundPlan& plan, const ProgressLineFrame& frame, TaskRecord& task, IDispatch* builder);

// Draws the line on the WBS sheet.
void DrawProgressLine(const BoundPlan& plan);

}  // namespace korvat
