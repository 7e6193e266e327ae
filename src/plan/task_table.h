#pragma once
// The in-memory image of the WBS sheet's task rows, in sheet order. It owns
// every record it ever read (the pool) and indexes the current ones (tasks);
// reading it is wbs/task_reading.h, finding tasks in it wbs/task_lookup.h.

#include "base/keyed_list.h"
#include "plan/task_record.h"

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
  std::int64_t firstRow = 0;    // the sheet row of task index 0 when the table was read
  KeyedList<TaskRecord> pool;   // every record ever allocated; record k holds the task at index k-1
  std::int64_t poolSize = 0;
  // Row i: task index i (0-based); column j: outline depth j (0 = top).
  std::vector<std::array<std::int64_t, kMaxOutlineDepth + 1>> outlineCounters;

  // Task codes, upper-cased, with the indexes of the tasks that carry them now;
  // kept current by ReadTasks and RefreshTask so a lookup by code is not a scan.
  std::unordered_map<std::string, std::set<std::int64_t>> codeIndex;
  std::vector<std::string> indexedCode;  // per task index: the key it is filed under
};

}  // namespace korvat
