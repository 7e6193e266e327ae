#pragma once
// Where a worksheet's parts go on the page: the rows and columns drawn (the used range and
// the shapes' extent, plus a margin), the heading sizes, and the row bands the page is cut
// into so that a browser only paints the bands in view, and the shapes where they are drawn
// (drawn_shapes.h). Coordinates are points; the cell area's origin is the sheet's top-left
// corner (column 1's Left, row 1's Top).

#include <vector>

#include "host/model/worksheet.h"
#include "host/render/drawn_shapes.h"

namespace korvat::host::render {

struct VisibleColumn {
  int col;
  double left;
  double width;  // never 0: hidden columns are not listed
};

// Added to every sheet coordinate a layer writes: (0, 0) when the SVG's view box is in sheet
// coordinates, the heading sizes when the headings share the SVG.
struct Origin {
  double x = 0, y = 0;
};

struct RowBand {
  int firstRow, lastRow;
  double top, bottom;  // sheet coordinates
};

class SheetLayout {
 public:
  // Rows and columns beyond these are never drawn, whatever the sheet holds.
  static constexpr int kMaxDrawnRows = 200000;
  static constexpr int kMaxDrawnColumns = 2000;
  static constexpr int kRowsPerBand = 200;
  static constexpr double kHeadingHeight = 15.0;

  explicit SheetLayout(const Worksheet& sheet);

  const Worksheet& Sheet() const { return *sheet_; }
  int LastRow() const { return lastRow_; }
  int LastColumn() const { return lastCol_; }
  double HeadingWidth() const { return headingWidth_; }
  double HeadingHeight() const { return kHeadingHeight; }
  double Width() const { return sheet_->ColumnLeft(lastCol_ + 1); }   // of the cell area
  double Height() const { return sheet_->RowTop(lastRow_ + 1); }
  const std::vector<VisibleColumn>& Columns() const { return columns_; }
  // The shapes drawn, back to front, moved and sized for the hidden rows.
  const std::vector<const Shape*>& Shapes() const { return shapes_.InZOrder(); }
  // Consecutive bands of kRowsPerBand rows covering rows 1..LastRow().
  std::vector<RowBand> Bands() const;
  RowBand WholeSheet() const { return {1, lastRow_, 0.0, Height()}; }

 private:
  const Worksheet* sheet_;
  DrawnShapes shapes_;
  int lastRow_ = 1;
  int lastCol_ = 1;
  double headingWidth_ = 25.0;
  std::vector<VisibleColumn> columns_;
};

// The box a shape covers in sheet coordinates, with room for its line and arrowheads.
struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;
};
Box ShapeBounds(const Shape& shape);

}  // namespace korvat::host::render
