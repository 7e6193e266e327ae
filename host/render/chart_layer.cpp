#include "host/render/chart_layer.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "host/model/workbook.h"
#include "host/values/number_format.h"
#include "host/render/svg_text.h"
#include "host/values/text_metrics.h"

namespace korvat::host::render {
namespace {

constexpr int kLine = 4, kLineStacked = 63, kLineStacked100 = 64, kColumnClustered = 51;
constexpr const char* kSeriesColors[] = {"#4472c4", "#ed7d31", "#a5a5a5", "#ffc000", "#5b9bd5", "#70ad47"};
constexpr const char* kLabelFont = "font-family=\"Calibri, Carlito, sans-serif\" fill=\"#595959\"";
constexpr double kLabelSize = 9.0;

struct RangeCell {
  CellValue value;
  std::string text;  // as the cell shows it
};

// The cells a reference names, row by row, within the used part of their sheet.
std::vector<RangeCell> ReadRange(const Worksheet& context, std::string reference) {
  std::vector<RangeCell> cells;
  if (!reference.empty() && reference[0] == '=') reference.erase(0, 1);
  if (reference.empty()) return cells;
  auto resolved = context.Parent().ResolveReference(reference, &context);
  if (!resolved || !resolved->sheet) return cells;
  const Worksheet& sheet = *resolved->sheet;
  RangeRef r = resolved->range;
  int lastRow = std::min(r.lastRow, std::max(sheet.LastUsedRow(), r.firstRow));
  int lastCol = std::min(r.lastCol, std::max(sheet.LastUsedColumn(), r.firstCol));
  for (int row = r.firstRow; row <= lastRow; ++row)
    for (int col = r.firstCol; col <= lastCol; ++col) {
      if (static_cast<int>(cells.size()) >= kMaxChartPoints) return cells;
      CellValue v = sheet.Value(row, col);
      std::string text = FormatCellValue(v, sheet.Style(row, col).numberFormat);
      cells.push_back({std::move(v), std::move(text)});
    }
  return cells;
}

struct SeriesData {
  std::string name;
  std::vector<std::optional<double>> values;
};

std::vector<SeriesData> ReadSeries(const Worksheet& sheet, const Chart& chart) {
  std::vector<SeriesData> out;
  for (size_t i = 0; i < chart.series.size(); ++i) {
    const ChartSeries& s = chart.series[i];
    SeriesData d{s.name.empty() ? "Series" + std::to_string(i + 1) : s.name, {}};
    for (const RangeCell& c : ReadRange(sheet, s.values))
      d.values.push_back(c.value.IsNumber() ? std::optional<double>(c.value.number) : std::nullopt);
    out.push_back(std::move(d));
  }
  return out;
}

bool HasAnyAxis(const Chart& chart) {
  for (const auto& type : chart.axes)
    for (const ChartAxis& a : type)
      if (a.exists) return true;
  return false;
}

// A chart whose axes were never set shows the host's default primary axes.
bool ShowsAxis(const Chart& chart, AxisType type) {
  if (!HasAnyAxis(chart)) return true;
  const ChartAxis* a = chart.Axis(static_cast<int>(type), 1);
  return a && a->exists;
}

std::string AxisTitle(const Chart& chart, AxisType type) {
  const ChartAxis* a = chart.Axis(static_cast<int>(type), 1);
  return a && a->exists && a->hasTitle ? a->title : std::string();
}

std::string Label(double x, double y, const std::string& text, const char* anchor, double size = kLabelSize) {
  return "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" font-size=\"" + Num(size) + "\" " + kLabelFont +
         " text-anchor=\"" + anchor + "\">" + EscapeXml(text) + "</text>";
}

struct Plot {
  double x, y, w, h;
};

void WriteLegend(const std::vector<SeriesData>& series, bool columns, double right, double top, double height,
                 std::string& out) {
  double lineHeight = kLabelSize * 1.6;
  double y = top + (height - lineHeight * static_cast<double>(series.size())) / 2 + lineHeight / 2;
  double widest = 0;
  for (const SeriesData& s : series) widest = std::max(widest, TextWidth(s.name, {kLabelSize}));
  double x = right - widest - 24;
  out += "<g class=\"legend\">";
  for (size_t i = 0; i < series.size(); ++i, y += lineHeight) {
    std::string color = kSeriesColors[i % 6];
    if (columns)
      out += "<rect x=\"" + Num(x + 4) + "\" y=\"" + Num(y - 3) + "\" width=\"6\" height=\"6\" fill=\"" + color + "\"/>";
    else
      out += "<path stroke=\"" + color + "\" stroke-width=\"2.25\" d=\"M" + Num(x) + ' ' + Num(y) + 'h' + Num(14) + "\"/>";
    out += Label(x + 18, y + kLabelSize * 0.35, series[i].name, "start");
  }
  out += "</g>";
}

double PlotY(const Plot& p, const AxisScale& s, double v) { return p.y + p.h - (v - s.low) / (s.high - s.low) * p.h; }

void WriteValueAxis(const Plot& p, const AxisScale& s, bool labels, std::string& out) {
  std::string grid;
  std::string text;
  for (double v = s.low; v <= s.high + s.step * 1e-6; v += s.step) {
    double y = PlotY(p, s, v);
    grid += 'M' + Num(p.x) + ' ' + Num(y) + 'H' + Num(p.x + p.w);
    if (labels) text += Label(p.x - 4, y + 3, FormatGeneral(std::fabs(v) < s.step * 1e-9 ? 0 : v), "end");
  }
  out += "<path fill=\"none\" stroke=\"#d9d9d9\" stroke-width=\"0.75\" d=\"" + grid + "\"/>" + text;
}

void WriteCategoryAxis(const Plot& p, const std::vector<std::string>& categories, size_t count, bool labels, std::string& out) {
  out += "<path stroke=\"#bfbfbf\" stroke-width=\"0.75\" d=\"M" + Num(p.x) + ' ' + Num(p.y + p.h) + 'H' + Num(p.x + p.w) + "\"/>";
  if (!labels || count == 0) return;
  double slot = p.w / static_cast<double>(count);
  double widest = 0;
  for (size_t i = 0; i < count; ++i)
    widest = std::max(widest, TextWidth(i < categories.size() ? categories[i] : std::to_string(i + 1), {kLabelSize}));
  size_t every = std::max<size_t>(1, static_cast<size_t>(std::ceil((widest + 4) / std::max(slot, 1e-6))));
  for (size_t i = 0; i < count; i += every) {
    std::string text = i < categories.size() ? categories[i] : std::to_string(i + 1);
    out += Label(p.x + slot * (static_cast<double>(i) + 0.5), p.y + p.h + kLabelSize + 3, text, "middle");
  }
}

void WriteLineSeries(const Plot& p, const AxisScale& s, const SeriesData& series, size_t count, const std::string& color,
                     bool markers, std::string& out) {
  double slot = p.w / static_cast<double>(count);
  std::string d, dots;
  bool penDown = false;
  for (size_t i = 0; i < series.values.size(); ++i) {
    if (!series.values[i]) {
      penDown = false;
      continue;
    }
    double x = p.x + slot * (static_cast<double>(i) + 0.5), y = PlotY(p, s, *series.values[i]);
    d += (penDown ? 'L' : 'M') + Num(x) + ' ' + Num(y);
    penDown = true;
    if (markers) dots += "<circle cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"2.5\"/>";
  }
  out += "<g class=\"series\" data-series=\"" + EscapeXml(series.name) + "\">";
  if (!d.empty())
    out += "<path fill=\"none\" stroke=\"" + color + "\" stroke-width=\"2.25\" stroke-linejoin=\"round\" d=\"" + d + "\"/>";
  if (!dots.empty()) out += "<g fill=\"" + color + "\">" + dots + "</g>";
  out += "</g>";
}

void WriteColumnSeries(const Plot& p, const AxisScale& s, const SeriesData& series, size_t index, size_t seriesCount,
                       size_t count, const std::string& color, std::string& out) {
  double slot = p.w / static_cast<double>(count);
  double bar = slot * 0.6 / static_cast<double>(seriesCount);
  double base = PlotY(p, s, std::clamp(0.0, s.low, s.high));
  std::string d;
  for (size_t i = 0; i < series.values.size(); ++i) {
    if (!series.values[i]) continue;
    double x = p.x + slot * (static_cast<double>(i) + 0.2) + bar * static_cast<double>(index);
    double y = PlotY(p, s, *series.values[i]);
    d += 'M' + Num(x) + ' ' + Num(std::min(y, base)) + 'h' + Num(bar) + 'v' + Num(std::fabs(base - y)) + 'h' + Num(-bar) + 'z';
  }
  out += "<g class=\"series\" data-series=\"" + EscapeXml(series.name) + "\"><path fill=\"" + color + "\" d=\"" + d + "\"/></g>";
}

}  // namespace

AxisScale NiceScale(double low, double high) {
  if (!std::isfinite(low) || !std::isfinite(high) || low > high) return {};
  if (low > 0) low = 0;
  if (high < 0) high = 0;
  if (high == low) high = low + 1;
  double raw = (high - low) / 5;
  double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  double step = magnitude;
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    step = m * magnitude;
    if (step >= raw) break;
  }
  return {std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step, step};
}

