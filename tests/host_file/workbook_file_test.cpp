#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "host/file/workbook_file.h"

namespace korvat::host::file {
namespace {

std::unique_ptr<Workbook> RichWorkbook() {
  auto book = std::make_unique<Workbook>();
  Worksheet* ws = book->AddWorksheet("WBS");
  ws->codeName = "Sheet1";
  ws->SetValue(1, 1, CellValue::Number(42));
  ws->SetValue(1, 2, CellValue::Text("Task"));
  ws->SetValue(1, 3, CellValue::Boolean(true));
  ws->SetValue(1, 4, CellValue::Text("=not a formula"));
  ws->SetValue(1, 5, CellValue::Error(CellError::NA));
  ws->SetValue(2, 1, CellValue::Number(0.375));
  ws->SetFormula(3, 1, "=SUM(A1:A2)");
  CellStyle* s = ws->MutableStyle(2, 1);
  s->numberFormat = "hh:mm";
  s->border(Edge::Right) = {1, 4, 3};
  s->interior = {6, 1, 10, 0x00FFFF};
  s->font.name = "Meiryo UI";
  s->font.size = 9.5;
  s->font.bold = true;
  s->horizontalAlignment = -4108;
  ws->SetColumnWidth(2, 120.5);
  ws->SetColumnHidden(7, true);
  ws->SetRowHeight(5, 30);
  ws->SetRowHidden(9, true);
  ws->Names().Set("LocalName", "$A$1");
  ws->ConditionalFormats().push_back({{3, 2, 9, 2}, 1, 6, "0.0", "", 3, kNone});
  Shape& bar = ws->Shapes().AddAutoShape(5, 100, 20.25, 60, 9);
  ws->Shapes().Rename(bar, "GanntBar3");
  bar.fill.foreColor = 0x123456;
  bar.fill.transparency = 0.5;
  bar.line.dashStyle = 4;
  bar.line.endArrowheadStyle = 2;
  bar.textFrame.text = "Design";
  bar.textFrame.fontSize = 8;
  bar.adjustments = {0.25, 0.1};
  bar.placement = kPlacementMoveAndSize;
  Shape& box = ws->Shapes().AddTextBox(10, 10, 50, 12);
  Shape& link = ws->Shapes().AddConnector(2, 0, 0, 1, 1);
  ws->Shapes().Connect(link, true, bar, 4);
  ws->Shapes().Connect(link, false, box, 1);
  ws->Shapes().AddFreeform({{0, 0, 10, 10}, {0, 1, 20, 15}, {0, 0, 10, 20}});
  auto chart = std::make_shared<Chart>();
  chart->chartType = 65;
  chart->source = "WBS!$A$1:$B$3";
  chart->plotBy = kPlotByRows;
  chart->hasTitle = true;
  chart->title = "EVM";
  chart->series.push_back({"PV", "WBS!$B$2:$B$3", "WBS!$A$2:$A$3"});
  chart->Axis(1, 1)->exists = true;
  chart->Axis(1, 1)->categoryType = 2;
  chart->Axis(2, 1)->exists = true;
  ws->Shapes().AddChart(chart, 10, 300, 360, 216);
  ChartSheet* cs = book->AddChartSheet("Chart1");
  cs->GetChart().title = "unused";
  book->AddWorksheet("Settings")->visible = false;
  book->Names().Set("WSFirstCol", "Settings!$B$3");
  book->App().activeSheet = "WBS";
  book->App().selectionSheet = "WBS";
  book->App().selection = "B5:C6";
  book->App().zoom = 85;
  return book;
}

TEST(WorkbookFile, RoundTripKeepsEverythingAndTheText) {
  auto book = RichWorkbook();
  const std::string text = WorkbookToText(*book);
  LoadResult loaded = LoadWorkbookFromText(text);
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  EXPECT_EQ(WorkbookToText(*loaded.workbook), text);

  Workbook& b = *loaded.workbook;
  Worksheet* ws = b.FindWorksheet("WBS");
  ASSERT_NE(ws, nullptr);
  EXPECT_EQ(ws->Value(3, 1), CellValue::Number(42.375));
  EXPECT_EQ(ws->Value(1, 4), CellValue::Text("=not a formula"));
  EXPECT_EQ(ws->Value(1, 5), CellValue::Error(CellError::NA));
  EXPECT_EQ(ws->Style(2, 1), book->FindWorksheet("WBS")->Style(2, 1));
  EXPECT_EQ(ws->ColumnLeft(3), 48 + 120.5);
  EXPECT_TRUE(ws->Rows().Hidden(9));
  Shape* bar = ws->Shapes().Find("ganntbar3");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->adjustments, (std::vector<double>{0.25, 0.1}));
  EXPECT_EQ(bar->textFrame.text, "Design");
  const Shape* link = ws->Shapes().At(2);
  EXPECT_EQ(link->beginConnection.shapeId, bar->id);
  EXPECT_EQ(ws->Shapes().At(3)->nodes.size(), 3u);
  EXPECT_EQ(ws->Shapes().At(4)->chart->series.at(0).categories, "WBS!$A$2:$A$3");
  EXPECT_EQ(ws->Shapes().At(4)->chart->Axis(1, 1)->categoryType, 2);
  EXPECT_EQ(b.SheetAt(1)->Kind(), SheetKind::ChartSheet);
  EXPECT_FALSE(b.SheetAt(2)->visible);
  EXPECT_EQ(b.App().zoom, 85);
  EXPECT_EQ(*b.Names().Find("wsfirstcol"), "Settings!$B$3");
}

TEST(WorkbookFile, HandWrittenShortFormsLoadAndSaveCanonically) {
  const char* text = R"({"format": "korvat-workbook", "version": 1,
    "sheets": [{"name": "S", "cells": {"A10": 1, "B2": "x", "A2": "=A10*2", "C1": {"v": 0.5, "nf": "0%"}},
                "rows": {"3": {"hidden": true}}}]})";
  LoadResult loaded = LoadWorkbookFromText(text);
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  Worksheet* ws = loaded.workbook->FindWorksheet("S");
  EXPECT_EQ(ws->Value(2, 1), CellValue::Number(2));
  const std::string saved = WorkbookToText(*loaded.workbook);
  // Row-major order: C1, A2, B2, A10.
  EXPECT_LT(saved.find("\"C1\""), saved.find("\"A2\""));
  EXPECT_LT(saved.find("\"B2\""), saved.find("\"A10\""));
  EXPECT_EQ(WorkbookToText(*LoadWorkbookFromText(saved).workbook), saved);
}

