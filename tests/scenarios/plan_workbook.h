#pragma once
// Small plan workbooks built in a test, with the sample workbook's layout: task
// names from column B (ten levels), type L, resource M, planned minutes N,
// actual minutes O, planned start/end P/Q, actual start/end R/S, percent T,
// predecessors U, load V, days W (the table's last column); task rows from 6.

#include "host/model/workbook.h"

#include <map>
#include <memory>
#include <string>

namespace korvat::test {

using host::CellValue;
using host::Workbook;
using host::Worksheet;

constexpr double kDay1 = 46357.0;  // 2026-12-01
inline double Clock(int hours, int minutes) { return (hours * 60 + minutes) / 1440.0; }

struct TaskRow {
  int level = 1;
  std::string name;
  std::string resource;
  std::string pv;  // as typed: "30", "" ...
  double plannedStart = 0, plannedEnd = 0, actualStart = 0, actualEnd = 0;  // times of day
  std::string percent;
  std::string predecessors;
  std::string type;
};

class PlanWorkbook {
 public:
  PlanWorkbook();

  // A day of the calendar sheet with its window (times of day).
  PlanWorkbook& Day(double date, double windowStart, double windowEnd);
  PlanWorkbook& Resource(const std::string& code, const std::string& name, double releaseDate = 0);
  // Appends a task row (with the table's right border) and returns its row.
  int Task(const TaskRow& task);
  // Sets a settings cell by its name.
  PlanWorkbook& Setting(const std::string& name, const std::string& value);
  PlanWorkbook& RemoveSetting(const std::string& name);
  Worksheet& Settings() { return *settings_; }

  Worksheet& Wbs() { return *wbs_; }
  std::unique_ptr<Workbook> Take();

  static constexpr int kFirstRow = 6;

 private:
  void Put(Worksheet& sheet, int row, int col, const std::string& text);

  std::unique_ptr<Workbook> book_;
  Worksheet* wbs_;
  Worksheet* settings_;
  Worksheet* calendar_;
  Worksheet* resources_;
  int nextTaskRow_ = kFirstRow;
  int nextDayRow_ = 3;
  int nextResourceRow_ = 4;
  int nextSettingRow_ = 4;
  std::map<std::string, int> settingRows_;
};

}  // namespace korvat::test
