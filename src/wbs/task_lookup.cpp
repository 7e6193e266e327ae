// Finding tasks of the table by position, row, number and code.

#include "wbs/task_lookup.h"

#include "base/number_text.h"
#include "base/text_helpers.h"
#include "wbs/task_code_index.h"

#include <algorithm>

namespace korvat {
namespace {

TaskRecord* AtIndex(const TaskTable& table, std::int64_t index) {
  if (index < 0 || index >= table.taskCount) return nullptr;
  return table.tasks.ItemAt(index + 1);
}

std::int64_t IndexOfTask(const TaskTable& table, const TaskRecord& task) { return task.row - table.firstRow; }

constexpr OLECHAR kCodeEnds[] = {KV_W(':'), KV_W('|'), KV_W(','), KV_W('_'), KV_W('-'), KV_W('#')};

}  // namespace

TaskRecord* FirstTask(const TaskTable& table) { return AtIndex(table, 0); }
TaskRecord* LastTask(const TaskTable& table) { return AtIndex(table, table.taskCount - 1); }
TaskRecord* NextTask(const TaskTable& table, const TaskRecord& task) {
  return AtIndex(table, IndexOfTask(table, task) + 1);
}
TaskRecord* TaskAtRow(const TaskTable& table, std::int64_t row) { return AtIndex(table, row - table.firstRow); }

TaskRecord* FindTaskByNumber(const TaskTable& table, std::string_view wbsNumber) {
  return table.tasks.Find(wbsNumber);
}

std::string TaskCode(const TaskRecord& task) {
  const WideView name = task.name.View();
  std::size_t end = WideView::npos;
  for (OLECHAR c : kCodeEnds) end = std::min(end, name.find(c));
  if (end == WideView::npos) return task.wbsNumber;
  return platform::WideToAnsi(name.substr(0, end));
}

std::string CodeKey(std::string_view code) {
  return platform::WideToAnsi(UpperWide(platform::AnsiToWide(code)));
}

void RebuildCodeIndex(TaskTable& table) {
  table.codeIndex.clear();
  table.indexedCode.assign(static_cast<std::size_t>(table.taskCount), std::string());
  for (std::int64_t i = 0; i < table.taskCount; ++i) {
    std::string key = CodeKey(TaskCode(*table.tasks.ItemAt(i + 1)));
    table.codeIndex[key].insert(i);
    table.indexedCode[static_cast<std::size_t>(i)] = std::move(key);
  }
}

void UpdateTaskCode(TaskTable& table, const TaskRecord& task) {
  const std::int64_t index = IndexOfTask(table, task);
  if (index < 0 || index >= table.taskCount || table.tasks.ItemAt(index + 1) != &task) return;
  std::string key = CodeKey(TaskCode(task));
  std::string& filed = table.indexedCode[static_cast<std::size_t>(index)];
  if (key == filed) return;
  auto old = table.codeIndex.find(filed);
  if (old != table.codeIndex.end()) {
    old->second.erase(index);
    if (old->second.empty()) table.codeIndex.erase(old);
  }
  table.codeIndex[key].insert(index);
  filed = std::move(key);
}

TaskRecord* FindTaskByCode(const TaskTable& table, std::string_view code) {
  const auto found = table.codeIndex.find(CodeKey(code));
  if (found == table.codeIndex.end() || found->second.empty()) return nullptr;
  return AtIndex(table, *found->second.begin());
}

TaskRecord* FindTask(const TaskTable& table, std::string_view reference) {
  if (TaskRecord* byCode = FindTaskByCode(table, reference)) return byCode;
  return FindTaskByNumber(table, reference);
}

std::string AncestorRows(const BoundPlan& plan, std::int64_t row) {
  const TaskTable& table = plan.taskTable;
  std::string rows;
  const std::string& separator = plan.wbsSettings.wbsNoFormat;
  const TaskRecord* task = TaskAtRow(table, row);
  // Each step drops one component; the number of components bounds the walk.
  for (int guard = 0; task && task->level != 1 && guard <= kMaxOutlineDepth; ++guard) {
    std::vector<std::string> parts = SplitText(task->wbsNumber, separator);
    if (parts.size() < 2) break;
    parts.pop_back();
    task = FindTaskByNumber(table, JoinText(parts, separator));
    if (task) rows += FormatInteger(task->row) + ",";
  }
  return rows;
}

}  // namespace korvat
