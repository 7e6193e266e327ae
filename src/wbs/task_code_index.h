#pragma once
// Keeps the table's index of task codes current, so that finding a task by
// code gives the first task in sheet order without scanning the table.

#include <string>

namespace korvat {

struct TaskTable;
struct TaskRecord;

// Files every task of the table under its code as the records hold it now.
void RebuildCodeIndex(TaskTable& table);
// Refiles one task after its name or number changed.
void UpdateTaskCode(TaskTable& table, const TaskRecord& task);
// The key a code is filed and looked up under: upper-cased.
std::string CodeKey(std::string_view code);

}  // namespace korvat
