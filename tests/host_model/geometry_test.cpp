#include <gtest/gtest.h>

#include "host/model/workbook.h"

namespace korvat::host {
namespace {

TEST(SheetGeometry, DefaultsAreFortyEightByFifteenPoints) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet();
  EXPECT_EQ(ws->ColumnLeft(1), 0.0);
  EXPECT_EQ(ws->ColumnLeft(4), 3 * 48.0);
  EXPECT_EQ(ws->RowTop(10000), 9999 * 15.0);
  EXPECT_EQ(ws->ColumnWidth(kMaxColumns), 48.0);
}

TEST(SheetGeometry, HiddenColumnsAndRowsCountAsZero) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet();
  ws->SetColumnWidth(2, 100);
  ws->SetColumnHidden(3, true);
  ws->SetColumnWidth(900, 10);
  struct Case {
    int col;
    double left;
  } cases[] = {{1, 0}, {2, 48}, {3, 148}, {4, 148}, {5, 196}, {900, 148 + 48 * 896}, {901, 148 + 48 * 896 + 10}};
  for (const auto& c : cases) EXPECT_EQ(ws->ColumnLeft(c.col), c.left) << "column " << c.col;
  EXPECT_EQ(ws->ColumnWidth(3), 0.0);
  EXPECT_EQ(ws->Columns().Size(3), 48.0);  // the width survives hiding
  ws->SetColumnHidden(3, false);
  EXPECT_EQ(ws->ColumnLeft(4), 196.0);

  ws->SetRowHidden(2, true);
  ws->SetRowHidden(3, true);
  ws->SetRowHeight(5, 30);
  EXPECT_EQ(ws->RowTop(4), 15.0);
  EXPECT_EQ(ws->RowTop(6), 15.0 + 15 + 30);
  EXPECT_EQ(ws->RowTop(8000), 15.0 * 7996 + 30);  // rows 2 and 3 hidden, row 5 double
}

TEST(SheetGeometry, IndexAtFindsTheVisibleRowUnderAPoint) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet();
  ws->SetRowHidden(2, true);
  EXPECT_EQ(ws->Rows().IndexAt(0), 1);
  EXPECT_EQ(ws->Rows().IndexAt(14.9), 1);
  EXPECT_EQ(ws->Rows().IndexAt(15), 3);  // row 2 has no height
  EXPECT_EQ(ws->Rows().IndexAt(31), 4);
}

TEST(SheetGeometry, ManyUpdatesInterleavedWithLookupsStayExact) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet();
  double expected = 0;
  for (int c = 1; c <= 1000; ++c) {
    if (c % 7 == 0) ws->SetColumnHidden(c, true);
    else if (c % 3 == 0) ws->SetColumnWidth(c, 12);
    EXPECT_EQ(ws->ColumnLeft(c), expected) << "column " << c;
    expected += c % 7 == 0 ? 0 : c % 3 == 0 ? 12 : 48;
  }
  EXPECT_EQ(ws->ColumnLeft(1001), expected);
}

}  // namespace
}  // namespace korvat::host
