#include "host/render/cell_layer.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "host/model/color_palette.h"
#include "host/model/column_fit.h"
#include "host/render/conditional_style.h"
#include "host/render/svg_text.h"
#include "host/values/text_metrics.h"
#include "host/values/number_format.h"

namespace korvat::host::render {
namespace {

constexpr double kTextPadding = 2.25;      // from the cell edge to the text's anchor (3 pixels)
constexpr int kHAlignLeft = -4131, kHAlignCenter = -4108, kHAlignRight = -4152;
constexpr int kHAlignCenterAcross = 7, kHAlignDistributed = -4117;
constexpr int kVAlignTop = -4160, kVAlignCenter = -4108;
constexpr int kWeightHairline = 1, kWeightMedium = -4138, kWeightThick = 4;
constexpr int kLineDash = -4115, kLineDot = -4118, kLineDouble = -4119, kLineDashDot = 4,
              kLineDashDotDot = 5, kLineSlantDashDot = 13;

// A cell's fill: a palette index wins; an RGB or a pattern set without one counts too.
std::optional<int> CellFillColor(const Interior& interior) {
  if (auto p = PaletteColor(interior.colorIndex)) return p;
  if (interior.colorIndex == kNone && interior.pattern == kNone && interior.color == 0xFFFFFF)
    return std::nullopt;
  return interior.color & 0xFFFFFF;
}

int FontColor(const Font& font) {
  auto p = PaletteColor(font.colorIndex);
  return p ? *p : font.color & 0xFFFFFF;
}

struct StrokeKey {
  int color;
  int weight;
  int lineStyle;
  friend bool operator<(const StrokeKey& a, const StrokeKey& b) {
    return std::tie(a.color, a.weight, a.lineStyle) < std::tie(b.color, b.weight, b.lineStyle);
  }
};

std::string DashArray(int lineStyle, int weight) {
  if (weight == kWeightHairline && lineStyle == 1) return "0.75 0.75";
  switch (lineStyle) {
    case kLineDash: return "2.25 0.75";
    case kLineDot: return "0.75 0.75";
    case kLineDashDot: case kLineSlantDashDot: return "4.5 1.5 1.5 1.5";
    case kLineDashDotDot: return "4.5 1.5 1.5 1.5 1.5 1.5";
    default: return {};
  }
}

void AddLine(std::string& path, double x1, double y1, double x2, double y2) {
  path += 'M' + Num(x1) + ' ' + Num(y1);
  path += y1 == y2 ? 'H' + Num(x2) : 'V' + Num(y2);
}

struct CellBox {
  double x, y, w, h;
};

// A double line is two thin ones, drawn a line's width either side of the edge.
void AddBorder(std::map<StrokeKey, std::string>& borders, const Border& b, double x1, double y1,
               double x2, double y2) {
  auto color = PaletteColor(b.colorIndex);
  StrokeKey key{color ? *color : 0, b.weight, b.lineStyle};
  if (b.lineStyle == kLineDouble) {
    std::string& thin = borders[{key.color, kThin, 1}];
    double dx = y1 == y2 ? 0 : 0.75, dy = y1 == y2 ? 0.75 : 0;
    AddLine(thin, x1 - dx, y1 - dy, x2 - dx, y2 - dy);
    AddLine(thin, x1 + dx, y1 + dy, x2 + dx, y2 + dy);
    return;
  }
  AddLine(borders[key], x1, y1, x2, y2);
}

struct TextCell {
  CellBox box;
  std::string text;
  const CellStyle* style;  // the cell's own or, with a conditional format, `shown`
  CellValue::Kind kind;
  std::shared_ptr<const CellStyle> shown;
  size_t slot;  // the cell's place among its row's cells with content
};

// A stretch of a row between two x positions.
struct Span {
  double left, right;
};

// The texts of one row and the cells with content that stop them flowing on.
struct RowTexts {
  std::vector<Span> occupied;  // in column order
  std::vector<TextCell> texts;
};

FontSpec SpecOf(const Font& font) { return {font.size, font.bold, font.italic}; }

int EffectiveHAlign(const TextCell& t) {
  int h = t.style->horizontalAlignment;
  if (h == kHAlignCenterAcross || h == kHAlignDistributed) return kHAlignCenter;
  if (h == kHAlignLeft || h == kHAlignCenter || h == kHAlignRight) return h;
  if (h != kHAlignGeneral) return kHAlignLeft;  // fill, justify
  switch (t.kind) {
    case CellValue::Kind::Number: return kHAlignRight;
    case CellValue::Kind::Boolean:
    case CellValue::Kind::Error: return kHAlignCenter;
    default: return kHAlignLeft;
  }
}

double Baseline(const CellBox& box, int vAlign, double fontSize) {
  if (vAlign == kVAlignTop) return box.y + 1.0 + fontSize * 0.85;
  if (vAlign == kVAlignCenter || vAlign != kVAlignBottom) return box.y + box.h / 2 + fontSize * 0.35;
  return box.y + box.h - 1.5 - fontSize * 0.2;
}

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

// What a cell shows: its value in its number format, where a number too wide for the cell is
// rounded to fit in the General format and shown as #s filling the cell in any other.
std::string ShownText(const CellValue& value, const CellStyle& style, double cellWidth) {
  if (value.kind != CellValue::Kind::Number) return OneLine(FormatCellValue(value, style.numberFormat));
  const FontSpec font = SpecOf(style.font);
  const double room = cellWidth - kCellTextInsets;
  auto fits = [&](std::string_view text) { return HostCellTextWidth(text, font) <= room; };
  if (IsGeneralFormat(style.numberFormat)) {
    std::string text = FormatGeneralToFit(value.number, fits);
    if (!text.empty()) return text;
  } else {
    std::string text = FormatNumber(value.number, style.numberFormat);
    if (text.empty() || fits(text)) return text;
  }
  const double hash = HostCellTextWidth("#", font);
  return std::string(hash > 0 && room > 0 ? static_cast<size_t>(room / hash) : 0, '#');
}

// Covers the vertical grid lines that text flowing across them hides, as the host does: one
// white strip from the first to the last, between the row's horizontal lines. Only empty cells
// lie under it, and their fills and borders are drawn over it.
void EraseGridLines(const std::vector<VisibleColumn>& columns, Origin o, const CellBox& row, Span covered,
                    std::string& erasers) {
  auto first = std::upper_bound(columns.begin(), columns.end(), covered.left - o.x,
                                [](double x, const VisibleColumn& c) { return x < c.left + c.width; });
  auto last = first;
  while (last != columns.end() && o.x + last->left + last->width < covered.right) ++last;
  if (last == first) return;
  const double from = o.x + first->left + first->width, to = o.x + (last - 1)->left + (last - 1)->width;
  erasers += 'M' + Num(from - 0.5) + ' ' + Num(row.y + 0.375) + 'h' + Num(to - from + 1) + 'v' + Num(row.h - 0.75) + 'h' +
             Num(-(to - from + 1)) + 'z';
}

// A text is drawn from its anchor; where it reaches past `flow` (its own cell, or for texts
// the empty neighbours it flows over) or is taller than the row, the host clips it, and so
// does the nested SVG viewport written around it.
void WriteText(const TextCell& t, Span flow, const std::vector<VisibleColumn>& columns, Origin o, std::string& out,
               std::string& erasers) {
  const Font& font = t.style->font;
  const int align = EffectiveHAlign(t);
  const double width = TextWidth(t.text, SpecOf(font));
  double x;
  Span drawn;
  const char* anchor = nullptr;
  if (align == kHAlignRight) {
    x = t.box.x + t.box.w - kTextPadding;
    drawn = {x - width, x};
    anchor = "end";
  } else if (align == kHAlignCenter) {
    x = t.box.x + t.box.w / 2;
    drawn = {x - width / 2, x + width / 2};
    anchor = "middle";
  } else {
    x = t.box.x + kTextPadding;
    drawn = {x, x + width};
  }
  const bool clipped = drawn.left < flow.left || drawn.right > flow.right || font.size * 1.2 > t.box.h;
  if (t.kind == CellValue::Kind::Text)
    EraseGridLines(columns, o, t.box, {std::max(drawn.left, flow.left), std::min(drawn.right, flow.right)}, erasers);
  if (clipped) {
    const std::string x0 = Num(flow.left), y0 = Num(t.box.y), w = Num(flow.right - flow.left), h = Num(t.box.h);
    out += "<svg x=\"" + x0 + "\" y=\"" + y0 + "\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"" + x0 + ' ' + y0 +
           ' ' + w + ' ' + h + "\">";
  }
  out += "<text x=\"" + Num(x) + "\" y=\"" + Num(Baseline(t.box, t.style->verticalAlignment, font.size)) + '"';
  if (anchor) out += std::string(" text-anchor=\"") + anchor + '"';
  if (font.name != "Calibri") out += " font-family=\"" + EscapeXml(font.name) + ", sans-serif\"";
  if (font.size != 11.0) out += " font-size=\"" + Num(font.size) + '"';
  if (font.bold) out += " font-weight=\"bold\"";
  if (font.italic) out += " font-style=\"italic\"";
  // Blanks the page would collapse (leading, trailing or repeated) stay, as the host shows them.
  if (t.text.front() == ' ' || t.text.back() == ' ' || t.text.find("  ") != std::string::npos)
    out += " xml:space=\"preserve\"";
  int color = FontColor(font);
  if (color != 0) out += " fill=\"" + ColorText(color) + '"';
  out += '>' + EscapeXml(t.text) + "</text>";
  if (clipped) out += "</svg>";
}

// Text flows over empty neighbours, away from the side it is aligned to: left-aligned to the
// right, right-aligned to the left, centred both ways; the first cell with content stops it.
// Numbers, booleans and errors stay in their cells.
void WriteRowTexts(const RowTexts& row, Span area, const std::vector<VisibleColumn>& columns, Origin o,
                   std::string& out, std::string& erasers) {
  for (const TextCell& t : row.texts) {
    Span flow{t.box.x, t.box.x + t.box.w};
    if (t.kind == CellValue::Kind::Text) {
      const int align = EffectiveHAlign(t);
      if (align != kHAlignLeft) flow.left = t.slot > 0 ? row.occupied[t.slot - 1].right : area.left;
      if (align != kHAlignRight)
        flow.right = t.slot + 1 < row.occupied.size() ? row.occupied[t.slot + 1].left : area.right;
    }
    WriteText(t, flow, columns, o, out, erasers);
  }
}

void WriteGrid(const SheetLayout& layout, const RowBand& band, Origin o, std::string& out) {
  const Worksheet& sheet = layout.Sheet();
  std::string path;
  double x0 = o.x, x1 = o.x + layout.Width();
  for (int r = band.firstRow; r <= band.lastRow; ++r) {
    double h = sheet.RowHeight(r);
    if (h > 0) AddLine(path, x0, o.y + sheet.RowTop(r) + h, x1, o.y + sheet.RowTop(r) + h);
  }
  for (const VisibleColumn& c : layout.Columns())
    AddLine(path, o.x + c.left + c.width, o.y + band.top, o.x + c.left + c.width, o.y + band.bottom);
  if (!path.empty())
    out += std::string("<path fill=\"none\" stroke=\"") + kGridLineColor + "\" stroke-width=\"0.75\" d=\"" + path + "\"/>";
}

}  // namespace

double BorderStrokeWidth(int weight) {
  if (weight == kWeightMedium) return 1.5;
  if (weight == kWeightThick) return 2.25;
  return 0.75;
}

void WriteCellLayer(const SheetLayout& layout, const RowBand& band, Origin o, std::string& out) {
  const Worksheet& sheet = layout.Sheet();
  WriteGrid(layout, band, o, out);
  const ConditionalStyles conditional(sheet);

  std::map<int, std::string> fills;
  std::map<StrokeKey, std::string> borders;
  std::string texts, erasers;
  RowTexts row;
  int currentRow = 0;
  auto flushRow = [&] {
    WriteRowTexts(row, {o.x, o.x + layout.Width()}, layout.Columns(), o, texts, erasers);
    row.occupied.clear();
    row.texts.clear();
  };

  // Stored cells and cells only formatted (held as blocks by the sheet) alike.
  sheet.ForEachShownCell({band.firstRow, 1, band.lastRow, layout.LastColumn()}, [&](int r, int c,
                                                                                    const CellStyle& cellStyle,
                                                                                    const Cell* cell) {
    if (r != currentRow) flushRow(), currentRow = r;
    CellBox box{o.x + sheet.ColumnLeft(c), o.y + sheet.RowTop(r), sheet.ColumnWidth(c), sheet.RowHeight(r)};
    if (box.w <= 0 || box.h <= 0) return;
    const bool hasContent = cell && cell->HasContent();
    CellValue value = hasContent ? sheet.Value(r, c) : CellValue::Empty();
    std::shared_ptr<const CellStyle> shown;
    if (!conditional.Empty()) shown = std::make_shared<CellStyle>(conditional.Apply(r, c, value, cellStyle));
    const CellStyle& style = shown ? *shown : cellStyle;
    if (auto fill = CellFillColor(style.interior))
      fills[*fill] += 'M' + Num(box.x) + ' ' + Num(box.y) + 'h' + Num(box.w) + 'v' + Num(box.h) + 'h' + Num(-box.w) + 'z';
    const double right = box.x + box.w, bottom = box.y + box.h;
    auto edge = [&](Edge e, double x1, double y1, double x2, double y2) {
      const Border& b = style.border(e);
      if (b.lineStyle != kNone) AddBorder(borders, b, x1, y1, x2, y2);
    };
    edge(Edge::Left, box.x, box.y, box.x, bottom);
    edge(Edge::Top, box.x, box.y, right, box.y);
    edge(Edge::Bottom, box.x, bottom, right, bottom);
    edge(Edge::Right, right, box.y, right, bottom);

    if (hasContent) {
      row.occupied.push_back({box.x, right});
      std::string text = ShownText(value, style, box.w);
      if (!text.empty()) row.texts.push_back({box, std::move(text), &style, value.kind, shown, row.occupied.size() - 1});
    }
  });
  flushRow();

  // Under the fills: a filled neighbour keeps its own colour where text flows over it.
  if (!erasers.empty()) out += "<path fill=\"#ffffff\" d=\"" + erasers + "\"/>";
  for (const auto& [color, path] : fills) out += "<path fill=\"" + ColorText(color) + "\" d=\"" + path + "\"/>";
  if (!texts.empty())
    out += "<g font-family=\"Calibri, Carlito, sans-serif\" font-size=\"11\" style=\"white-space:pre\">" + texts + "</g>";
  for (const auto& [key, path] : borders) {
    out += "<path fill=\"none\" stroke=\"" + ColorText(key.color) + "\" stroke-width=\"" +
           Num(BorderStrokeWidth(key.weight)) + '"';
    std::string dash = DashArray(key.lineStyle, key.weight);
    if (!dash.empty()) out += " stroke-dasharray=\"" + dash + '"';
    out += " d=\"" + path + "\"/>";
  }
}

}  // namespace korvat::host::render