// A cell record that ends up holding nothing (a format write the host refused half-way)
// is left out, so the saved text loads back to itself.
TEST(WorkbookFile, CellRecordsHoldingNothingAreNotSaved) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  ws->SetValue(1, 1, CellValue::Number(1));
  ASSERT_NE(ws->MutableStyle(2, 2), nullptr);
  const std::string saved = WorkbookToText(book);
  EXPECT_EQ(saved.find("\"B2\""), std::string::npos) << saved;
  LoadResult loaded = LoadWorkbookFromText(saved);
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  EXPECT_EQ(WorkbookToText(*loaded.workbook), saved);
}

// The same formats in the old form (each cell with its style) and the new (a style table and
// blocks): both load to the same sheet, which saves in the new form.
TEST(WorkbookFile, OldAndNewFormsOfFormatsLoadAlike) {
  const char* oldForm = R"({"format": "korvat-workbook", "version": 1,
    "sheets": [{"name": "S", "cells": {
      "B2": {"fill": {"color": 6, "pattern": 1}}, "C2": {"v": 4, "fill": {"color": 6, "pattern": 1}},
      "B3": {"fill": {"color": 6, "pattern": 1}}, "C3": {"fill": {"color": 6, "pattern": 1}, "nf": "0%"},
      "A5": {"v": "plain"}}}]})";
  const char* newForm = R"({"format": "korvat-workbook", "version": 1,
    "styles": [{"fill": {"color": 6, "pattern": 1}}, {"fill": {"color": 6, "pattern": 1}, "nf": "0%"}],
    "sheets": [{"name": "S", "formats": {"B2:B3": 0, "C2": 0, "C3": 1}, "cells": {"C2": 4, "A5": "plain"}}]})";
  LoadResult a = LoadWorkbookFromText(oldForm);
  LoadResult b = LoadWorkbookFromText(newForm);
  ASSERT_TRUE(a.ok()) << a.error;
  ASSERT_TRUE(b.ok()) << b.error;
  const Worksheet& wa = *a.workbook->FindWorksheet("S");
  const Worksheet& wb = *b.workbook->FindWorksheet("S");
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 4; ++c) {
      EXPECT_EQ(wa.Style(r, c), wb.Style(r, c)) << FormatCellAddress(r, c);
      EXPECT_EQ(wa.Value(r, c), wb.Value(r, c)) << FormatCellAddress(r, c);
    }
  EXPECT_EQ(wa.Style(3, 3).numberFormat, "0%");
  EXPECT_EQ(wa.Style(2, 3).interior.colorIndex, 6);
  const std::string saved = WorkbookToText(*a.workbook);
  EXPECT_EQ(WorkbookToText(*b.workbook), saved);
  EXPECT_NE(saved.find("\"styles\""), std::string::npos);
  EXPECT_NE(saved.find("\"B2:B3\": 0"), std::string::npos) << saved;
  EXPECT_EQ(WorkbookToText(*LoadWorkbookFromText(saved).workbook), saved);
}

