#include <gtest/gtest.h>

#include "host/model/range_transfer.h"
#include "host/model/workbook.h"

namespace korvat::host {
namespace {

TEST(FormulaThroughModel, ReadsAreCurrentAfterEveryWrite) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("Plan");
  ws->SetValue(1, 1, CellValue::Number(2));
  ws->SetValue(2, 1, CellValue::Number(3));
  ASSERT_TRUE(ws->SetFormula(3, 1, "=SUM(A1:A2)"));
  ASSERT_TRUE(ws->SetFormula(4, 1, "=A3*10"));
  EXPECT_TRUE(ws->HasFormula(3, 1));
  EXPECT_EQ(ws->Value(4, 1), CellValue::Number(50));
  ws->SetCellFromText(1, 1, "7");
  EXPECT_EQ(ws->Value(3, 1), CellValue::Number(10));
  EXPECT_EQ(ws->Value(4, 1), CellValue::Number(100));
  // Replacing the formula by a value drops it.
  ws->SetValue(3, 1, CellValue::Number(1));
  EXPECT_FALSE(ws->HasFormula(3, 1));
  EXPECT_EQ(ws->Value(4, 1), CellValue::Number(10));
}

TEST(FormulaThroughModel, OtherSheetsAndNamesResolve) {
  Workbook book;
  Worksheet* plan = book.AddWorksheet("Plan");
  Worksheet* settings = book.AddWorksheet("My Settings");
  settings->SetValue(3, 2, CellValue::Number(5));
  book.Names().Set("Rate", "'My Settings'!$B$3");
  plan->SetFormula(1, 1, "='My Settings'!B3+1");
  plan->SetFormula(1, 2, "=Rate*2");
  plan->SetFormula(1, 3, "=Missing!A1");
  EXPECT_EQ(plan->Value(1, 1), CellValue::Number(6));
  EXPECT_EQ(plan->Value(1, 2), CellValue::Number(10));
  EXPECT_TRUE(plan->Value(1, 3).IsError());

  auto resolved = book.ResolveReference("Rate", plan);
  ASSERT_TRUE(resolved.has_value());
  EXPECT_EQ(resolved->sheet, settings);
  EXPECT_EQ(resolved->range, (RangeRef{3, 2, 3, 2}));
  EXPECT_FALSE(book.ResolveReference("Nowhere!A1", plan).has_value());
}

TEST(FormulaThroughModel, CyclesGiveAnErrorValue) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet();
  ws->SetFormula(1, 1, "=B1+1");
  ws->SetFormula(1, 2, "=A1+1");
  ws->SetFormula(1, 3, "=C1");
  EXPECT_EQ(ws->Value(1, 1), CellValue::Error(CellError::Ref));
  EXPECT_EQ(ws->Value(1, 2), CellValue::Error(CellError::Ref));
  EXPECT_EQ(ws->Value(1, 3), CellValue::Error(CellError::Ref));
  // Breaking the cycle gives values again.
  ws->SetValue(1, 2, CellValue::Number(4));
  EXPECT_EQ(ws->Value(1, 1), CellValue::Number(5));
}

TEST(FormulaThroughModel, LongChainsEndInAnErrorNotACrash) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet();
  ws->SetValue(1, 1, CellValue::Number(1));
  const int n = 3000;
  for (int r = 2; r <= n; ++r) ws->SetFormula(r, 1, "=A" + std::to_string(r - 1) + "+1");
  // Reading bottom-up in small steps fills the cache, so each read stays shallow.
  for (int r = 2; r <= n; ++r) ws->Value(r, 1);
  EXPECT_EQ(ws->Value(n, 1), CellValue::Number(n));
  ws->SetValue(1, 1, CellValue::Number(2));
  EXPECT_EQ(ws->Value(n, 1), CellValue::Error(CellError::Ref));
}

TEST(CopyPaste, ShiftsRelativeReferencesAndCopiesStyles) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet();
  ws->SetValue(1, 1, CellValue::Number(1));
  ws->SetValue(2, 1, CellValue::Number(2));
  ws->SetFormula(1, 2, "=A1*10+$A$1");
  ws->MutableStyle(1, 2)->numberFormat = "0.00";
  ASSERT_TRUE(CopyRange(*ws, {1, 1, 1, 2}, *ws, 2, 3, PasteKind::All));
  EXPECT_EQ(ws->Formula(2, 4), "=C2*10+$A$1");
  EXPECT_EQ(ws->Style(2, 4).numberFormat, "0.00");
  EXPECT_EQ(ws->Value(2, 3), CellValue::Number(1));

  ASSERT_TRUE(CopyRange(*ws, {1, 2, 1, 2}, *ws, 2, 2, PasteKind::All));
  EXPECT_EQ(ws->Formula(2, 2), "=A2*10+$A$1");
  EXPECT_EQ(ws->Value(2, 2), CellValue::Number(21));
}

TEST(CopyPaste, ValuesOnlyKeepsDestinationFormatsAndDropsFormulas) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet();
  ws->SetValue(1, 1, CellValue::Number(4));
  ws->SetFormula(1, 2, "=A1*2");
  ws->MutableStyle(5, 2)->font.bold = true;
  ws->SetValue(5, 3, CellValue::Text("old"));
  ASSERT_TRUE(CopyRange(*ws, {1, 1, 1, 3}, *ws, 5, 1, PasteKind::Values));
  EXPECT_FALSE(ws->HasFormula(5, 2));
  EXPECT_EQ(ws->Value(5, 2), CellValue::Number(8));
  EXPECT_TRUE(ws->Style(5, 2).font.bold);
  EXPECT_TRUE(ws->Value(5, 3).IsEmpty());  // an empty source cell empties the destination
  EXPECT_FALSE(CopyRange(*ws, {1, 1, 1, 1}, *ws, 0, 1));
}

TEST(ClearRange, ContentsKeepFormatsClearDropsBoth) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet();
  ws->SetValue(2, 2, CellValue::Number(1));
  ws->MutableStyle(2, 2)->interior.colorIndex = 6;
  ws->ClearContents({2, 2, 2, 2});
  EXPECT_TRUE(ws->Value(2, 2).IsEmpty());
  EXPECT_EQ(ws->Style(2, 2).interior.colorIndex, 6);
  ws->Clear({1, 1, kMaxRows, kMaxColumns});
  EXPECT_EQ(ws->FindCell(2, 2), nullptr);
}

}  // namespace
}  // namespace korvat::host
