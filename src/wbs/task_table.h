#pragma once
// The in-memory image of the WBS sheet's task rows, in sheet order.

#include "frame/keyed_list.h"
#include "wbs/task_record.h"

#include <array>
#include <cstdint>
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
};

}  // namespace korvat