TEST(WorkbookFile, AFormatAcrossTheSheetSavesAsAFewBlocks) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("WBS");
  CellStyle grey;
  grey.interior.colorIndex = 15;
  grey.border(Edge::Left) = {1, 2, -4105};
  ws->SetStyles(*ParseRangeRef("K4:XFD10000"), grey);
  ws->SetStyles(*ParseRangeRef("3:3"), CellStyle{.numberFormat = "@"});
  ws->MutableStyle(9, 12)->font.bold = true;  // a cell's own style inside the block
  const std::string text = WorkbookToText(book);
  EXPECT_LT(text.size(), 2000u) << text;
  LoadResult loaded = LoadWorkbookFromText(text);
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  const Worksheet& back = *loaded.workbook->FindWorksheet("WBS");
  for (const auto& [r, c] : std::vector<std::pair<int, int>>{{4, 11}, {10000, 16384}, {9, 12}, {3, 1}, {3, 16384},
                                                             {10001, 11}, {4, 10}, {9, 13}})
    EXPECT_EQ(back.Style(r, c), ws->Style(r, c)) << FormatCellAddress(r, c);
  EXPECT_TRUE(back.Style(9, 12).font.bold);
  EXPECT_EQ(WorkbookToText(*loaded.workbook), text);
}

TEST(WorkbookFile, SaveAndLoadThroughAFile) {
  auto book = RichWorkbook();
  const std::string path = testing::TempDir() + "host_model_roundtrip.json";
  std::string error;
  ASSERT_TRUE(SaveWorkbook(*book, path, &error)) << error;
  LoadResult loaded = LoadWorkbook(path);
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  EXPECT_EQ(WorkbookToText(*loaded.workbook), WorkbookToText(*book));
  std::remove(path.c_str());
  LoadResult missing = LoadWorkbook(path);
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.error.find("cannot open"), std::string::npos);
}

struct MalformedCase {
  const char* sheetJson;  // put into "sheets": [ {"name": "A"}, {"name": "B"}, <this> ]
  const char* expectedError;
};

