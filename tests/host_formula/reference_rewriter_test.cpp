// RemapRows and ShiftRelative, as row moves and copy/paste use them.

#include <gtest/gtest.h>

#include "host/formula/formula.h"

namespace korvat::host::formula {
namespace {

// Rows at and below `at` move down by `count`.
std::function<int(int)> InsertRows(int at, int count) {
  return [=](int r) { return r >= at ? r + count : r; };
}

// Rows first..last are removed; rows below move up.
std::function<int(int)> DeleteRows(int first, int last) {
  return [=](int r) {
    if (r < first) return r;
    if (r <= last) return 0;
    return r - (last - first + 1);
  };
}

struct RemapCase {
  const char* formula;
  std::function<int(int)> map;
  const char* expected;
};

class RemapRowsTable : public ::testing::TestWithParam<RemapCase> {};

TEST_P(RemapRowsTable, RewritesRowNumbers) {
  const RemapCase& c = GetParam();
  EXPECT_EQ(RemapRows(c.formula, c.map), c.expected) << c.formula;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RemapRowsTable,
    ::testing::Values(
        // insertion shifts rows at and below the insertion point, absolute or not
        RemapCase{"=A5+A4", InsertRows(5, 2), "=A7+A4"},
        RemapCase{"=$B$5*B$9-$C10", InsertRows(5, 1), "=$B$6*B$10-$C11"},
        RemapCase{"=SUM(D5:D8)", InsertRows(6, 3), "=SUM(D5:D11)"},
        RemapCase{"=IF(MIN(F5,F8)=0,\"\",MIN(F5,F8))", InsertRows(6, 1),
                  "=IF(MIN(F5,F9)=0,\"\",MIN(F5,F9))"},
        // whole rows move, whole columns stay
        RemapCase{"=SUM(5:7)", InsertRows(1, 1), "=SUM(6:8)"},
        RemapCase{"=SUM(B:B)+COUNT($C:$D)", InsertRows(1, 4), "=SUM(B:B)+COUNT($C:$D)"},
        // sheet-qualified references are rewritten and keep their qualifier
        RemapCase{"='My Sheet'!A3+Data!$B$3", InsertRows(2, 1), "='My Sheet'!A4+Data!$B$4"},
        // text, names and function names stay; LOG10 is a cell, LOG10( a call
        RemapCase{"=\"A5\"&Rate_2026&LOG10&LOG10(A5)", InsertRows(1, 5),
                  "=\"A5\"&Rate_2026&LOG15&LOG10(A10)"},
        // a deleted single cell becomes #REF!, and the rest follows the move
        RemapCase{"=A5+A9", DeleteRows(5, 5), "=#REF!+A8"},
        RemapCase{"=Data!C6*2", DeleteRows(6, 7), "=Data!#REF!*2"},
        // a range loses deleted rows at either end, and is #REF! when none remain
        RemapCase{"=SUM(A5:A9)", DeleteRows(5, 6), "=SUM(A5:A7)"},
        RemapCase{"=SUM(A5:A9)", DeleteRows(8, 12), "=SUM(A5:A7)"},
        RemapCase{"=SUM(A5:A9)", DeleteRows(4, 10), "=SUM(#REF!)"},
        RemapCase{"=SUM(5:7)", DeleteRows(5, 7), "=SUM(#REF!)"},
        // a cut-and-insert move may reorder a range's ends; it stays ordered
        RemapCase{"=SUM(C2:C4)",
                  [](int r) { return r == 2 ? 9 : (r <= 9 ? r - 1 : r); }, "=SUM(C3:C9)"},
        // moving past the last row of the grid is no reference either
        RemapCase{"=A1048576", InsertRows(1, 1), "=#REF!"},
        // text without '=' and odd spacing come back as they were written
        RemapCase{"A2 + 1", InsertRows(1, 1), "A3 + 1"},
        // text that does not lex is left alone
        RemapCase{"=A5&\"open", InsertRows(1, 1), "=A5&\"open"}));

TEST(RemapRows, SheetFilterLimitsTheRewriteToTheMovedSheet) {
  auto onlyData = [](std::string_view sheet) { return sheet == "Data"; };
  EXPECT_EQ(RemapRows("=A5+Data!A5+'Other'!A5", InsertRows(1, 1), onlyData),
            "=A5+Data!A6+'Other'!A5");
  auto ownSheet = [](std::string_view sheet) { return sheet.empty(); };
  EXPECT_EQ(RemapRows("=A5+Data!A5", InsertRows(1, 1), ownSheet), "=A6+Data!A5");
}

TEST(RemapRows, RewrittenReferenceEvaluatesToRefError) {
  std::string text = RemapRows("=SUM(A5,1)", DeleteRows(5, 5));
  auto f = ParseFormula(text);
  ASSERT_EQ(f->error(), "") << text;
  struct Empty : EvalContext {
    CellValue CellValueAt(std::string_view, int, int) override { return {}; }
    int LastUsedRow(std::string_view) override { return 0; }
    int LastUsedColumn(std::string_view) override { return 0; }
    std::string ResolveName(std::string_view) override { return {}; }
  } ctx;
  CellValue v = Evaluate(*f, ctx);
  ASSERT_TRUE(v.IsError());
  EXPECT_EQ(v.error, CellError::Ref);
}

struct ShiftCase {
  const char* formula;
  int rows;
  int cols;
  const char* expected;
};

class ShiftRelativeTable : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(ShiftRelativeTable, MovesRelativePartsOnly) {
  const ShiftCase& c = GetParam();
  EXPECT_EQ(ShiftRelative(c.formula, c.rows, c.cols), c.expected) << c.formula;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShiftRelativeTable,
    ::testing::Values(
        ShiftCase{"=E7-D7", 1, 0, "=E8-D8"},
        ShiftCase{"=IF(ISERROR(E7/D7),\"\",E7/D7)", 3, 1, "=IF(ISERROR(F10/E10),\"\",F10/E10)"},
        ShiftCase{"=$A$1+A$1+$A1+A1", 2, 2, "=$A$1+C$1+$A3+C3"},
        ShiftCase{"=SUM(C3:C7)", 5, 0, "=SUM(C8:C12)"},
        ShiftCase{"=SUM(B:B)+SUM($C:C)", 4, 1, "=SUM(C:C)+SUM($C:D)"},
        ShiftCase{"=SUM(2:$3)", 2, 9, "=SUM(4:$3)"},
        ShiftCase{"=Data!B2*'My Sheet'!$B2", 1, 1, "=Data!C3*'My Sheet'!$B3"},
        ShiftCase{"=\"B2\"&Rate", 1, 1, "=\"B2\"&Rate"},
        // shifting above row 1 or left of column A is no reference
        ShiftCase{"=A1+$B$2", -1, 0, "=#REF!+$B$2"},
        ShiftCase{"=B5", 0, -2, "=#REF!"},
        ShiftCase{"=SUM(A2:A5)", -2, 0, "=SUM(#REF!)"},
        ShiftCase{"=XFD1", 0, 1, "=#REF!"},
        ShiftCase{"=C3", -2, -2, "=A1"}));

}  // namespace
}  // namespace korvat::host::formula
