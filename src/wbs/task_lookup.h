#pragma once
// Finding tasks of a task table by position, row, WBS number and code. Rows are
// the table's own: row = the table's first row + task index.

#include "plan/bound_plan.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace korvat {

TaskRecord* FirstTask(const TaskTable& table);
TaskRecord* LastTask(const TaskTable& table);
TaskRecord* NextTask(const TaskTable& table, const TaskRecord& task);
TaskRecord* TaskAtRow(const TaskTable& table, std::int64_t row);
TaskRecord* FindTaskByNumber(const TaskTable& table, std::string_view wbsNumber);
// The first task in sheet order whose code equals the text, both upper-cased.
TaskRecord* FindTaskByCode(const TaskTable& table, std::string_view code);
// By code, then by WBS number.
TaskRecord* FindTask(const TaskTable& table, std::string_view reference);
// The characters of the name before the first of ":|,_-#" when it holds one,
// else the WBS number.
std::string TaskCode(const TaskRecord& task);
// The rows of the task's ancestors, nearest first, each followed by ",";
// empty for a top-level task or a row without a task. The WBS numbers are
// split at the plan's "WSWBSNoFormat".
std::string AncestorRows(const BoundPlan& plan, std::int64_t row);

}  // namespace korvat
