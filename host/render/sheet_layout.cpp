#include "host/render/sheet_layout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace korvat::host::render {
namespace {

constexpr int kMarginRows = 3;
constexpr int kMarginColumns = 1;
constexpr int kMinimumRows = 20;
constexpr int kMinimumColumns = 8;

double Clamp(double v, double lo, double hi) { return std::isfinite(v) ? std::clamp(v, lo, hi) : lo; }

}  // namespace

Box ShapeBounds(const Shape& shape) {
  Box b{shape.left, shape.top, shape.left + shape.width, shape.top + shape.height};
  if (shape.type == ShapeType::Freeform) {
    for (const FreeformNode& n : shape.nodes) {
      b.left = std::min(b.left, shape.left + n.x);
      b.right = std::max(b.right, shape.left + n.x);
      b.top = std::min(b.top, shape.top + n.y);
      b.bottom = std::max(b.bottom, shape.top + n.y);
    }
  }
  double pad = shape.line.visible ? shape.line.weight * 3 + 6 : 1;
  b.left -= pad, b.top -= pad, b.right += pad, b.bottom += pad;
  return b;
}

SheetLayout::SheetLayout(const Worksheet& sheet) : sheet_(&sheet), shapes_(sheet) {
  int rows = sheet.LastUsedRow();
  int cols = sheet.LastUsedColumn();
  const double maxCoordinate = 1e9;
  for (const Shape* s : Shapes()) {
    Box b = ShapeBounds(*s);
    rows = std::max(rows, sheet.Rows().IndexAt(Clamp(b.bottom, 0, maxCoordinate)));
    cols = std::max(cols, sheet.Columns().IndexAt(Clamp(b.right, 0, maxCoordinate)));
  }
  lastRow_ = std::clamp(rows + kMarginRows, kMinimumRows, kMaxDrawnRows);
  lastCol_ = std::clamp(cols + kMarginColumns, kMinimumColumns, kMaxDrawnColumns);
  size_t digits = std::to_string(lastRow_).size();
  headingWidth_ = std::max(25.0, 6.0 * static_cast<double>(digits) + 8.0);
  for (int c = 1; c <= lastCol_; ++c) {
    double w = sheet.ColumnWidth(c);
    if (w > 0) columns_.push_back({c, sheet.ColumnLeft(c), w});
  }
}

std::vector<RowBand> SheetLayout::Bands() const {
  std::vector<RowBand> bands;
  for (int first = 1; first <= lastRow_; first += kRowsPerBand) {
    int last = std::min(lastRow_, first + kRowsPerBand - 1);
    bands.push_back({first, last, sheet_->RowTop(first), sheet_->RowTop(last + 1)});
  }
  return bands;
}

}  // namespace korvat::host::render