TEST(WorkbookFile, MalformedFilesNameThePlace) {
  const MalformedCase cases[] = {
      {R"({"name": "C", "cells": {"B7": {"b": {"left": {"weight": "thick"}}}}})",
       "sheets[2].cells.B7.b.left.weight: expected a number"},
      {R"({"name": "C", "cells": {"B7": {"b": {"diagonal": {}}}}})",
       "sheets[2].cells.B7.b.diagonal: unknown edge"},
      {R"({"name": "C", "rows": {"-3": {"height": 20}}})", "sheets[2].rows.-3: not a row number"},
      {R"({"name": "C", "rows": {"4": {"height": -1}}})", "sheets[2].rows.4.height: must be from 0 to 409.5 points"},
      {R"({"name": "C", "rows": {"4": {"height": 410}}})", "sheets[2].rows.4.height: must be from 0 to 409.5 points"},
      {R"({"name": "C", "columns": {"B": {"width": 1.7e308}}})",
       "sheets[2].columns.B.width: must be from 0 to 1342.5 points"},
      {R"({"name": "C", "cells": {"7B": 1}})", "sheets[2].cells.7B: not a cell address"},
      {R"({"name": "C", "cells": {"A1": null}})", "sheets[2].cells.A1: expected an object"},
      {R"({"name": "C", "cells": {"A1": {"e": "#OOPS"}}})", "sheets[2].cells.A1.e: unknown error value"},
      {R"({"name": "C", "columns": {"B": {"width": 10, "hiden": true}}})",
       "sheets[2].columns.B: unknown member \"hiden\""},
      {R"({"name": "a"})", "sheets[2].name: another sheet has the name"},
      {R"({"cells": {}})", "sheets[2]: a sheet needs a name"},
      {R"({"name": "C", "shapes": [{"type": "blob"}]})", "sheets[2].shapes[0].type: unknown shape type"},
      {R"({"name": "C", "shapes": [{"type": "autoshape", "fill": {"foreColor": "red"}}]})",
       "sheets[2].shapes[0].fill.foreColor: expected a colour"},
      {R"({"name": "C", "shapes": [{"type": "connector", "begin": {"shape": "Nope", "site": 1}}]})",
       "sheets[2].shapes[0].begin.shape: no other shape of the sheet is named \"Nope\""},
      {R"({"name": "C", "shapes": [{"type": "freeform", "nodes": [[1, 2, 3]]}]})",
       "sheets[2].shapes[0].nodes[0]: expected [x, y]"},
      {R"({"name": "C", "shapes": [{"type": "chart", "chart": {"axes": [{"type": "z"}]}}]})",
       "sheets[2].shapes[0].chart.axes[0].type: expected"},
      {R"({"name": "C", "kind": "pivot"})", "sheets[2].kind: expected"},
      {R"([1, 2])", "sheets[2]: expected an object"},
      {R"({"name": "C", "formats": {"B2:C3": 0}})", "sheets[2].formats.B2:C3: style 0 is not in the workbook's styles"},
      {R"({"name": "C", "formats": {"B2:": 0}})", "sheets[2].formats.B2:: not a range"},
      {R"({"name": "C", "formats": {"B2": "x"}})", "sheets[2].formats.B2: expected"},
  };
  for (const auto& c : cases) {
    const std::string text = std::string(R"({"format": "korvat-workbook", "version": 1, "sheets": [)") +
                             R"({"name": "A"}, {"name": "B"}, )" + c.sheetJson + "]}";
    LoadResult r = LoadWorkbookFromText(text);
    EXPECT_FALSE(r.ok()) << c.sheetJson;
    EXPECT_EQ(r.error.rfind(c.expectedError, 0), 0u) << "got: " << r.error;
  }
}

TEST(WorkbookFile, BrokenDocumentsGiveMessagesNotCrashes) {
  struct Case {
    std::string text;
    const char* expected;
  } cases[] = {
      {"{\"format\": \"korvat-workbook\", \"version\": 1, \"sheets\": [", "not valid JSON"},
      {"", "not valid JSON"},
      {"[]", "(top level): expected an object"},
      {R"({"format": "other", "version": 1, "sheets": []})", "format: expected \"korvat-workbook\""},
      {R"({"format": "korvat-workbook", "version": 2, "sheets": []})", "version: unsupported"},
      {R"({"format": "korvat-workbook", "version": 1})", "(top level): missing member \"sheets\""},
      {R"({"format": "korvat-workbook", "version": 1, "sheets": [], "names": {"X": 3}})",
       "names.X: expected a text"},
      {R"({"format": "korvat-workbook", "version": 1, "sheets": [], "application": {"zoom": "big"}})",
       "application.zoom: expected a number"},
      {std::string(R"({"format": "korvat-workbook", "version": 1, "sheets": [{"name": ")") + "\xff\xfe" + "\"}]}",
       "not valid JSON"},
  };
  for (const auto& c : cases) {
    LoadResult r = LoadWorkbookFromText(c.text);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find(c.expected), std::string::npos) << "got: " << r.error;
  }
}

}  // namespace
}  // namespace korvat::host::file
