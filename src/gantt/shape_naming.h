#pragma once
// Names of the chart's shapes: prefix + decimal row + the first free letter
// ("A", "B", ... counting up through the character codes), and deletion of
// every shape whose name starts with a prefix.

#include "automation/automation_object.h"
#include "plan/bound_plan.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace korvat {

// Walks the names prefix + row + "A", "B", ... (on through the character codes
// after "Z", without a bound) for as long as the WBS sheet holds a shape of
// that name, handing each such shape to visit; returns the first name no shape
// holds. This is the one letter search of the chart: naming a new shape and
// deleting a row's shapes both go through it.
WideText WalkRowShapes(IDispatch* wbsSheet, std::string_view prefix, std::int64_t row,
                       const std::function<void(IDispatch* shape)>& visit);

// The first name prefix + row + letter that no shape of the WBS sheet holds.
WideText FreeShapeName(IDispatch* wbsSheet, std::string_view prefix, std::int64_t row);

// Names the shape after the task's row; an empty prefix means the bar prefix.
void NameShapeForTask(const BoundPlan& plan, IDispatch* shape, const TaskRecord& task, std::string_view prefix);

// Deletes every WBS-sheet shape whose name begins with prefix (case-sensitive).
// The shapes are collected first and deleted after the enumeration, so the
// host's enumerator never sees its collection change under it.
void DeleteShapesByPrefix(IDispatch* wbsSheet, std::string_view prefix);

}  // namespace korvat
