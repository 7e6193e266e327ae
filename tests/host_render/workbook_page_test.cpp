#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "host/file/workbook_file.h"
#include "host/model/workbook.h"
#include "host/render/sheet_layout.h"
#include "host/render/workbook_render.h"
#include "host_render/svg_probe.h"

namespace korvat::host::render {
namespace {

using testing::Count;

class WorkbookPage : public ::testing::Test {
 protected:
  void SetUp() override {
    wbs = book.AddWorksheet("WBS");
    wbs->codeName = "shWbs";
    settings = book.AddWorksheet("Settings");
    settings->visible = false;
    report = book.AddWorksheet("Report");
  }
  std::string Page(std::vector<std::string> sheets = {}) {
    RenderResult r = RenderWorkbookHtml(book, {std::move(sheets)});
    EXPECT_TRUE(r.ok()) << r.error;
    return r.text;
  }
  static size_t TabPosition(const std::string& page, const std::string& name) {
    return page.find("\">" + name + "</a>");
  }

  Workbook book;
  Worksheet* wbs = nullptr;
  Worksheet* settings = nullptr;
  Worksheet* report = nullptr;
};

TEST_F(WorkbookPage, ShowsEveryVisibleWorksheetInOrderByDefault) {
  std::string page = Page();
  EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(TabPosition(page, "WBS"), std::string::npos);
  EXPECT_NE(TabPosition(page, "Report"), std::string::npos);
  EXPECT_LT(TabPosition(page, "WBS"), TabPosition(page, "Report"));
  EXPECT_EQ(TabPosition(page, "Settings"), std::string::npos);
  EXPECT_EQ(Count(page, "<section class=\"sheet\""), 2u);
}

TEST_F(WorkbookPage, RequestedSheetsByNameOrCodeNameIncludingHiddenOnes) {
  std::string page = Page({"settings", "SHWBS", "WBS"});
  EXPECT_EQ(Count(page, "<section class=\"sheet\""), 2u);  // WBS asked for twice
  EXPECT_LT(TabPosition(page, "Settings"), TabPosition(page, "WBS"));
  EXPECT_EQ(TabPosition(page, "Report"), std::string::npos);
}

TEST_F(WorkbookPage, MissingSheetsGiveAnErrorNamingThem) {
  RenderResult r = RenderWorkbookHtml(book, {{"WBS", "Gantt"}});
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.error.find("\"Gantt\""), std::string::npos);
  EXPECT_TRUE(r.text.empty());

  wbs->visible = false;
  report->visible = false;
  r = RenderWorkbookHtml(book, {});
  EXPECT_FALSE(r.ok());
  EXPECT_NE(r.error.find("no visible worksheet"), std::string::npos);
}

TEST_F(WorkbookPage, IsSelfContained) {
  wbs->SetCellFromText(1, 1, "Task");
  std::string page = Page();
  size_t links = Count(page, "http");
  EXPECT_EQ(links, Count(page, "xmlns=\"http://www.w3.org/2000/svg\""));
  EXPECT_EQ(Count(page, " src="), 0u);
  EXPECT_EQ(Count(page, "<link"), 0u);
  EXPECT_EQ(Count(page, "url("), 0u);
}

TEST_F(WorkbookPage, NamesTheHostsDefaultFaceFirstThenItsMetricCompatibleTwin) {
  wbs->SetCellFromText(1, 1, "Task");
  std::string page = Page({"WBS"});
  // The page, the cells and the headings: Calibri where it is installed, else Carlito, whose
  // widths the renderer measured the texts in.
  EXPECT_NE(page.find("body{margin:0;padding:0;background:#fff;font-family:Calibri,Carlito,sans-serif}"), std::string::npos);
  EXPECT_EQ(Count(page, "<g font-family=\"Calibri, Carlito, sans-serif\" font-size=\"11\""), 1u);
  EXPECT_GE(Count(page, "<g font-family=\"Calibri, Carlito, sans-serif\" font-size=\"10\""), 2u);
}

TEST_F(WorkbookPage, LargeSheetsAreCutIntoBandsAndShapesAppearInEveryBandTheyReach) {
  for (int r = 1; r <= 1000; ++r) wbs->SetCellFromText(r, 1, "Task " + std::to_string(r));
  Shape& span = wbs->Shapes().AddAutoShape(1, 100, wbs->RowTop(199), 50, 30);  // rows 199..200 and 201
  wbs->Shapes().Rename(span, "Span");
  Shape& inside = wbs->Shapes().AddAutoShape(1, 100, wbs->RowTop(500), 50, 9);
  wbs->Shapes().Rename(inside, "Inside");
  std::string page = Page({"WBS"});
  SheetLayout layout(*wbs);
  size_t bands = static_cast<size_t>((layout.LastRow() + SheetLayout::kRowsPerBand - 1) / SheetLayout::kRowsPerBand);
  EXPECT_EQ(Count(page, "class=\"line band\""), bands);
  EXPECT_EQ(Count(page, "data-shape=\"Span\""), 2u);
  EXPECT_EQ(Count(page, "data-shape=\"Inside\""), 1u);
  EXPECT_EQ(Count(page, ">Task 1000<"), 1u);
  // Empty cells cost no element: one text per filled cell plus the headings.
  EXPECT_LT(Count(page, "<text"), 1000u + 1003u + 50u);
}

TEST_F(WorkbookPage, BandsUseSheetCoordinatesInTheirViewBoxes) {
  for (int r = 1; r <= 450; ++r) wbs->SetCellFromText(r, 1, "x");
  wbs->SetRowHeight(201, 30);
  std::string page = Page({"WBS"});
  // The second band starts at row 201's top.
  EXPECT_NE(page.find("viewBox=\"0 3000 "), std::string::npos);
  EXPECT_NE(page.find("viewBox=\"0 6015 "), std::string::npos);  // row 401: 200 rows of 15, one of 30
}

TEST(RenderFixture, TheBarsWorkbookDrawsItsBars) {
  const char* fixtures = std::getenv("KORVAT_FIXTURES");
  ASSERT_NE(fixtures, nullptr);
  auto loaded = file::LoadWorkbook(std::string(fixtures) + "/render/bars.json");
  ASSERT_TRUE(loaded.ok()) << loaded.error;
  RenderResult r = RenderWorkbookHtml(*loaded.workbook, {});
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(Count(r.text, "fill=\"#1f9e4a\""), 12u);
  EXPECT_EQ(Count(r.text, ">2024/01/03<"), 1u);  // B3
  EXPECT_EQ(Count(r.text, ">2024/01/04<"), 1u);  // the formula in C2
}

}  // namespace
}  // namespace korvat::host::render
