#include <gtest/gtest.h>

#include "host/model/cell_address.h"
#include "host/model/cell_text_input.h"
#include "host/model/workbook.h"

namespace korvat::host {
namespace {

struct TextCase {
  const char* text;
  CellValue expected;
};

TEST(CellTextInput, ValueWriteRulesFollowTheHost) {
  const TextCase cases[] = {
      {"42", CellValue::Number(42)},
      {" -1.5e3 ", CellValue::Number(-1500)},
      {".5", CellValue::Number(0.5)},
      {"+7", CellValue::Number(7)},
      {"1e", CellValue::Text("1e")},
      {"1.2.3", CellValue::Text("1.2.3")},
      {"'42", CellValue::Text("42")},
      {"'", CellValue::Text("")},
      {"''x", CellValue::Text("'x")},
      {"TRUE", CellValue::Boolean(true)},
      {"false", CellValue::Boolean(false)},
      {"'TRUE", CellValue::Text("TRUE")},
      {"", CellValue::Empty()},
      {"=A1", CellValue::Text("=A1")},  // a Value write never makes a formula
      {"2024/01/05", CellValue::Text("2024/01/05")},
  };
  for (const auto& c : cases) EXPECT_EQ(ValueFromText(c.text), c.expected) << "text: " << c.text;
}

TEST(CellTextInput, FormulaWriteMakesFormulaOnlyForLeadingEquals) {
  EXPECT_EQ(InputFromFormulaText("=SUM(A1:A3)").formula, "=SUM(A1:A3)");
  EXPECT_FALSE(InputFromFormulaText("=").IsFormula());
  EXPECT_FALSE(InputFromFormulaText("12").IsFormula());
  EXPECT_EQ(InputFromFormulaText("12").value, CellValue::Number(12));
}

TEST(CellTextInput, SheetWritesStoreParsedValues) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("Plan");
  ASSERT_NE(ws, nullptr);
  EXPECT_TRUE(ws->SetCellFromText(2, 3, "3.25"));
  EXPECT_EQ(ws->Value(2, 3), CellValue::Number(3.25));
  EXPECT_TRUE(ws->SetCellFromText(2, 3, "'3.25"));
  EXPECT_EQ(ws->Value(2, 3), CellValue::Text("3.25"));
  EXPECT_FALSE(ws->SetCellFromText(0, 3, "x"));
  EXPECT_FALSE(ws->SetCellFromText(1, kMaxColumns + 1, "x"));
  // Emptying an unformatted cell removes it from the store.
  EXPECT_TRUE(ws->SetCellFromText(2, 3, ""));
  EXPECT_EQ(ws->FindCell(2, 3), nullptr);
  EXPECT_EQ(ws->LastUsedRow(), 0);
}

TEST(CellTextInput, TextFormattedCellsKeepWhatIsWritten) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("Plan");
  ws->MutableStyle(6, 1)->numberFormat = "@";
  EXPECT_TRUE(ws->SetCellFromText(6, 1, "1.10"));
  EXPECT_EQ(ws->Value(6, 1), CellValue::Text("1.10"));
  EXPECT_TRUE(ws->SetCellFromText(6, 1, "TRUE"));
  EXPECT_EQ(ws->Value(6, 1), CellValue::Text("TRUE"));
  EXPECT_TRUE(ws->SetCellFromText(6, 1, "'2"));
  EXPECT_EQ(ws->Value(6, 1), CellValue::Text("2"));
  EXPECT_TRUE(ws->SetCellFromText(7, 1, "1.10"));  // an unformatted neighbour reads a number
  EXPECT_EQ(ws->Value(7, 1), CellValue::Number(1.1));
}

struct RangeCase {
  const char* text;
  bool ok;
  RangeRef range;
};

TEST(CellAddress, ParsesTheReferenceForms) {
  const RangeCase cases[] = {
      {"B7", true, {7, 2, 7, 2}},
      {"$B$7", true, {7, 2, 7, 2}},
      {"c3:a1", true, {1, 1, 3, 3}},
      {"B:D", true, {1, 2, kMaxRows, 4}},
      {"5:7", true, {5, 1, 7, kMaxColumns}},
      {"XFD1048576", true, {kMaxRows, kMaxColumns, kMaxRows, kMaxColumns}},
      {"XFE1", false, {}},
      {"A0", false, {}},
      {"A1048577", false, {}},
      {"WSFirstCol", false, {}},
      {"B", false, {}},
      {"", false, {}},
  };
  for (const auto& c : cases) {
    auto r = ParseRangeRef(c.text);
    ASSERT_EQ(r.has_value(), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(*r, c.range) << c.text;
    }
  }
  EXPECT_EQ(FormatRangeRef({1, 2, kMaxRows, 4}), "B:D");
  EXPECT_EQ(FormatRangeRef({3, 1, 9, 28}, true), "$A$3:$AB$9");
  EXPECT_EQ(ColumnLetters(16384), "XFD");
  EXPECT_EQ(ColumnLetters(0), "");
}

}  // namespace
}  // namespace korvat::host
