#pragma once
// The in-memory image of the WBS sheet's task rows, in sheet order, and the
// operations that read it from the sheet and find tasks in it. Column
// positions and the first task row come from the add-in state's WBS settings.

#include "base/keyed_list.h"
#include "wbs/task_record.h"

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvat {

constexpr std::int64_t kMaxTasks = 10000;
constexpr int kMaxOutlineDepth = 10;

struct TaskTable {
  TaskTable() : tasks(KeyedList<TaskRecord>::Ownership::Indexing), outlineCounters(kMaxTasks + 1) {}

  KeyedList<TaskRecord> tasks;  // the tasks in sheet order, keyed by WBS number; indexes the pool
  std::int64_t taskCount = 0;
  KeyedList<TaskRecord> pool;   // every record ever allocated; record k holds the task at index k-1
  std::int64_t poolSize = 0;
  // Row i: task index i (0-based); column j: outline depth j (0 = top).
  std::vector<std::array<std::int64_t, kMaxOutlineDepth + 1>> outlineCounters;

  // Task codes, upper-cased, with the indexes of the tasks that carry them now;
  // kept current by ReadTasks and RefreshTask so a lookup by code is not a scan.
  std::unordered_map<std::string, std::set<std::int64_t>> codeIndex;
  std::vector<std::string> indexedCode;  // per task index: the key it is filed under
};

// Rebuilds the table from the sheet: task rows, WBS numbers, levels, leaves and
// day ordinals. Cell values are left to RefreshTask.
void ReadTasks(TaskTable& table);
// Consecutive task rows from the first task row, at most kMaxTasks.
std::int64_t CountTasks();
// True when one of the ten task-name cells of the row holds more than blanks.
bool IsTaskRow(std::int64_t row);
// Re-reads the record's cells from its row and makes its dates absolute
// against its calendar day.
void RefreshTask(TaskTable& table, TaskRecord& task);

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
// empty for a top-level task or a row without a task.
std::string AncestorRows(const TaskTable& table, std::int64_t row);

}  // namespace korvat
