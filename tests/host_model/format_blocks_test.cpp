#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/model/range_transfer.h"
#include "host/model/row_operations.h"
#include "host/model/workbook.h"

namespace korvat::host {
namespace {

CellStyle Filled(int colorIndex) {
  CellStyle s;
  s.interior.colorIndex = colorIndex;
  s.interior.pattern = 1;
  return s;
}

RangeRef Range(const char* text) { return *ParseRangeRef(text); }

// What the sheet should show: the last format set over a cell wins.
struct Expected {
  std::vector<std::pair<RangeRef, CellStyle>> sets;
  void Set(const RangeRef& r, const CellStyle& s) { sets.emplace_back(r, s); }
  const CellStyle& At(int row, int col) const {
    static const CellStyle kDefault;
    for (auto it = sets.rbegin(); it != sets.rend(); ++it)
      if (it->first.Contains(row, col)) return it->second;
    return kDefault;
  }
};

void ExpectSheetShows(const Worksheet& ws, const Expected& expected, const RangeRef& area) {
  for (int r = area.firstRow; r <= area.lastRow; ++r)
    for (int c = area.firstCol; c <= area.lastCol; ++c)
      ASSERT_EQ(ws.Style(r, c), expected.At(r, c)) << FormatCellAddress(r, c);
}

struct BlockCase {
  const char* name;
  std::vector<std::pair<const char*, int>> sets;  // range, fill colour index (0 clears)
};

class BlockSets : public ::testing::TestWithParam<BlockCase> {};

TEST_P(BlockSets, EveryCellReadsTheLastFormatSetOverIt) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  Expected expected;
  for (const auto& [text, color] : GetParam().sets) {
    const CellStyle style = color ? Filled(color) : CellStyle{};
    ws->SetStyles(Range(text), style);
    expected.Set(Range(text), style);
  }
  ExpectSheetShows(*ws, expected, {1, 1, 14, 10});
}

INSTANTIATE_TEST_SUITE_P(
    Formats, BlockSets,
    ::testing::Values(BlockCase{"OneBlock", {{"B2:D5", 3}}},
                      BlockCase{"OverlapRight", {{"B2:D5", 3}, {"C4:F8", 4}}},
                      BlockCase{"Inside", {{"A1:H12", 3}, {"C3:D4", 5}}},
                      BlockCase{"HoleCleared", {{"A1:H12", 3}, {"C3:D4", 0}}},
                      BlockCase{"SameStyleMerges", {{"B2:B9", 6}, {"C2:C9", 6}, {"D2:D9", 6}}},
                      BlockCase{"SplitThenRejoined", {{"A1:F6", 6}, {"C3", 7}, {"C3", 6}}},
                      BlockCase{"Checkerboard", {{"A1", 3}, {"B2", 3}, {"C1", 4}, {"A3", 4}, {"B1", 5}}},
                      BlockCase{"WholeRowsAndColumns", {{"3:4", 3}, {"C:C", 4}, {"E:F", 0}}},
                      BlockCase{"ClearAll", {{"B2:D5", 3}, {"1:1048576", 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatBlocks, TheNormalFormDependsOnTheCellsNotOnTheOrderOfWrites) {
  Workbook book;
  Worksheet* a = book.AddWorksheet("A");
  Worksheet* b = book.AddWorksheet("B");
  a->SetStyles(Range("B2:E9"), Filled(3));
  a->SetStyles(Range("C2:C9"), Filled(4));
  b->SetStyles(Range("C2:C9"), Filled(4));
  b->SetStyles(Range("B2:B9"), Filled(3));
  b->SetStyles(Range("D2:E5"), Filled(3));
  b->SetStyles(Range("D6:E9"), Filled(3));
  std::vector<std::string> blocksA, blocksB;
  a->Formats().ForEachBlock([&](const RangeRef& r, const CellStyle&) { blocksA.push_back(FormatRangeRef(r)); });
  b->Formats().ForEachBlock([&](const RangeRef& r, const CellStyle&) { blocksB.push_back(FormatRangeRef(r)); });
  EXPECT_EQ(blocksA, blocksB);
  EXPECT_EQ(blocksA, (std::vector<std::string>{"B2:B9", "C2:C9", "D2:E9"}));
}

TEST(FormatBlocks, AFormatToTheSheetsEdgeIsHeldAsAFewBlocks) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  ws->SetValue(4, 3, CellValue::Number(1));
  ws->SetStyles(Range("C4:XFD10000"), Filled(3));
  ws->SetStyles(Range("D4:D10000"), Filled(5));
  EXPECT_EQ(ws->Formats().BlockCount(), 3u);
  EXPECT_EQ(ws->Cells().size(), 1u);  // the formatted cells are not stored one by one
  EXPECT_EQ(ws->Style(4, 3), Filled(3));
  EXPECT_EQ(ws->Style(10000, 16384), Filled(3));
  EXPECT_EQ(ws->Style(77, 4), Filled(5));
  EXPECT_TRUE(ws->Style(10001, 3).IsDefault());
  EXPECT_EQ(ws->LastUsedRow(), 10000);
  EXPECT_EQ(ws->LastUsedColumn(), 16384);
  ws->ClearFormats(Range("C4:XFD10000"));
  EXPECT_TRUE(ws->Formats().Empty());
  EXPECT_TRUE(ws->Style(4, 3).IsDefault());
  EXPECT_EQ(ws->Value(4, 3).number, 1);
  // Clearing an area that holds nothing leaves nothing behind.
  ws->Clear(Range("A1:XFD1048576"));
  EXPECT_TRUE(ws->Formats().Empty());
  EXPECT_TRUE(ws->Cells().empty());
}

TEST(FormatBlocks, ChangesApplyToEachCellsOwnStyle) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  ws->SetStyles(Range("A1:D4"), Filled(3));
  ws->MutableStyle(2, 2)->font.bold = true;  // a cell's own style inside the block
  ws->ChangeStyles(Range("B1:F2"), [](CellStyle& s) { s.numberFormat = "0.00"; });
  CellStyle boldFilled = Filled(3);
  boldFilled.font.bold = true;
  boldFilled.numberFormat = "0.00";
  CellStyle filledNumber = Filled(3);
  filledNumber.numberFormat = "0.00";
  CellStyle number;
  number.numberFormat = "0.00";
  EXPECT_EQ(ws->Style(2, 2), boldFilled);
  EXPECT_EQ(ws->Style(1, 3), filledNumber);
  EXPECT_EQ(ws->Style(1, 6), number);
  EXPECT_EQ(ws->Style(1, 1), Filled(3));
  EXPECT_EQ(ws->Style(3, 2), Filled(3));
  // A value written into a formatted cell keeps the format; emptying it again drops the cell.
  ws->SetValue(3, 3, CellValue::Number(5));
  EXPECT_EQ(ws->FindCell(3, 3)->style, Filled(3));
  ws->SetValue(3, 3, CellValue::Empty());
  EXPECT_EQ(ws->FindCell(3, 3), nullptr);
  EXPECT_EQ(ws->Style(3, 3), Filled(3));
}

TEST(FormatBlocks, CopyingFormatsMovesTheBlocksAndTheCellsOwnStyles) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  ws->SetStyles(Range("A1:C3"), Filled(3));
  ws->MutableStyle(2, 2)->font.italic = true;
  ws->SetStyles(Range("F1:J10"), Filled(9));
  ASSERT_TRUE(CopyRange(*ws, Range("A1:C3"), *ws, 5, 6, PasteKind::Formats));
  Expected expected;
  expected.Set(Range("A1:C3"), Filled(3));
  expected.Set(Range("F1:J10"), Filled(9));
  expected.Set(Range("F5:H7"), Filled(3));
  CellStyle italic = Filled(3);
  italic.font.italic = true;
  expected.Set(Range("B2"), italic);
  expected.Set(Range("G6"), italic);
  ExpectSheetShows(*ws, expected, {1, 1, 12, 12});
  // Copying an unformatted area clears the formats of its destination.
  ASSERT_TRUE(CopyRange(*ws, Range("L1:M2"), *ws, 1, 6, PasteKind::Formats));
  expected.Set(Range("F1:G2"), CellStyle{});
  ExpectSheetShows(*ws, expected, {1, 1, 12, 12});
}

TEST(FormatBlocks, CopyingAnAreaToTheSheetsEdgeCopiesItsBlocks) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  ws->SetStyles(Range("K5:K6"), Filled(4));
  ws->SetStyles(Range("L5:L6"), Filled(5));
  ASSERT_TRUE(CopyRange(*ws, Range("K5:L6"), *ws, 7, 11, PasteKind::All));
  ws->ClearFormats(Range("A7:XFD10000"));
  ASSERT_TRUE(CopyRange(*ws, Range("K5:XFD10000"), *ws, 20, 11, PasteKind::Formats));
  EXPECT_EQ(ws->Style(20, 11), Filled(4));
  EXPECT_EQ(ws->Style(21, 12), Filled(5));
  EXPECT_TRUE(ws->Style(22, 11).IsDefault());
  EXPECT_EQ(ws->Formats().BlockCount(), 4u);
}

struct RowCase {
  const char* name;
  bool insert;
  int row, count;
  const char* before;  // a block, and where it lies afterwards ("" when gone)
  const char* after;
};

class RowsThroughBlocks : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowsThroughBlocks, FormatsMoveWithTheirRows) {
  const RowCase& c = GetParam();
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  ws->SetStyles(Range(c.before), Filled(3));
  ASSERT_TRUE(c.insert ? InsertRows(*ws, c.row, c.count) : DeleteRows(*ws, c.row, c.count));
  Expected expected;
  if (*c.after) expected.Set(Range(c.after), Filled(3));
  ExpectSheetShows(*ws, expected, {1, 1, 16, 6});
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RowsThroughBlocks,
    ::testing::Values(RowCase{"InsertAbove", true, 2, 3, "B4:C6", "B7:C9"},
                      RowCase{"InsertBelow", true, 8, 3, "B4:C6", "B4:C6"},
                      // Inserted rows take the format of the row above them.
                      RowCase{"InsertInside", true, 5, 2, "B4:C6", "B4:C8"},
                      RowCase{"DeleteAbove", false, 1, 2, "B4:C6", "B2:C4"},
                      RowCase{"DeleteInside", false, 5, 1, "B4:C6", "B4:C5"},
                      RowCase{"DeleteAll", false, 3, 5, "B4:C6", ""},
                      RowCase{"DeleteTopPart", false, 3, 2, "B4:C6", "B3:C4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatBlocks, MovingRowsKeepsEachRowsFormat) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  ws->SetStyles(Range("A2:D2"), Filled(3));
  ws->SetStyles(Range("A3:D3"), Filled(4));
  ws->SetStyles(Range("B5:B6"), Filled(5));
  ASSERT_TRUE(MoveRows(*ws, 5, 6, 2));
  Expected expected;
  expected.Set(Range("B2:B3"), Filled(5));
  expected.Set(Range("A4:D4"), Filled(3));
  expected.Set(Range("A5:D5"), Filled(4));
  ExpectSheetShows(*ws, expected, {1, 1, 8, 5});
}

TEST(FormatBlocks, ShownCellsJoinStoredCellsAndBlocksInRowOrder) {
  Workbook book;
  Worksheet* ws = book.AddWorksheet("S");
  ws->SetStyles(Range("B2:C3"), Filled(3));
  ws->SetValue(2, 3, CellValue::Text("x"));
  ws->SetValue(2, 5, CellValue::Number(2));
  std::vector<std::string> seen;
  ws->ForEachShownCell({1, 1, 10, 10}, [&](int r, int c, const CellStyle& s, const Cell* cell) {
    seen.push_back(FormatCellAddress(r, c) + (cell ? "*" : "") + (s.IsDefault() ? "" : "f"));
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"B2f", "C2*f", "E2*", "B3f", "C3f"}));
}

}  // namespace
}  // namespace korvat::host
