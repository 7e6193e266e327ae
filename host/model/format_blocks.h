#pragma once
// The formats of a sheet held as blocks, as the host holds them: the columns are cut into
// bands of neighbouring columns that are formatted alike, and each band into runs of rows
// sharing one style. Formatting a range, whole columns or whole rows costs in proportion to
// the bands and runs it touches, not to its cells; clearing an area that holds no format
// costs nothing; a cell's style is found by two ordered lookups.
//
// The layout is kept in one normal form (neighbouring equal runs and equal bands are merged,
// default runs dropped), so it is a function of the styles the cells show: two sheets that
// show the same formats hold the same blocks, and saving them gives the same text.

#include <functional>
#include <map>
#include <unordered_map>

#include "host/model/cell_address.h"
#include "host/model/style_table.h"

namespace korvat::host {

class FormatBlocks {
 public:
  const CellStyle& StyleAt(int row, int col) const;
  StyleId StyleIdAt(int row, int col) const;

  // Gives every cell of the range the style change(its style) would make. The change must
  // depend on the style alone; it is asked once per distinct style in the range.
  void Change(const RangeRef& range, const std::function<void(CellStyle&)>& change);
  void Set(const RangeRef& range, const CellStyle& style);
  void Clear(const RangeRef& range);

  // The formatted rectangles within the range (clipped to it), band by band from the left
  // and top to bottom within a band; the cells outside them hold the default style.
  void ForEachBlock(const RangeRef& range, const std::function<void(const RangeRef&, const CellStyle&)>& visit) const;
  void ForEachBlock(const std::function<void(const RangeRef&, const CellStyle&)>& visit) const;
  // The formatted column spans of one row within [firstCol, lastCol], left to right.
  void ForEachSpanInRow(int row, int firstCol, int lastCol,
                        const std::function<void(int firstCol, int lastCol, const CellStyle&)>& visit) const;

  bool Empty() const { return bands_.empty(); }
  int LastRow() const;     // 0 when nothing is formatted
  int LastColumn() const;  // 0 when nothing is formatted
  size_t BlockCount() const;

  // Renumbers the rows: map(r) is the new row of row r, 0 when it goes (as the sheet's rows).
  void RemapRows(const std::function<int(int)>& map);

  const StyleTable& Styles() const { return styles_; }

 private:
  struct Run {
    int lastRow;
    StyleId style;
    friend bool operator==(const Run&, const Run&) = default;
  };
  using Runs = std::map<int, Run>;  // by first row
  struct Band {
    int lastCol;
    Runs runs;
  };
  using Bands = std::map<int, Band>;  // by first column
  using Memo = std::unordered_map<StyleId, StyleId>;

  void SplitBandAt(int col);
  static void SplitRunAt(Runs& runs, int row);
  void ChangeRuns(Runs& runs, int firstRow, int lastRow, bool fillGaps, Memo& memo,
                  const std::function<void(CellStyle&)>& change);
  static void MergeRuns(Runs& runs, int firstRow, int lastRow);
  void MergeBands(int firstCol, int lastCol);

  StyleTable styles_;
  Bands bands_;
  mutable int lastRow_ = -1;  // LastRow() as last found; -1 after a change
};

}  // namespace korvat::host
