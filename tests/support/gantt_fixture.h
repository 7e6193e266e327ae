#pragma once
// A planning workbook loaded into the headless host and bound to the library,
// with message boxes recorded and the clock fixed. Tear-down ends the library
// and checks that no reference handed out by the host is still held.

#include "support/chart_plan.h"
#include "host/automation/workbook_host.h"
#include "host/model/worksheet.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace korvat::test {

class GanttTest : public testing::Test {
 protected:
  void TearDown() override;

  // Loads the plan, binds it and fixes now (a DateSerial).
  void Open(const ChartPlan& plan, double now = 46364.5);  // 2026-12-08 12:00
  void Close();  // kvQuit and release; checks the live objects

  host::Worksheet& Wbs() const;
  const host::Shape* Shape(const std::string& name) const;  // exact name, or null
  std::vector<std::string> ShapeNames() const;              // z-order
  std::vector<std::string> ShapeNamesStartingWith(const std::string& prefix) const;
  std::string Text(int row, int column) const;  // a cell's value as text ("" when empty)
  double ColumnLeft(int column) const;
  double RowTop(int row) const;
  bool ColumnHidden(int column) const;

  std::unique_ptr<host::WorkbookHost> host_;
  ComRef<IDispatch> book_;
  std::vector<std::u16string> messages_;
};

// 2026-12-07 (the first calendar day of the plans) plus a time of day.
inline double Day1(int hours, int minutes) { return 46363.0 + HoursMinutes(hours, minutes); }

}  // namespace korvat::test
