// The members a report sheet is built with, as the host answers them: columns fitted to
// their text in the host's text metrics, clearing a sheet with its conditional formats and
// shapes (charts too), copy and paste bringing formulas and conditional formats along, and
// a chart whose source is a range of two areas.

#include "host_fixture.h"
#include "support/hresult_matchers.h"

#include "host/model/column_fit.h"
#include "host/values/text_metrics.h"

namespace korvat::test {
namespace {

class ReportMembersTest : public HostTest {
 protected:
  std::string WorkbookText() const override {
    return R"({"format": "korvat-workbook", "version": 1,
      "application": {"activeSheet": "Report"},
      "sheets": [
        {"name": "WBS", "codeName": "wsWBS"},
        {"name": "Report", "cells": {
          "B2": "Period", "C2": "PV", "D2": "EV", "E2": "Label", "H2": "SPI", "I2": "CPI",
          "B3": "2026/11/30", "C3": 10, "D3": 8, "E3": {"v": "Bold and wide", "font": {"bold": true}},
          "H3": "=D3/C3", "I3": 0.5,
          "B4": "2026/12/07", "C4": 20, "D4": 15, "H4": "=D4/C4", "I4": 1.5,
          "F3": {"v": 1234.5678, "nf": "0.00"}, "G3": 1.23456789012}}]})";
  }
  void SetUp() override {
    HostTest::SetUp();
    report_ = Sheet("Report");
    ASSERT_TRUE(report_);
  }
  void TearDown() override {
    report_.Reset();
    HostTest::TearDown();
  }
  host::Worksheet& Model() { return *host_->Model().FindWorksheet("Report"); }
  Ref RangeAt(const char* address) {
    Ref range;
    GetValue(KV_W("o"), range.Put(), report_.Get(), KV_W(".Range(%s)"), address);
    return range;
  }

  Ref report_;
};

TEST_F(ReportMembersTest, AutoFitGivesEachColumnTheWidthOfItsWidestShownText) {
  ASSERT_HR(CallMethod(report_.Get(), KV_W(".Cells.EntireColumn.AutoFit")), S_OK);
  const host::Worksheet& ws = Model();
  const host::Font regular, bold{.bold = true};
  // The text as it is shown: the number format's text, a General number in full.
  struct Column {
    int col;
    const char* widest;
    const host::Font* font;
  };
  const Column columns[] = {{2, "2026/11/30", &regular}, {3, "PV", &regular},      {5, "Bold and wide", &bold},
                            {6, "1234.57", &regular},    {7, "1.23456789", &regular}, {8, "0.75", &regular}};
  for (const Column& c : columns) {
    const double fitted = ws.ColumnWidth(c.col);
    EXPECT_EQ(fitted, host::FittedWidth(c.widest, *c.font)) << c.col;
    // Room for the text in the host's whole-pixel layout and on the page, and no more
    // than a pixel beyond the wider of the two, besides the cell's 5 pixels.
    const host::FontSpec face{c.font->size, c.font->bold, c.font->italic};
    const double text = std::max(host::HostCellTextWidth(c.widest, face), host::TextWidth(c.widest, face));
    EXPECT_GE(fitted - host::kCellTextInsets, text) << c.col;
    EXPECT_LT(fitted - host::kCellTextInsets, text + 0.75) << c.col;
  }
  EXPECT_GT(ws.ColumnWidth(5), host::FittedWidth("Bold and wide", regular));
  EXPECT_EQ(ws.ColumnWidth(10), 48.0);  // an empty column keeps its width
  // Only whole columns fit.
  EXPECT_HR(CallMethod(RangeAt("B2:C3").Get(), KV_W(".AutoFit")), DISP_E_EXCEPTION);
}

TEST_F(ReportMembersTest, FittedWidthsTakeTheWidestLineAndStopAtTheHostsLimit) {
  const host::Font font;
  EXPECT_EQ(host::FittedWidth("", font), 0.0);
  EXPECT_EQ(host::FittedWidth("short\na longer line", font), host::FittedWidth("a longer line", font));
  EXPECT_EQ(host::FittedWidth(std::string(2000, 'W'), font), host::kMaxColumnPoints);
}

