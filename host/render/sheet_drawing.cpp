#include "host/render/sheet_drawing.h"

#include <algorithm>

#include "host/render/cell_layer.h"
#include "host/render/heading_layer.h"
#include "host/render/shape_layer.h"
#include "host/render/svg_text.h"

namespace korvat::host::render {

std::vector<std::vector<const Shape*>> ShapesByBand(const SheetLayout& layout, const std::vector<RowBand>& bands) {
  std::vector<std::vector<const Shape*>> byBand(bands.size());
  for (const Shape* shape : layout.Shapes()) {
    Box b = ShapeBounds(*shape);
    auto first = std::upper_bound(bands.begin(), bands.end(), b.top,
                                  [](double top, const RowBand& band) { return top < band.bottom; });
    for (auto it = first; it != bands.end() && it->top < b.bottom; ++it)
      byBand[static_cast<size_t>(it - bands.begin())].push_back(shape);
  }
  return byBand;
}

void WriteSheetBand(const SheetLayout& layout, const RowBand& band, const std::vector<const Shape*>& shapes,
                    Origin origin, std::string& out) {
  WriteCellLayer(layout, band, origin, out);
  for (const Shape* s : shapes) WriteShape(layout.Sheet(), *s, origin, out);
}

std::string StandaloneSheetSvg(const SheetLayout& layout) {
  const Origin origin{layout.HeadingWidth(), layout.HeadingHeight()};
  const double width = origin.x + layout.Width(), height = origin.y + layout.Height();
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(width) + "pt\" height=\"" + Num(height) +
                    "pt\" viewBox=\"0 0 " + Num(width) + ' ' + Num(height) + "\">";
  out += "<title>" + EscapeXml(layout.Sheet().Name()) + "</title>";
  out += "<rect width=\"" + Num(width) + "\" height=\"" + Num(height) + "\" fill=\"#ffffff\"/>";
  RowBand whole = layout.WholeSheet();
  std::vector<RowBand> bands{whole};
  WriteSheetBand(layout, whole, ShapesByBand(layout, bands).front(), origin, out);
  // Headings last: like the host's frozen headings they stay over anything that reaches them.
  WriteColumnHeadings(layout, origin, out);
  WriteRowHeadings(layout, whole, origin, out);
  WriteHeadingCorner(layout, origin, out);
  out += "</svg>\n";
  return out;
}

}  // namespace korvat::host::render
