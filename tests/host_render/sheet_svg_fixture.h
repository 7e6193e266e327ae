#pragma once
// A workbook with one worksheet "Plan" rendered as a standalone SVG, and where sheet
// coordinates land in it (the headings shift everything right and down).

#include <gtest/gtest.h>

#include <string>

#include "host/model/workbook.h"
#include "host/render/sheet_layout.h"
#include "host/render/svg_text.h"
#include "host/render/workbook_render.h"

namespace korvat::host::render::testing {

class SheetSvgTest : public ::testing::Test {
 protected:
  void SetUp() override { sheet = book.AddWorksheet("Plan"); }

  std::string Render() {
    RenderResult r = RenderSheetSvg(book, "Plan");
    EXPECT_TRUE(r.ok()) << r.error;
    return r.text;
  }
  double Left() { return SheetLayout(*sheet).HeadingWidth(); }
  double Top() { return SheetLayout::kHeadingHeight; }
  std::string X(double sheetX) { return Num(Left() + sheetX); }
  std::string Y(double sheetY) { return Num(Top() + sheetY); }

  Workbook book;
  Worksheet* sheet = nullptr;
};

}  // namespace korvat::host::render::testing