void WriteChart(const Worksheet& sheet, const Chart& chart, double x, double y, double w, double h, std::string& out) {
  out += "<g class=\"chart\">";
  std::vector<SeriesData> series = ReadSeries(sheet, chart);
  std::vector<std::string> categories;
  if (!chart.series.empty())
    for (const RangeCell& c : ReadRange(sheet, chart.series.front().categories)) categories.push_back(c.text);

  double top = y + 6, bottom = y + h - 6, left = x + 6, right = x + w - 6;
  if (chart.hasTitle && !chart.title.empty()) {
    out += "<text class=\"title\" x=\"" + Num(x + w / 2) + "\" y=\"" + Num(top + 14) +
           "\" font-size=\"14\" font-family=\"Calibri, Carlito, sans-serif\" fill=\"#595959\" text-anchor=\"middle\">" +
           EscapeXml(chart.title) + "</text>";
    top += 22;
  }
  bool columns = chart.chartType == kColumnClustered;
  if (!series.empty()) {
    double widest = 0;
    for (const SeriesData& s : series) widest = std::max(widest, TextWidth(s.name, {kLabelSize}));
    WriteLegend(series, columns, right, top, bottom - top, out);
    right -= widest + 30;
  }

  double low = 0, high = 0;
  size_t count = categories.size();
  for (const SeriesData& s : series) {
    count = std::max(count, s.values.size());
    for (const auto& v : s.values)
      if (v) low = std::min(low, *v), high = std::max(high, *v);
  }
  AxisScale scale = NiceScale(low, high);
  bool valueAxis = ShowsAxis(chart, AxisType::Value), categoryAxis = ShowsAxis(chart, AxisType::Category);

  std::string valueTitle = AxisTitle(chart, AxisType::Value), categoryTitle = AxisTitle(chart, AxisType::Category);
  if (!valueTitle.empty()) {
    out += "<text x=\"0\" y=\"0\" transform=\"translate(" + Num(left + kLabelSize) + ' ' + Num((top + bottom) / 2) +
           ") rotate(-90)\" font-size=\"" + Num(kLabelSize + 1) + "\" " + kLabelFont + " text-anchor=\"middle\">" +
           EscapeXml(valueTitle) + "</text>";
    left += kLabelSize + 6;
  }
  if (!categoryTitle.empty()) {
    out += Label((left + right) / 2, bottom - 2, categoryTitle, "middle", kLabelSize + 1);
    bottom -= kLabelSize + 6;
  }
  if (valueAxis) {
    double widest = 0;
    for (double v = scale.low; v <= scale.high + scale.step * 1e-6; v += scale.step)
      widest = std::max(widest, TextWidth(FormatGeneral(v), {kLabelSize}));
    left += widest + 6;
  }
  if (categoryAxis) bottom -= kLabelSize + 6;
  Plot plot{left, top + 4, std::max(1.0, right - left), std::max(1.0, bottom - top - 4)};

  WriteValueAxis(plot, scale, valueAxis, out);
  WriteCategoryAxis(plot, categories, count, categoryAxis, out);
  if (count > 0) {
    bool markers = chart.chartType != kLine && chart.chartType != kLineStacked && chart.chartType != kLineStacked100;
    for (size_t i = 0; i < series.size(); ++i) {
      std::string color = kSeriesColors[i % 6];
      if (columns) WriteColumnSeries(plot, scale, series[i], i, series.size(), count, color, out);
      else WriteLineSeries(plot, scale, series[i], count, color, markers, out);
    }
  }
  out += "</g>";
}

}  // namespace korvat::host::render
