#pragma once
// A1-style reference parts: limits of the grid, column letters, and the row and
// column parts of a reference with their absolute ($) flags.

#include <string>
#include <string_view>

namespace korvat::host::formula {

inline constexpr int kMaxRow = 1048576;
inline constexpr int kMaxColumn = 16384;  // XFD

// One coordinate of a reference: a row or a column number with its $ flag.
struct Coordinate {
  int value = 0;  // 1-based
  bool absolute = false;
};

// The shape of a reference token.
enum class RefShape { Cell, Columns, Rows };

// A reference as written: one cell (first only), or a span of whole columns or rows.
// For Cell the second pair is unused; a cell range is two Cell references joined by ':'.
struct RefSpan {
  RefShape shape = RefShape::Cell;
  Coordinate row1, col1, row2, col2;
};

// "A" = 1 ... "XFD" = 16384; 0 when the letters are not a column within the grid.
int ColumnFromLetters(std::string_view letters);
// 1 = "A"; empty outside 1..kMaxColumn.
std::string ColumnLetters(int column);

// Writes the span back as formula text ("$A1", "B:$D", "5:7").
std::string FormatRefSpan(const RefSpan& span);

}  // namespace korvat::host::formula
