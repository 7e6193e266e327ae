#pragma once
// Small plans for the row edits and the sheet events, and what the tests ask of
// a session: a selection, the saved workbook as text, the events forwarded as a
// workbook's macros forward them.

#include "support/plan_session.h"
#include "support/plan_workbook.h"

#include <memory>
#include <string>
#include <vector>

namespace korvat::test {

// Columns of the table layout.
constexpr int kWbsCol = 1, kNameCol = 2, kResourceCol = 13, kPVCol = 14, kACCol = 15, kPSCol = 16, kPECol = 17,
              kASCol = 18, kAECol = 19, kPctCol = 20, kPredCol = 21;
constexpr int kFirst = PlanWorkbook::kFirstRow;

// One task of an outline: its level and name; leaves get 08:00 + 30 minutes per
// task before them, 30 minutes long, on Anna.
struct OutlineTask {
  int level = 1;
  std::string name;
};

// A day, the resource Anna, and the tasks from the first task row, every leaf
// unstarted; auto update as given.
PlanWorkbook OutlinePlan(const std::vector<OutlineTask>& tasks, bool autoUpdate = false);

// A session on the plan after kvUpdateWBS, so settings and table are loaded.
std::unique_ptr<PlanSession> OpenUpdated(PlanWorkbook& plan);

// The workbook as the host saves it.
std::string SavedText(PlanSession& s);
// Selects an A1 range of the WBS sheet (failing the test when the host refuses).
void Select(PlanSession& s, const std::string& address);
// Types text into a WBS cell, as a user does.
void Type(PlanSession& s, const std::string& cell, const std::string& text);
// Change and SelectionChange of the WBS sheet forwarded to the event exports.
void ForwardEvents(PlanSession& s);
// The names of the WBS sheet's shapes that start with the prefix.
std::vector<std::string> ShapesNamed(PlanSession& s, const std::string& prefix);
// The task name of a row, from whichever of the ten name columns holds it.
std::string NameAt(PlanSession& s, int row);
int LevelAt(PlanSession& s, int row);

}  // namespace korvat::test
