// Charts.Add and Chart as the report builder drives them: title, axes, type, source
// data, and Location onto a worksheet as a chart shape.

#include "host_fixture.h"
#include "support/hresult_matchers.h"

namespace korvat::test {
namespace {

class ChartTest : public HostTest {
 protected:
  std::string WorkbookText() const override {
    return R"({"format": "korvat-workbook", "version": 1,
      "sheets": [
        {"name": "WBS", "codeName": "wsWBS"},
        {"name": "EVM_20261201", "cells": {
          "B2": "Period", "C2": "PV", "D2": "EV",
          "B3": "2026/12/01", "C3": 10, "D3": 8,
          "B4": "2026/12/02", "C4": 20, "D4": 15}}]})";
  }
};

TEST_F(ChartTest, ChartsAddThenLocationEmbedsTheChart) {
  Ref report = Sheet("EVM_20261201");
  Ref chart;
  ASSERT_HR(GetValue(KV_W("o"), chart.Put(), book_.Get(), KV_W(".Charts.Add")), S_OK);
  EXPECT_EQ(host_->Model().SheetCount(), 3);
  ASSERT_HR(PutValue(chart.Get(), KV_W("HasTitle=%e"), -1.0), S_OK);
  ASSERT_HR(PutValue(chart.Get(), KV_W("ChartTitle.Characters.Text=%S"), KV_W("EVM report 20261201")), S_OK);
  ASSERT_HR(PutValue(chart.Get(), KV_W(".HasAxis(%d,%d)=%b"), 1, 1, 1), S_OK);
  ASSERT_HR(PutValue(chart.Get(), KV_W(".HasAxis(%d,%d)=%b"), 2, 1, 1), S_OK);
  ASSERT_HR(PutValue(chart.Get(), KV_W(".Axes(%d,%d).CategoryType=%d"), 1, 1, 2), S_OK);
  ASSERT_HR(PutValue(chart.Get(), KV_W(".ChartType = %d"), 65), S_OK);
  Ref source;
  ASSERT_HR(GetValue(KV_W("o"), source.Put(), report.Get(), KV_W(".Range(%s)"), "B2:D4"), S_OK);
  ASSERT_HR(CallMethod(chart.Get(), KV_W(".SetSourceData(%o,%d)"), source.Get(), 2), S_OK);
  ASSERT_HR(CallMethod(chart.Get(), KV_W(".Location(%d,%s)"), 2, "EVM_20261201"), S_OK);

  EXPECT_EQ(host_->Model().SheetCount(), 2);
  const host::Worksheet* sheet = host_->Model().FindWorksheet("EVM_20261201");
  ASSERT_EQ(sheet->Shapes().Count(), 1);
  const host::Shape& shape = *sheet->Shapes().At(0);
  ASSERT_EQ(shape.type, host::ShapeType::Chart);
  const host::Chart& c = *shape.chart;
  EXPECT_EQ(c.chartType, 65);
  EXPECT_TRUE(c.hasTitle);
  EXPECT_EQ(c.title, "EVM report 20261201");
  EXPECT_TRUE(c.Axis(1, 1)->exists);
  EXPECT_TRUE(c.Axis(2, 1)->exists);
  EXPECT_EQ(c.Axis(1, 1)->categoryType, 2);
  EXPECT_EQ(c.source, "EVM_20261201!$B$2:$D$4");
  ASSERT_EQ(c.series.size(), 2u);
  EXPECT_EQ(c.series[0].name, "PV");
  EXPECT_EQ(c.series[0].values, "EVM_20261201!$C$3:$C$4");
  EXPECT_EQ(c.series[1].categories, "EVM_20261201!$B$3:$B$4");

  // The caller reaches it as the sheet's shape by position and places it.
  Ref placed;
  ASSERT_HR(GetValue(KV_W("o"), placed.Put(), report.Get(), KV_W(".Shapes(%d)"), 1), S_OK);
  ASSERT_HR(PutValue(placed.Get(), KV_W("Left=%e"), 300.0), S_OK);
  ASSERT_HR(PutValue(placed.Get(), KV_W("Top=%e"), 40.0), S_OK);
  EXPECT_EQ(sheet->Shapes().At(0)->left, 300.0);
  EXPECT_EQ(Int(placed.Get(), KV_W("Chart.ChartType")), 65);
  // The chart object the caller still holds answers for the embedded chart.
  EXPECT_EQ(Text(chart.Get(), KV_W("ChartTitle.Text")), "EVM report 20261201");
}

TEST_F(ChartTest, LocationOnAMissingSheetFails) {
  Ref chart;
  ASSERT_HR(GetValue(KV_W("o"), chart.Put(), book_.Get(), KV_W(".Charts.Add")), S_OK);
  EXPECT_HR(CallMethod(chart.Get(), KV_W(".Location(%d,%s)"), 2, "NoSheet"), DISP_E_EXCEPTION);
  EXPECT_HR(PutValue(chart.Get(), KV_W(".HasAxis(%d,%d)=%b"), 3, 1, 1), DISP_E_EXCEPTION);
}

}  // namespace
}  // namespace korvat::test
