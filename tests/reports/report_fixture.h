#pragma once
// What the report tests share (the bound plan comes from support/current_plan.h): a report sheet of the
// host's model by name, a cell by address, whether the host shows a cell in red, and
// the workbook's saved text.

#include "host/model/workbook.h"
#include "plan/bound_plan.h"
#include "support/current_plan.h"
#include "support/plan_session.h"

#include <string>

namespace korvat::test {

// The worksheet of that name, or null.
const Worksheet* ReportSheet(PlanSession& session, const std::string& name);
// The cell's value (a formula's result); empty outside the sheet.
CellValue At(const Worksheet& sheet, const std::string& address);
// The cell's number, failing the test when it holds none.
double NumberAt(const Worksheet& sheet, const std::string& address);
// The cell's text, "" when it holds none.
std::string TextAt(const Worksheet& sheet, const std::string& address);
// The font colour index the host shows the cell in after its conditional formats.
int ShownFontColour(const Worksheet& sheet, const std::string& address);
constexpr int kRedIndex = 3;

// How many shapes of the sheet hold a chart.
int ChartCount(const Worksheet& sheet);
// The canonical text of the session's workbook.
std::string SavedText(PlanSession& session);
// The number of worksheets of the session's workbook.
int SheetCount(PlanSession& session);

}  // namespace korvat::test
