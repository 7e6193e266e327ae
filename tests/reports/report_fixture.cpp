#include "report_fixture.h"

#include "frame/addin_state.h"
#include "host/file/workbook_file.h"
#include "host/model/cell_address.h"
#include "host/render/conditional_style.h"

#include <gtest/gtest.h>

namespace korvat::test {


const Worksheet* ReportSheet(PlanSession& session, const std::string& name) {
  return session.Host().Model().FindWorksheet(name);
}

CellValue At(const Worksheet& sheet, const std::string& address) {
  const auto cell = host::ParseCellAddress(address);
  EXPECT_TRUE(cell) << address;
  return cell ? sheet.Value(cell->row, cell->col) : CellValue::Empty();
}

double NumberAt(const Worksheet& sheet, const std::string& address) {
  const CellValue v = At(sheet, address);
  EXPECT_TRUE(v.IsNumber()) << sheet.Name() << "!" << address << " holds no number";
  return v.IsNumber() ? v.number : 0.0;
}

std::string TextAt(const Worksheet& sheet, const std::string& address) {
  const CellValue v = At(sheet, address);
  return v.IsText() ? v.text : std::string();
}

int ShownFontColour(const Worksheet& sheet, const std::string& address) {
  const auto cell = host::ParseCellAddress(address);
  if (!cell) return 0;
  const host::render::ConditionalStyles styles(sheet);
  return styles.Apply(cell->row, cell->col, sheet.Value(cell->row, cell->col), sheet.Style(cell->row, cell->col))
      .font.colorIndex;
}

int ChartCount(const Worksheet& sheet) {
  int charts = 0;
  for (const auto& shape : sheet.Shapes().InZOrder())
    if (shape->type == host::ShapeType::Chart) ++charts;
  return charts;
}

std::string SavedText(PlanSession& session) { return host::file::WorkbookToText(session.Host().Model()); }

int SheetCount(PlanSession& session) { return session.Host().Model().SheetCount(); }

}  // namespace korvat::test
