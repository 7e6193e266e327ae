#pragma once
// The one builder of plan workbooks for tests and benchmarks: a WBS sheet (code
// name wsWBS), a settings sheet with every WS* and CS* setting as a named cell,
// the calendar's format template block and the template shapes, a calendar
// sheet and a resources sheet, built straight into the host's model.
//
// WBS columns: A WBS number, B..K task names by level, L type, M resource, N
// planned minutes, O actual minutes, P/Q planned start/end, R/S actual
// start/end, T percent, U predecessors; V load and W days where the layout's
// table reaches that far. A dictionary sheet is there once a caption is added. The layout says where the task rows, the table's
// last column, the timeline and the settings lie.

#include "host/model/workbook.h"
#include "host/model/worksheet.h"

#include <map>
#include <memory>
#include <string>

namespace korvat::test {

using host::CellValue;
using host::Workbook;
using host::Worksheet;

constexpr double kDay1 = 46357.0;  // 2026-12-01
inline double Clock(int hours, int minutes) { return (hours * 60 + minutes) / 1440.0; }

// Fill colours of the template shapes, packed as the host packs them.
inline constexpr int kBarColour = 0x0000FF;        // GanntBar
inline constexpr int kCompletedColour = 0x00FF00;  // GanntBar100%
inline constexpr int kProgressColour = 0xFF0000;   // GanntBar%
inline constexpr int kLevel1Colour = 0x112233;     // GanntBar1
inline constexpr int kLevel2Colour = 0x445566;     // GanntBar2
inline constexpr int kResourceColour = 0x778899;   // GanntBarByRes + code
inline constexpr int kConnectorColour = 0x123456;  // TaskConnector line
inline constexpr int kDelayColour = 0x000011;
inline constexpr int kEndColour = 0x000022;
inline constexpr int kStartColour = 0x000033;
inline constexpr int kLineColour = 0x0000AA;       // ProgressLines line
inline constexpr double kBarHeight = 10.0;         // height of the bar templates

struct PlanLayout {
  int firstTaskRow = 6;
  int lastColumn = 23;  // the table's last column: its right border marks the task rows
  std::string timelineFirstCol = "Y";
  int firstSettingRow = 4;  // settings: name in column A, value in column B
  // The calendar's format template block on the settings sheet.
  std::string templateFirstCol = "H", templateLastCol = "K", holidayCol = "I", workdayCol = "J",
              month1stdayCol = "H";
  int weekdayRow = 22, lastTemplateRow = 30;

  // Tasks from row 6, the table to column W, the timeline from column Y.
  static PlanLayout Table();
  // Tasks from row 5, the table to column U, the timeline from column W.
  static PlanLayout Chart();
};

struct TaskRow {
  int level = 1;
  std::string name;
  std::string resource;
  std::string pv;  // as typed: "30", "" ...
  double plannedStart = 0, plannedEnd = 0, actualStart = 0, actualEnd = 0;  // times of day; 0 leaves the cell empty
  std::string percent;
  std::string predecessors;
  std::string type;
  std::string ac;    // actual cost, column O
  std::string load;  // the first resource slot's load, column V
  std::string days;  // days of the task, column W
};

class PlanWorkbook {
 public:
  explicit PlanWorkbook(const PlanLayout& layout = PlanLayout::Table());

  // A day of the calendar sheet with its window (times of day).
  PlanWorkbook& Day(double date, double windowStart, double windowEnd);
  PlanWorkbook& Resource(const std::string& code, const std::string& name, double releaseDate = 0);
  // The per-resource bar template "GanntBarByRes" + code on the resources sheet.
  PlanWorkbook& ResourceTemplate(const std::string& code, int fillColour = kResourceColour);
  // Appends a task row (with the table's right border) and returns its row.
  int Task(const TaskRow& task);
  // Sets a settings cell by its name.
  PlanWorkbook& Setting(const std::string& name, const std::string& value);
  PlanWorkbook& RemoveSetting(const std::string& name);
  // Takes a template shape of the settings sheet away ("GanntBar", "GanntBar%", ...).
  PlanWorkbook& RemoveTemplate(const std::string& name);
  // A shape of the user's on the WBS sheet.
  PlanWorkbook& WbsShape(const std::string& name, double left, double top, double width, double height);
  // The font of the first task name cell, which the chart's labels take.
  PlanWorkbook& LabelFont(const std::string& name, double size);
  // A row of the dictionary sheet (code name wsDictionary, made on first use): the key in
  // column B, the caption in column C, from row 3 on.
  PlanWorkbook& Caption(const std::string& key, const std::string& caption);
  // Every caption the reports use, in English ("EVMRPT" is "EVM report \*").
  PlanWorkbook& ReportCaptions();
  // The load block from column V and the day count in column W ("WSLoadBlockCol",
  // "WSDayCountCol").
  PlanWorkbook& LoadColumns();

  Worksheet& Wbs() { return *wbs_; }
  Worksheet& Settings() { return *settings_; }
  const PlanLayout& Layout() const { return layout_; }
  std::unique_ptr<Workbook> Take();

  // The first task row of the default layout, as the table tests know it.
  static constexpr int kFirstRow = 6;

 private:
  void Put(Worksheet& sheet, int row, int col, const std::string& text);
  void AddTemplates();
  void AddCalendarTemplateBlock();

  PlanLayout layout_;
  std::unique_ptr<Workbook> book_;
  Worksheet* wbs_;
  Worksheet* settings_;
  Worksheet* calendar_;
  Worksheet* resources_;
  Worksheet* dictionary_ = nullptr;
  int nextCaptionRow_ = 3;
  int nextTaskRow_;
  int nextDayRow_ = 3;
  int nextResourceRow_ = 4;
  int nextSettingRow_;
  std::map<std::string, int> settingRows_;
};

// A generated plan for benchmarks: one top-level task per calendar day (08:00 to
// 18:00 from 2026-12-07), the rest of the tasks spread evenly over the days as
// leaves of 5 minutes on two resources in turn, each leaf linked to the one before
// it and every seventh under way; laid out as the chart tests lay theirs.
struct GeneratedPlan {
  int tasks = 1000;
  int days = 0;  // 0: one day per 100 tasks
  int calendarUnit = 60;
};
std::unique_ptr<Workbook> GeneratePlan(const GeneratedPlan& plan);

}  // namespace korvat::test
