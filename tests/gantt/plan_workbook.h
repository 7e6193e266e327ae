#pragma once
// Small planning workbooks for the chart tests, written as workbook-file JSON:
// a WBS sheet (code name wsWBS), a settings sheet with every setting, the
// calendar template block and the template shapes, a resources sheet and a
// calendar sheet.
//
// WBS layout: A WBS number, B..K task names by level, L type, M resource, N PV,
// O AC, P/Q planned start/end, R/S actual start/end, T percent, U predecessors;
// header rows 2 to 4; tasks from row 5; the timeline from column W (23).

#include <optional>
#include <string>
#include <vector>

namespace korvat::test {

constexpr int kFirstTaskRow = 5;
constexpr int kFirstTimelineColumn = 23;  // W
constexpr int kPredecessorsColumn = 21;   // U
constexpr int kTaskNameColumn = 2;        // B
constexpr double kBarHeight = 10.0;       // height of the bar templates

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

struct PlanWorkbook {
  int calendarUnit = 60;
  int barStyle = 0;
  int colorCompleted = 1;
  int colorUse = 1;
  int linkerColor = 0;
  bool withBarTemplate = true;
  bool withProgressTemplate = true;
  std::vector<PlanDay> days{PlanDay{}};
  std::vector<PlanTask> tasks;
  // Extra shapes for the WBS sheet, as JSON objects.
  std::vector<std::string> extraWbsShapes;

  std::string ToJson() const;
};

// Fill colours of the templates, packed as the host packs them.
inline constexpr int kBarColour = 0x0000FF;         // GanntBar
inline constexpr int kCompletedColour = 0x00FF00;   // GanntBar100%
inline constexpr int kProgressColour = 0xFF0000;    // GanntBar%
inline constexpr int kLevel1Colour = 0x112233;      // GanntBar1
inline constexpr int kLevel2Colour = 0x445566;      // GanntBar2
inline constexpr int kResourceColour = 0x778899;    // GanntBarByResR1 (resource "Alice")
inline constexpr int kConnectorColour = 0x123456;   // TaskConnector line
inline constexpr int kDelayColour = 0x000011;
inline constexpr int kEndColour = 0x000022;
inline constexpr int kStartColour = 0x000033;
inline constexpr int kLineColour = 0x0000AA;        // ProgressLines line

double HoursMinutes(int hours, int minutes);  // as a fraction of a day

}  // namespace korvat::test