TEST_F(ReportMembersTest, CellsClearTakesTheConditionalFormatsAndKeepsTheShapesForTheirDelete) {
  Ref range = RangeAt("H3:H4");
  ASSERT_HR(CallMethod(range.Get(), KV_W(".FormatConditions.Add(%d,%d,%s)"), 1, 6, "1.0"), S_OK);
  host::ConditionalFormat wide;
  wide.range = *host::ParseRangeRef("A1:Z1048576");
  Model().ConditionalFormats().push_back(wide);  // reaches past the cleared part
  Ref chart;
  ASSERT_HR(GetValue(KV_W("o"), chart.Put(), book_.Get(), KV_W(".Charts.Add")), S_OK);
  ASSERT_HR(CallMethod(chart.Get(), KV_W(".Location(%d,%s)"), 2, "Report"), S_OK);
  Ref shape;
  ASSERT_HR(GetValue(KV_W("o"), shape.Put(), report_.Get(), KV_W(".Shapes.AddShape(%e,%e,%e,%e,%e)"), 1.0, 1.0, 1.0,
                     10.0, 10.0),
            S_OK);
  shape.Reset();

  ASSERT_HR(CallMethod(RangeAt("A1:Z100").Get(), KV_W(".Clear")), S_OK);
  ASSERT_EQ(Model().ConditionalFormats().size(), 1u);
  EXPECT_EQ(Model().ConditionalFormats()[0].range, wide.range);
  ASSERT_HR(CallMethod(report_.Get(), KV_W(".Cells.Clear")), S_OK);
  EXPECT_TRUE(Model().ConditionalFormats().empty());
  EXPECT_TRUE(Model().Cells().empty());
  EXPECT_EQ(Model().Shapes().Count(), 2);

  // Every shape, the embedded chart among them, enumerates and deletes.
  IEnumVARIANT* walk = nullptr;
  ASSERT_HR(EnumBegin(&walk, report_.Get(), KV_W(".Shapes")), S_OK);
  std::vector<Ref> shapes;
  IDispatch* next = nullptr;
  while (EnumNextObject(walk, &next) == S_OK) shapes.emplace_back(next);
  walk->Release();
  ASSERT_EQ(shapes.size(), 2u);
  EXPECT_EQ(Int(shapes[0].Get(), KV_W("HasChart")), -1);
  for (Ref& s : shapes) EXPECT_HR(CallMethod(s.Get(), KV_W("Delete")), S_OK);
  EXPECT_EQ(Model().Shapes().Count(), 0);
  EXPECT_HR(CallMethod(shapes[0].Get(), KV_W("Delete")), DISP_E_EXCEPTION);  // it is gone
}

TEST_F(ReportMembersTest, CopySelectPasteShiftsFormulasAndBringsTheConditionalFormats) {
  ASSERT_HR(CallMethod(RangeAt("H3:H4").Get(), KV_W(".FormatConditions.Add(%d,%d,%s)"), 1, 6, "1.0"), S_OK);
  ASSERT_HR(PutValue(RangeAt("H3:H4").Get(), KV_W(".FormatConditions(%d).font.ColorIndex=%d"), 1, 3), S_OK);
  Model().SetStyle(2, 2, [] {
    host::CellStyle s;
    s.interior.colorIndex = 35;
    return s;
  }());
  ASSERT_HR(CallMethod(report_.Get(), KV_W(".Range(%s).Copy"), "B2:I4"), S_OK);
  ASSERT_HR(CallMethod(report_.Get(), KV_W(".Cells(%d,%d).Select"), 8, 2), S_OK);
  ASSERT_HR(CallMethod(report_.Get(), KV_W(".Paste")), S_OK);
  const host::Worksheet& ws = Model();
  EXPECT_EQ(ws.Formula(9, 8), "=D9/C9");
  EXPECT_EQ(ws.Value(10, 8), host::CellValue::Number(0.75));
  EXPECT_EQ(ws.Value(9, 2), host::CellValue::Text("2026/11/30"));
  EXPECT_EQ(ws.Style(8, 2).interior.colorIndex, 35);
  ASSERT_EQ(ws.ConditionalFormats().size(), 2u);
  EXPECT_EQ(ws.ConditionalFormats()[1].range, *host::ParseRangeRef("H9:H10"));
  EXPECT_EQ(ws.ConditionalFormats()[1].fontColorIndex, 3);
  EXPECT_EQ(ws.ConditionalFormats()[1].formula1, "1.0");
}

