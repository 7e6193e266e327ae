#pragma once
// Testing a task's predecessor links against the planned times. The
// predecessors cell lists entries separated by ","; each entry is a task code
// or WBS number, optionally followed by a link type (FS, FF, SS, SF, any case;
// FS when the entry ends in a digit). Links never move a task.

#include "plan/bound_plan.h"

#include <string>
#include <string_view>

namespace korvat {

struct PredecessorEntry {
  std::string reference;  // a task code or WBS number
  std::string type;       // upper case; "FS" when the entry ends in a digit
};

// One entry of a predecessors cell: the last two characters (upper-cased) are its
// link type, unless the entry ends in a digit, when the whole entry is the
// reference of a finish-to-start link.
PredecessorEntry ParsePredecessorEntry(std::string_view entry);

// Recomputes the task's linkError: 1 when any link is violated, else 0.
// References that find no task are skipped.
void CheckLinks(BoundPlan& plan, TaskRecord& task);
// Refreshes the predecessor from its row and sets the task's linkError to 1
// when the link of the given (upper-case) type is violated.
void CheckLink(BoundPlan& plan, TaskRecord& predecessor, TaskRecord& task, std::string_view type);

}  // namespace korvat
