#include "host/model/column_fit.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "host/values/number_format.h"
#include "host/values/text_metrics.h"

namespace korvat::host {

namespace {

constexpr double kPointsPerPixel = 0.75;

// The room one line takes: the host's whole-pixel layout, or the page's layout rounded up to
// a pixel where that is wider, so a fitted text shows whole in both.
double LineWidth(std::string_view line, const FontSpec& face) {
  const double page = std::ceil(TextWidth(line, face) / kPointsPerPixel - 1e-9) * kPointsPerPixel;
  return std::max(HostCellTextWidth(line, face), page);
}

}  // namespace

double FittedWidth(std::string_view shownText, const Font& font) {
  const FontSpec face{font.size, font.bold, font.italic};
  double widest = 0.0;
  // A text of several lines is as wide as its widest line.
  for (size_t start = 0; start <= shownText.size();) {
    size_t end = shownText.find('\n', start);
    if (end == std::string_view::npos) end = shownText.size();
    widest = std::max(widest, LineWidth(shownText.substr(start, end - start), face));
    start = end + 1;
  }
  if (widest <= 0.0) return 0.0;
  return std::min(kMaxColumnPoints, widest + kCellTextInsets);
}

int FitColumnsToText(Worksheet& sheet, int firstCol, int lastCol) {
  std::map<int, double> widest;
  for (const auto& [key, cell] : sheet.Cells()) {
    const int col = Worksheet::KeyColumn(key);
    if (col < firstCol || col > lastCol || !cell.HasContent()) continue;
    const std::string shown = FormatCellValue(sheet.Value(Worksheet::KeyRow(key), col), cell.style.numberFormat);
    const double width = FittedWidth(shown, cell.style.font);
    if (width > 0.0) widest[col] = std::max(widest[col], width);
  }
  int changed = 0;
  for (const auto& [col, points] : widest) {
    if (sheet.Columns().Size(col) != points) ++changed;
    sheet.SetColumnWidth(col, points);
  }
  return changed;
}

}  // namespace korvat::host
