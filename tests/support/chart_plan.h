#pragma once
// A plan for the chart tests, described by what the test varies: settings,
// templates, days, tasks and any shapes of the user's on the WBS sheet. Build()
// lays it out with the shared plan builder (the chart layout: A WBS number,
// B..K task names by level, L type, M resource, N PV, O AC, P/Q planned
// start/end, R/S actual start/end, T percent, U predecessors; header rows 2 to
// 4; tasks from row 5; the timeline from column W), with the resources Alice
// (R1, with its own bar template) and Bob (R2).

#include "support/plan_workbook.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace korvat::test {

constexpr int kFirstTaskRow = 5;
constexpr int kFirstTimelineColumn = 23;  // W
constexpr int kPredecessorsColumn = 21;   // U
constexpr int kTaskNameColumn = 2;        // B

struct PlanTask {
  int level = 1;
  std::string name;
  std::string type;
  std::string resource;
  std::string pv;
  // Times of day (fractions) as the sheet holds them; nullopt leaves the cell empty.
  std::optional<double> plannedStart, plannedEnd, actualStart, actualEnd;
  std::string percent;
  std::string predecessors;
};

struct PlanDay {
  int year = 2026, month = 12, day = 7;
  double windowStart = 9.0 / 24;
  double windowEnd = 18.0 / 24;
};

struct UserShape {
  std::string name;
  double left = 0, top = 0, width = 5, height = 5;
};

struct ChartPlan {
  int calendarUnit = 60;
  int barStyle = 0;
  int colorCompleted = 1;
  int colorUse = 1;
  int linkerColor = 0;
  bool withBarTemplate = true;
  bool withProgressTemplate = true;
  std::vector<PlanDay> days{PlanDay{}};
  std::vector<PlanTask> tasks;
  std::vector<UserShape> extraWbsShapes;

  std::unique_ptr<Workbook> Build() const;
};

inline double HoursMinutes(int hours, int minutes) { return Clock(hours, minutes); }

}  // namespace korvat::test
