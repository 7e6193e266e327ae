#include "host/render/cell_layer.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "host/model/color_palette.h"
#include "host/render/svg_text.h"
#include "host/render/conditional_style.h"
#include "host/values/number_format.h"
#include "host/render/svg_text.h"
#include "host/render/text_metrics.h"

namespace korvat::host::render {
namespace {

constexpr double kTextPadding = 2.25;
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
  int col;
  CellBox box;
  std::string text;
  const CellStyle* style;  // the cell's own or, with a conditional format, `shown`
  CellValue::Kind kind;
  std::shared_ptr<const CellStyle> shown;
};

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

// Text may spill over empty neighbours (numbers never do); it is cut where the estimate says
// it no longer fits, and a number too wide for its cell shows as #s.
void WriteText(const TextCell& t, double spillLeft, double spillRight, std::string& out) {
  const Font& font = t.style->font;
  bool spills = t.kind == CellValue::Kind::Text;
  double left = spills ? spillLeft : t.box.x, right = spills ? spillRight : t.box.x + t.box.w;
  int align = EffectiveHAlign(t);
  double x, room;
  const char* anchor = nullptr;
  if (align == kHAlignRight) {
    x = t.box.x + t.box.w - kTextPadding;
    room = x - left;
    anchor = "end";
  } else if (align == kHAlignCenter) {
    x = t.box.x + t.box.w / 2;
    room = 2 * std::min(x - left, right - x) - 2 * kTextPadding;
    anchor = "middle";
  } else {
    x = t.box.x + kTextPadding;
    room = right - x;
  }
  std::string text = OneLine(t.text);
  if (!spills) room = t.box.w - 2 * kTextPadding;
  if (EstimateTextWidth(text, font.size, font.bold) > room) {
    if (t.kind == CellValue::Kind::Number)  // the host never cuts a number: it shows #s instead
      text.assign(PrefixThatFits(std::string(64, '#'), font.size, font.bold, std::max(0.0, room)), '#');
    else
      text.resize(PrefixThatFits(text, font.size, font.bold, std::max(0.0, room)));
  }
  if (text.empty()) return;
  out += "<text x=\"" + Num(x) + "\" y=\"" + Num(Baseline(t.box, t.style->verticalAlignment, font.size)) + '"';
  if (anchor) out += std::string(" text-anchor=\"") + anchor + '"';
  if (font.name != "Calibri") out += " font-family=\"" + EscapeXml(font.name) + ", sans-serif\"";
  if (font.size != 11.0) out += " font-size=\"" + Num(font.size) + '"';
  if (font.bold) out += " font-weight=\"bold\"";
  if (font.italic) out += " font-style=\"italic\"";
  int color = FontColor(font);
  if (color != 0) out += " fill=\"" + ColorText(color) + '"';
  out += '>' + EscapeXml(text) + "</text>";
}

void WriteRowTexts(const std::vector<TextCell>& texts, double rowLeft, double rowRight, std::string& out) {
  for (size_t i = 0; i < texts.size(); ++i) {
    double spillLeft = i > 0 ? texts[i - 1].box.x + texts[i - 1].box.w : rowLeft;
    double spillRight = i + 1 < texts.size() ? texts[i + 1].box.x : rowRight;
    WriteText(texts[i], spillLeft, spillRight, out);
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
  std::string texts;
  std::vector<TextCell> rowTexts;
  int currentRow = 0;
  auto flushRow = [&] {
    WriteRowTexts(rowTexts, o.x, o.x + layout.Width(), texts);
    rowTexts.clear();
  };

  const auto& cells = sheet.Cells();
  auto end = cells.lower_bound(Worksheet::CellKey(band.lastRow + 1, 0));
  for (auto it = cells.lower_bound(Worksheet::CellKey(band.firstRow, 0)); it != end; ++it) {
    int r = Worksheet::KeyRow(it->first), c = Worksheet::KeyColumn(it->first);
    if (r != currentRow) flushRow(), currentRow = r;
    if (c > layout.LastColumn()) continue;
    CellBox box{o.x + sheet.ColumnLeft(c), o.y + sheet.RowTop(r), sheet.ColumnWidth(c), sheet.RowHeight(r)};
    if (box.w <= 0 || box.h <= 0) continue;
    const Cell& cell = it->second;
    CellValue value = cell.HasContent() ? sheet.Value(r, c) : CellValue::Empty();
    std::shared_ptr<const CellStyle> shown;
    if (!conditional.Empty()) shown = std::make_shared<CellStyle>(conditional.Apply(r, c, value, cell.style));
    const CellStyle& style = shown ? *shown : cell.style;

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

    if (cell.HasContent()) {
      std::string text = FormatCellValue(value, style.numberFormat);
      if (!text.empty()) rowTexts.push_back({c, box, std::move(text), &style, value.kind, shown});
    }
  }
  flushRow();

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
