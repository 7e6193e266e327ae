#include "wbs/predecessor_links.h"

#include "base/text_helpers.h"
#include "wbs/task_lookup.h"
#include "wbs/task_reading.h"

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

void TellUnknownPredecessor(const BoundPlan& plan, const TaskRecord& task, const std::string& reference) {
  if (plan.notices.Told("unknown predecessor")) return;
  plan.notices.Tell("unknown predecessor",
                    platform::AnsiToWide("Task '" + task.wbsNumber + " ") + WideText(task.name.View()) +
                        platform::AnsiToWide("' names the predecessor \"" + reference +
                                             "\", which is neither a task code nor a WBS number of the table: "
                                             "that link is not checked."));
}

}  // namespace

PredecessorEntry ParsePredecessorEntry(std::string_view entry) {
  const std::size_t typeLength = entry.size() < 2 ? entry.size() : 2;
  PredecessorEntry parsed{std::string(entry.substr(0, entry.size() - typeLength)),
                          UpperText(entry.substr(entry.size() - typeLength))};
  if (!parsed.type.empty() && IsPlainNumber(std::string_view(parsed.type).substr(parsed.type.size() - 1)))
    parsed = {std::string(entry), "FS"};
  return parsed;
}

void CheckLink(BoundPlan& plan, TaskRecord& predecessor, TaskRecord& task, std::string_view type) {
  RefreshTask(plan, predecessor);
  if (task.linkError == 0 && Violated(predecessor, task, type)) task.linkError = 1;
}

void CheckLinks(BoundPlan& plan, TaskRecord& task) {
  task.linkError = 0;
  if (task.predecessorsText.empty()) return;
  for (const std::string& entry : SplitText(task.predecessorsText, ",")) {
    const PredecessorEntry link = ParsePredecessorEntry(entry);
    if (TaskRecord* predecessor = FindTask(plan.taskTable, link.reference))
      CheckLink(plan, *predecessor, task, link.type);
    else if (!TrimRight(link.reference).empty())
      TellUnknownPredecessor(plan, task, link.reference);
  }
}

}  // namespace korvat
