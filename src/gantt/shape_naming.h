#pragma once
// Names of the chart's shapes: prefix + decimal row + the first free letter
// ("A", "B", ... counting up through the character codes), and deletion of
// every shape whose name starts with a prefix.

#include "platform/com.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvat {

struct TaskRecord;

// True when the WBS sheet has a shape of that name.
bool WbsShapeExists(WideView name);

// The first name prefix + row + letter that no shape of the WBS sheet holds.
WideText FreeShapeName(std::string_view prefix, std::int64_t row);

// Names the shape after the task's row; an empty prefix means the bar prefix.
void NameShapeForTask(IDispatch* shape, const TaskRecord& task, std::string_view prefix);

// Deletes every WBS-sheet shape whose name begins with prefix (case-sensitive).
// The shapes are collected first and deleted after the enumeration, so the
// host's enumerator never sees its collection change under it.
void DeleteShapesByPrefix(std::string_view prefix);

}  // namespace korvat
