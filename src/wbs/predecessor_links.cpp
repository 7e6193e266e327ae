#include "wbs/predecessor_links.h"

#include "frame/text_helpers.h"
#include "wbs/task_table.h"

namespace korvat {
namespace {

// A NaN on either side of a comparison counts as a violation, hence the negations.
bool Violated(const TaskRecord& p, const TaskRecord& t, std::string_view type) {
  if (type == "FS") return !(t.plannedStart >= p.plannedEnd);
  if (type == "FF") return !(p.plannedEnd >= t.plannedEnd);
  if (type == "SS") return !(t.plannedStart >= p.plannedStart);
  if (type == "SF") return !(p.plannedStart >= t.plannedEnd);
  return false;
}

}  // namespace

void CheckLink(TaskTable& table, TaskRecord& predecessor, TaskRecord& task, std::string_view type) {
  RefreshTask(table, predecessor);
  if (task.linkError == 0 && Violated(predecessor, task, type)) task.linkError = 1;
}

void CheckLinks(TaskTable& table, TaskRecord& task) {
  task.linkError = 0;
  if (task.predecessorsText.empty()) return;
  for (const std::string& entry : SplitText(task.predecessorsText, ",")) {
    const std::size_t typeLength = entry.size() < 2 ? entry.size() : 2;
    std::string type = UpperText(std::string_view(entry).substr(entry.size() - typeLength));
    std::string reference = entry.substr(0, entry.size() - typeLength);
    if (!type.empty() && IsPlainNumber(std::string_view(type).substr(type.size() - 1))) {
      type = "FS";
      reference = entry;
    }
    if (TaskRecord* predecessor = FindTask(table, reference)) CheckLink(table, *predecessor, task, type);
  }
}

}  // namespace korvat
