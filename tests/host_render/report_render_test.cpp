// A report sheet as the page shows it: indented task names keep their blanks, figures
// their "0.00_ " format, warnings their red font, and the embedded line chart its lines
// with markers up to the last period that holds a value.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "host/model/workbook.h"
#include "host/render/workbook_render.h"
#include "host_render/svg_probe.h"

namespace korvat::host::render {
namespace {

using testing::Attribute;
using testing::Count;
using testing::ElementAround;
using testing::ShapeGroup;
using testing::Texts;

class ReportRender : public ::testing::Test {
 protected:
  void SetUp() override {
    sheet = book.AddWorksheet("EVM2_20261208");
    const char* keys[] = {"2026/11/30", "2026/12/07", "2026/12/14"};
    const double pv[] = {1910, 4805, 5195}, ev[] = {1595, 1660};
    for (int i = 0; i < 3; ++i) {
      sheet->SetCellFromText(3 + i, 2, std::string("'") + keys[i]);
      sheet->SetValue(3 + i, 3, CellValue::Number(pv[i]));
      if (i < 2) sheet->SetValue(3 + i, 4, CellValue::Number(ev[i]));
      sheet->SetFormula(3 + i, 6, "=IF(ISERROR(D" + std::to_string(3 + i) + "-C" + std::to_string(3 + i) +
                                      "),\"\",D" + std::to_string(3 + i) + "-C" + std::to_string(3 + i) + ")");
      for (int c = 3; c <= 6; ++c) sheet->MutableStyle(3 + i, c)->numberFormat = "0.00_ ";
    }
    sheet->SetValue(2, 3, CellValue::Text("Planned value"));
    sheet->SetValue(2, 4, CellValue::Text("Earned value"));
    sheet->SetValue(7, 2, CellValue::Text("        1.1.1Bricks"));
    sheet->SetColumnWidth(3, 80);
    sheet->SetColumnWidth(6, 80);
    ConditionalFormat red;
    red.range = *ParseRangeRef("F3:F5");
    red.op = 6;
    red.formula1 = "0.0";
    red.fontColorIndex = 3;
    sheet->ConditionalFormats().push_back(red);
    auto chart = std::make_shared<Chart>();
    chart->chartType = 65;
    chart->hasTitle = true;
    chart->title = "EVM report 20261208";
    chart->Axis(1, 1)->exists = true;
    chart->Axis(1, 1)->categoryType = 2;
    chart->Axis(2, 1)->exists = true;
    const std::string categories = "EVM2_20261208!$B$3:$B$5";
    chart->series = {{"Planned value", "EVM2_20261208!$C$3:$C$5", categories},
                     {"Earned value", "EVM2_20261208!$D$3:$D$5", categories}};
    Shape& shape = sheet->Shapes().AddChart(chart, 9, 150, 360, 216);
    sheet->Shapes().Rename(shape, "Chart 1");
  }

  std::string Render() {
    RenderResult r = RenderSheetSvg(book, "EVM2_20261208");
    EXPECT_TRUE(r.ok()) << r.error;
    return r.text;
  }

  Workbook book;
  Worksheet* sheet = nullptr;
};

TEST_F(ReportRender, FiguresShowTheirFormatWarningsTheirRedAndNamesTheirIndent) {
  const std::string svg = Render();
  const auto texts = Texts(svg);
  for (const char* shown : {"1910.00 ", "1595.00 ", "-315.00 ", "2026/11/30", "        1.1.1Bricks"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), shown), texts.end()) << shown;
  EXPECT_EQ(Attribute(ElementAround(svg, ">-315.00 <"), "fill"), "#ff0000");
  EXPECT_EQ(Attribute(ElementAround(svg, ">-3145.00 <"), "fill"), "#ff0000");
  EXPECT_EQ(Attribute(ElementAround(svg, ">1910.00 <"), "fill"), "");
  // The page keeps the blanks of an indented name and the one the format adds.
  EXPECT_EQ(Attribute(ElementAround(svg, ">        1.1.1Bricks<"), "xml:space"), "preserve");
  EXPECT_EQ(Attribute(ElementAround(svg, ">1910.00 <"), "xml:space"), "preserve");
  EXPECT_EQ(Attribute(ElementAround(svg, ">Planned value<"), "xml:space"), "");
}

TEST_F(ReportRender, TheChartDrawsItsLinesWithMarkersOverThePeriodKeys) {
  const std::string group = ShapeGroup(Render(), "Chart 1");
  ASSERT_FALSE(group.empty());
  const auto texts = Texts(group);
  for (const char* expected : {"EVM report 20261208", "Planned value", "Earned value", "2026/11/30", "2026/12/14", "0"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
  const std::string planned = group.substr(group.find("data-series=\"Planned value\""));
  EXPECT_EQ(Count(Attribute(ElementAround(planned, "<path"), "d"), "L"), 2u);  // three points
  const std::string earned = group.substr(group.find("data-series=\"Earned value\""));
  EXPECT_EQ(Count(Attribute(ElementAround(earned, "<path"), "d"), "L"), 1u);  // the last period holds none
  EXPECT_EQ(Count(earned.substr(0, earned.find("</g></g>")), "<circle"), 2u);
}

}  // namespace
}  // namespace korvat::host::render
