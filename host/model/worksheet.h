#pragma once
// A worksheet: a sparse cell store, row and column sizes, shapes, conditional formats and
// sheet-level names. Rows and columns are 1-based; writes outside the sheet are refused
// (false) and reads there give empty values and default styles.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "host/model/cell.h"
#include "host/model/cell_address.h"
#include "host/model/conditional_format.h"
#include "host/model/defined_names.h"
#include "host/model/extent_index.h"
#include "host/model/format_blocks.h"
#include "host/model/shape_collection.h"
#include "host/model/sheet.h"

namespace korvat::host {

inline constexpr double kDefaultColumnWidth = 48.0;  // points
inline constexpr double kDefaultRowHeight = 15.0;    // points
// The host's limits: 255 characters of the default face, and 409.5 points.
inline constexpr double kMaxColumnWidth = 1342.5;  // points
inline constexpr double kMaxRowHeight = 409.5;     // points

class Worksheet : public Sheet {
  static double Limited(double points, double largest) { return points > 0 ? (points < largest ? points : largest) : 0; }

 public:
  Worksheet(Workbook& parent, std::string name);

  static bool InSheet(int row, int col) {
    return row >= 1 && row <= kMaxRows && col >= 1 && col <= kMaxColumns;
  }
  static int64_t CellKey(int row, int col) { return static_cast<int64_t>(row) * 32768 + col; }
  static int KeyRow(int64_t key) { return static_cast<int>(key / 32768); }
  static int KeyColumn(int64_t key) { return static_cast<int>(key % 32768); }

  // ---- cells
  const Cell* FindCell(int row, int col) const;  // null when nothing is stored there
  // The cell's value; a formula is evaluated (through the workbook, cached until the next write).
  CellValue Value(int row, int col) const;
  const std::string& Formula(int row, int col) const;  // "=..." or empty
  bool HasFormula(int row, int col) const;
  // Each write bumps the workbook's generation.
  bool SetValue(int row, int col, CellValue value);          // drops any formula
  bool SetCellFromText(int row, int col, std::string_view text);  // a Value write of text
  bool SetFormula(int row, int col, std::string_view text);  // a Formula write ("" empties)
  bool SetInput(int row, int col, CellValue value, std::string formula);  // formula wins if set

  // A stored cell carries the style it shows; the formats of other cells are held as blocks
  // (Formats()), so formatting a large area stores no cells.
  const CellStyle& Style(int row, int col) const;  // the default style when nothing is stored
  // Stores the cell (with the style it shows) and gives its own style to change in place;
  // null outside the sheet.
  CellStyle* MutableStyle(int row, int col);
  bool SetStyle(int row, int col, const CellStyle& style);
  // Gives every cell of the range the style change(its style) makes; the change must depend
  // on the style alone. Costs what the range's blocks and stored cells number, not its cells.
  void ChangeStyles(const RangeRef& range, const std::function<void(CellStyle&)>& change);
  void SetStyles(const RangeRef& range, const CellStyle& style);
  const FormatBlocks& Formats() const { return formats_; }
  // The cells of the range that hold content or a format other than the default, row by row
  // and left to right, with the style each shows; `cell` is null for a cell only formatted.
  void ForEachShownCell(const RangeRef& range,
                        const std::function<void(int row, int col, const CellStyle& style, const Cell* cell)>& visit) const;
  // Every format of the sheet as disjoint blocks in their normal form, stored cells' own
  // styles included (for saving).
  FormatBlocks NormalFormats() const;

  void ClearContents(const RangeRef& range);  // values and formulas; styles stay
  // Styles, and the conditional formats that lie wholly inside the range (one that reaches
  // beyond it stays whole).
  void ClearFormats(const RangeRef& range);
  void Clear(const RangeRef& range);          // contents and formats

  // Stored cells in row-major order, keyed by CellKey().
  const std::map<int64_t, Cell>& Cells() const { return cells_; }
  // The rectangle of stored cells and formatted blocks; 0 when there are none.
  int LastUsedRow() const;
  int LastUsedColumn() const;

  // ---- rows and columns (points)
  const ExtentIndex& Columns() const { return columns_; }
  const ExtentIndex& Rows() const { return rows_; }
  double ColumnLeft(int col) const { return columns_.Offset(col); }
  double ColumnWidth(int col) const { return columns_.VisibleSize(col); }
  double RowTop(int row) const { return rows_.Offset(row); }
  double RowHeight(int row) const { return rows_.VisibleSize(row); }
  // Sizes beyond the host's limits (or not numbers) are held at the nearest limit.
  void SetColumnWidth(int col, double points) { columns_.SetSize(col, Limited(points, kMaxColumnWidth)); }
  void SetColumnHidden(int col, bool hidden) { columns_.SetHidden(col, hidden); }
  void SetRowHeight(int row, double points) { rows_.SetSize(row, Limited(points, kMaxRowHeight)); }
  void SetRowHidden(int row, bool hidden) { rows_.SetHidden(row, hidden); }

  // ---- drawing objects, conditional formats, sheet-level names
  ShapeCollection& Shapes() { return shapes_; }
  const ShapeCollection& Shapes() const { return shapes_; }
  std::vector<ConditionalFormat>& ConditionalFormats() { return conditionalFormats_; }
  const std::vector<ConditionalFormat>& ConditionalFormats() const { return conditionalFormats_; }
  // Removes the conditional formats that touch the range; returns how many.
  int DeleteConditionalFormats(const RangeRef& range);
  // Removes the conditional formats lying wholly inside the range; returns how many.
  int RemoveConditionalFormatsWithin(const RangeRef& range);
  DefinedNames& Names() { return names_; }
  const DefinedNames& Names() const { return names_; }

  // ---- structural changes (used by the row operations; they keep every store in step)
  // Renumbers the rows of cells, row sizes and flags and shapes: map(r) is the new row of
  // row r, 0 when it goes. Shapes keep their place relative to the rows they lie on.
  void RemapRows(const std::function<int(int)>& map);
  // Cell access for the workbook's formula machinery.
  std::map<int64_t, Cell>& MutableCells() { return cells_; }

 private:
  Cell* CellForWrite(int row, int col);
  void EraseIfBlank(int64_t key);
  void Touched();
  void CountColumn(int col, int delta);

  std::map<int64_t, Cell> cells_;
  std::map<int, int> cellsPerColumn_;  // for LastUsedColumn
  FormatBlocks formats_;
  ExtentIndex columns_{kDefaultColumnWidth, kMaxColumns};
  ExtentIndex rows_{kDefaultRowHeight, kMaxRows};
  ShapeCollection shapes_;
  std::vector<ConditionalFormat> conditionalFormats_;
  DefinedNames names_;
};

}  // namespace korvat::host
