#include "host/render/heading_layer.h"

#include "host/model/cell_address.h"
#include "host/render/svg_text.h"
#include "host/values/text_metrics.h"

namespace korvat::host::render {
namespace {

constexpr const char* kBackground = "#efefef";
constexpr const char* kLine = "#c6c6c6";
constexpr const char* kTextStyle =
    "<g font-family=\"Calibri, Carlito, sans-serif\" font-size=\"10\" fill=\"#444444\" text-anchor=\"middle\">";

std::string Rect(double x, double y, double w, double h) {
  return "<rect x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" width=\"" + Num(w) + "\" height=\"" + Num(h) +
         "\" fill=\"" + kBackground + "\"/>";
}

std::string LinePath(const std::string& d) {
  return std::string("<path fill=\"none\" stroke=\"") + kLine + "\" stroke-width=\"0.75\" d=\"" + d + "\"/>";
}

}  // namespace

void WriteColumnHeadings(const SheetLayout& layout, Origin o, std::string& out) {
  const double h = layout.HeadingHeight(), top = o.y - h;
  out += Rect(o.x, top, layout.Width(), h);
  std::string lines = "M" + Num(o.x) + ' ' + Num(o.y) + 'H' + Num(o.x + layout.Width());
  std::string labels = kTextStyle;
  for (const VisibleColumn& c : layout.Columns()) {
    double right = o.x + c.left + c.width;
    lines += "M" + Num(right) + ' ' + Num(top) + 'V' + Num(o.y);
    std::string letters = ColumnLetters(c.col);
    // Narrow columns lose their letters rather than overprint their neighbours'.
    if (TextWidth(letters, {10.0}) > c.width - 1) continue;
    labels += "<text x=\"" + Num(o.x + c.left + c.width / 2) + "\" y=\"" + Num(o.y - 3.75) + "\">" + letters + "</text>";
  }
  out += LinePath(lines) + labels + "</g>";
}

void WriteRowHeadings(const SheetLayout& layout, const RowBand& band, Origin o, std::string& out) {
  const Worksheet& sheet = layout.Sheet();
  const double w = layout.HeadingWidth(), left = o.x - w;
  out += Rect(left, o.y + band.top, w, band.bottom - band.top);
  std::string lines = "M" + Num(o.x) + ' ' + Num(o.y + band.top) + 'V' + Num(o.y + band.bottom);
  std::string labels = kTextStyle;
  for (int r = band.firstRow; r <= band.lastRow; ++r) {
    double h = sheet.RowHeight(r);
    if (h <= 0) continue;
    double top = o.y + sheet.RowTop(r);
    lines += "M" + Num(left) + ' ' + Num(top + h) + 'H' + Num(o.x);
    labels += "<text x=\"" + Num(left + w / 2) + "\" y=\"" + Num(top + h / 2 + 3.5) + "\">" + std::to_string(r) + "</text>";
  }
  out += LinePath(lines) + labels + "</g>";
}

void WriteHeadingCorner(const SheetLayout& layout, Origin o, std::string& out) {
  double w = layout.HeadingWidth(), h = layout.HeadingHeight();
  out += Rect(o.x - w, o.y - h, w, h);
  out += LinePath("M" + Num(o.x - w) + ' ' + Num(o.y) + 'H' + Num(o.x) + 'V' + Num(o.y - h));
}

}  // namespace korvat::host::render
