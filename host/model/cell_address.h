#pragma once
// A1-style addresses and rectangular ranges of one sheet. Rows and columns are 1-based.

#include <optional>
#include <string>
#include <string_view>

namespace korvat::host {

inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

struct CellAddress {
  int row = 1;
  int col = 1;
  friend bool operator==(const CellAddress&, const CellAddress&) = default;
};

// A rectangle of cells, corners inclusive. Whole columns ("B:B") span all rows, whole rows
// ("5:7") all columns.
struct RangeRef {
  int firstRow = 1;
  int firstCol = 1;
  int lastRow = 1;
  int lastCol = 1;

  int RowCount() const { return lastRow - firstRow + 1; }
  int ColumnCount() const { return lastCol - firstCol + 1; }
  bool Contains(int row, int col) const {
    return row >= firstRow && row <= lastRow && col >= firstCol && col <= lastCol;
  }
  bool Intersects(const RangeRef& o) const {
    return firstRow <= o.lastRow && o.firstRow <= lastRow && firstCol <= o.lastCol && o.firstCol <= lastCol;
  }
  bool IsWholeRows() const { return firstCol == 1 && lastCol == kMaxColumns; }
  bool IsWholeColumns() const { return firstRow == 1 && lastRow == kMaxRows; }
  friend bool operator==(const RangeRef&, const RangeRef&) = default;
};

// "A" -> 1, "XFD" -> 16384; 0 when the text is not 1-3 letters within the sheet.
int ColumnFromLetters(std::string_view letters);
// 1 -> "A", 28 -> "AB"; empty for a column outside 1..16384.
std::string ColumnLetters(int col);

// "B7", "$B$7", "b7" -> {7, 2}; nothing when not a single cell address inside the sheet.
std::optional<CellAddress> ParseCellAddress(std::string_view text);
// "B7", "A1:C3", "$A$1:$C$3", "B:B", "B:D", "5:7", "5" (a whole row is "5:5" normally).
// Corners are put in order. Nothing for anything else (names are resolved by the workbook).
std::optional<RangeRef> ParseRangeRef(std::string_view text);

// "B7" (relative) or "$B$7" (absolute).
std::string FormatCellAddress(int row, int col, bool absolute = false);
// "B7" for a single cell, "A1:C3" otherwise; whole rows "5:7" and whole columns "B:D".
std::string FormatRangeRef(const RangeRef& range, bool absolute = false);

}  // namespace korvat::host