TEST_F(ReportMembersTest, ARangeOfTwoAreasGivesAChartItsCategoriesAndOneSeriesPerColumn) {
  Ref areas = RangeAt("B2:B4,H2:I4");
  ASSERT_TRUE(areas);
  EXPECT_EQ(Text(areas.Get(), KV_W("Address")), "$B$2:$B$4,$H$2:$I$4");
  EXPECT_EQ(Int(areas.Get(), KV_W("Areas.Count")), 2);
  EXPECT_EQ(Int(areas.Get(), KV_W("Count")), 9);
  Ref second;
  ASSERT_HR(GetValue(KV_W("o"), second.Put(), areas.Get(), KV_W(".Areas(%d)"), 2), S_OK);
  EXPECT_EQ(Text(second.Get(), KV_W("Address")), "$H$2:$I$4");

  Ref chart;
  ASSERT_HR(GetValue(KV_W("o"), chart.Put(), book_.Get(), KV_W(".Charts.Add")), S_OK);
  ASSERT_HR(CallMethod(chart.Get(), KV_W(".SetSourceData(%o,%d)"), areas.Get(), 2), S_OK);
  ASSERT_HR(CallMethod(chart.Get(), KV_W(".Location(%d,%s)"), 2, "Report"), S_OK);
  const host::Chart& c = *Model().Shapes().At(0)->chart;
  EXPECT_EQ(c.source, "Report!$B$2:$B$4,Report!$H$2:$I$4");
  ASSERT_EQ(c.series.size(), 2u);
  EXPECT_EQ(c.series[0].name, "SPI");
  EXPECT_EQ(c.series[0].values, "Report!$H$3:$H$4");
  EXPECT_EQ(c.series[1].name, "CPI");
  EXPECT_EQ(c.series[1].values, "Report!$I$3:$I$4");
  EXPECT_EQ(c.series[1].categories, "Report!$B$3:$B$4");

  // Rows of a source plotted by rows, and areas that do not line up.
  Ref rows;
  ASSERT_HR(GetValue(KV_W("o"), rows.Put(), book_.Get(), KV_W(".Charts.Add")), S_OK);
  ASSERT_HR(CallMethod(rows.Get(), KV_W(".SetSourceData(%o,%d)"), RangeAt("B2:D4").Get(), 1), S_OK);
  EXPECT_HR(CallMethod(rows.Get(), KV_W(".SetSourceData(%o,%d)"), RangeAt("B2:B4,H3:I4").Get(), 2), DISP_E_EXCEPTION);
  EXPECT_HR(CallMethod(rows.Get(), KV_W(".SetSourceData(%o,%d)"), areas.Get(), 1), DISP_E_EXCEPTION);
  // A reference of areas on another sheet, or that is no reference, gives no range.
  Ref none;
  EXPECT_HR(GetValue(KV_W("o"), none.Put(), report_.Get(), KV_W(".Range(%s)"), "B2:B4,WBS!A1"), DISP_E_EXCEPTION);
  EXPECT_HR(GetValue(KV_W("o"), none.Put(), report_.Get(), KV_W(".Range(%s)"), "B2:B4,"), DISP_E_EXCEPTION);
}

TEST_F(ReportMembersTest, ReportFormatsThroughTheirMemberPaths) {
  Ref band = RangeAt("B2:I2");
  ASSERT_HR(PutValue(band.Get(), KV_W("Interior.ColorIndex=%e"), 35.0), S_OK);
  ASSERT_HR(PutValue(band.Get(), KV_W("Interior.Pattern=%e"), 1.0), S_OK);
  ASSERT_HR(PutValue(band.Get(), KV_W("HorizontalAlignment=%e"), -4108.0), S_OK);
  ASSERT_HR(PutValue(band.Get(), KV_W("VerticalAlignment=%e"), -4108.0), S_OK);
  for (int index : {7, 8, 9, 10, 11, 12}) {
    ASSERT_HR(PutValue(band.Get(), KV_W("Borders(%d).LineStyle=%e"), index, 1.0), S_OK) << index;
    ASSERT_HR(PutValue(band.Get(), KV_W("Borders(%d).Weight=%e"), index, index < 11 ? -4138.0 : 2.0), S_OK) << index;
    ASSERT_HR(PutValue(band.Get(), KV_W("Borders(%d).ColorIndex=%e"), index, -4105.0), S_OK) << index;
  }
  for (int index : {5, 6}) ASSERT_HR(PutValue(band.Get(), KV_W("Borders(%d).LineStyle=%e"), index, -4142.0), S_OK);
  ASSERT_HR(PutValue(RangeAt("C3:I4").Get(), KV_W(".NumberFormatLocal=%s"), "0.00_ "), S_OK);
  ASSERT_HR(PutValue(report_.Get(), KV_W(".Columns(%d).ColumnWidth = %d"), 1, 1), S_OK);
  const host::Worksheet& ws = Model();
  EXPECT_EQ(ws.Style(2, 5).interior.colorIndex, 35);
  EXPECT_EQ(ws.Style(2, 5).interior.pattern, 1);
  EXPECT_EQ(ws.Style(2, 5).verticalAlignment, -4108);
  EXPECT_EQ(ws.Style(2, 5).border(host::Edge::Right).weight, 2);   // inside vertical
  EXPECT_EQ(ws.Style(2, 9).border(host::Edge::Right).weight, -4138);
  EXPECT_EQ(ws.Style(2, 9).border(host::Edge::Right).colorIndex, -4105);
  EXPECT_EQ(ws.Style(4, 3).numberFormat, "0.00_ ");
  EXPECT_EQ(Text(RangeAt("C3").Get(), KV_W("Text")), "10.00 ");
  EXPECT_EQ(ws.ColumnWidth(1), 9.0);
  EXPECT_EQ(Number(RangeAt("A1").Get(), KV_W("ColumnWidth")), 1.0);
}

}  // namespace
}  // namespace korvat::test
