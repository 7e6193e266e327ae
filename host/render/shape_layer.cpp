#include "host/render/shape_layer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/model/shape_collection.h"
#include "host/render/chart_layer.h"
#include "host/model/color_palette.h"
#include "host/render/preset_geometry.h"
#include "host/render/svg_text.h"
#include "host/values/text_metrics.h"

namespace korvat::host::render {
namespace {

constexpr int kArrowTriangle = 2, kArrowOpen = 3, kArrowStealth = 4, kArrowDiamond = 5, kArrowOval = 6;
constexpr int kConnectorElbow = 2, kConnectorCurve = 3;
constexpr int kAlignCenter = -4108, kAlignRight = -4152, kAlignBottom = -4107;

std::string DashArray(int dashStyle, double weight) {
  double u = std::max(weight, 0.75);
  auto scaled = [u](std::initializer_list<double> parts) {
    std::string s;
    for (double p : parts) {
      if (!s.empty()) s += ' ';
      s += Num(p * u);
    }
    return s;
  };
  switch (dashStyle) {
    case 2: return scaled({1, 1});        // square dot
    case 3: return scaled({1, 1});        // round dot
    case 4: return scaled({4, 3});        // dash
    case 5: return scaled({4, 3, 1, 3});  // dash dot
    case 6: return scaled({4, 3, 1, 3, 1, 3});
    case 7: return scaled({8, 3});        // long dash
    case 8: return scaled({8, 3, 1, 3});
    default: return {};
  }
}

std::string FillAttributes(const FillFormat& fill) {
  if (!fill.visible) return " fill=\"none\"";
  std::string s = " fill=\"" + ColorText(fill.foreColor) + '"';
  if (fill.transparency > 0) s += " fill-opacity=\"" + Num(std::clamp(1.0 - fill.transparency, 0.0, 1.0)) + '"';
  return s;
}

std::string StrokeAttributes(const LineFormat& line) {
  if (!line.visible || line.weight <= 0) return " stroke=\"none\"";
  std::string s = " stroke=\"" + ColorText(line.foreColor) + "\" stroke-width=\"" + Num(line.weight) + '"';
  std::string dash = DashArray(line.dashStyle, line.weight);
  if (!dash.empty()) s += " stroke-dasharray=\"" + dash + '"';
  return s;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (c == '\r' || c == '\n' || c == '\v') lines.emplace_back();
    else lines.back() += c;
  }
  return lines;
}

// Greedy word wrap where a line is too long for the frame.
std::vector<std::string> WrapLines(const std::vector<std::string>& lines, double fontSize, double width) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    if (width <= 0 || TextWidth(line, {fontSize}) <= width) {
      out.push_back(line);
      continue;
    }
    std::string current;
    size_t start = 0;
    while (start <= line.size()) {
      size_t space = line.find(' ', start);
      std::string word = line.substr(start, space == std::string::npos ? std::string::npos : space - start);
      std::string candidate = current.empty() ? word : current + ' ' + word;
      if (!current.empty() && TextWidth(candidate, {fontSize}) > width) {
        out.push_back(current);
        current = word;
      } else {
        current = candidate;
      }
      if (space == std::string::npos) break;
      start = space + 1;
    }
    out.push_back(current);
  }
  return out;
}

void WriteFrameText(const Shape& s, double x, double y, std::string& out) {
  const TextFrame& tf = s.textFrame;
  if (tf.text.empty()) return;
  double size = tf.fontSize > 0 ? tf.fontSize : 11.0;
  double left = x + tf.marginLeft, right = x + s.width - tf.marginRight;
  std::vector<std::string> lines = WrapLines(SplitLines(tf.text), size, right - left);
  double lineHeight = size * 1.2;
  double block = lineHeight * static_cast<double>(lines.size());
  double top = y + tf.marginTop;
  if (tf.verticalAlignment == kAlignCenter) top = y + (s.height - block) / 2;
  else if (tf.verticalAlignment == kAlignBottom) top = y + s.height - tf.marginBottom - block;
  double tx = left;
  const char* anchor = "start";
  if (tf.horizontalAlignment == kAlignCenter) tx = (left + right) / 2, anchor = "middle";
  else if (tf.horizontalAlignment == kAlignRight) tx = right, anchor = "end";
  out += "<text font-family=\"" + EscapeXml(tf.fontName) + ", Carlito, sans-serif\" font-size=\"" + Num(size) +
         "\" text-anchor=\"" + anchor + "\" fill=\"#000000\" style=\"white-space:pre\">";
  for (size_t i = 0; i < lines.size(); ++i)
    out += "<tspan x=\"" + Num(tx) + "\" y=\"" + Num(top + lineHeight * static_cast<double>(i) + size * 0.95) + "\">" +
           EscapeXml(lines[i]) + "</tspan>";
  out += "</text>";
}

void WriteAutoShape(const Shape& s, Origin o, std::string& out) {
  double x = o.x + s.left, y = o.y + s.top;
  int type = s.type == ShapeType::TextBox ? kShapeRectangle : s.autoShapeType;
  out += "<path" + FillAttributes(s.fill) + StrokeAttributes(s.line) + " d=\"" +
         PresetOutline(type, x, y, s.width, s.height, s.adjustments) + "\"/>";
  WriteFrameText(s, x, y, out);
}

// An arrowhead whose tip is at (tx, ty), pointing away from (fx, fy).
void WriteArrowhead(int style, const LineFormat& line, double fx, double fy, double tx, double ty, std::string& out) {
  if (style <= 1 || style > kArrowOval) return;
  double dx = tx - fx, dy = ty - fy, len = std::hypot(dx, dy);
  if (len <= 0) return;
  dx /= len, dy /= len;
  double length = 3.0 + 3.0 * line.weight, half = length * 0.5;
  double bx = tx - dx * length, by = ty - dy * length;  // middle of the base
  double nx = -dy * half, ny = dx * half;
  std::string color = ColorText(line.foreColor);
  auto pt = [](double x, double y) { return Num(x) + ' ' + Num(y); };
  switch (style) {
    case kArrowOpen:
      out += "<path fill=\"none\" stroke=\"" + color + "\" stroke-width=\"" + Num(line.weight) + "\" d=\"M" +
             pt(bx + nx, by + ny) + 'L' + pt(tx, ty) + 'L' + pt(bx - nx, by - ny) + "\"/>";
      return;
    case kArrowOval:
      out += "<ellipse cx=\"" + Num(tx - dx * half) + "\" cy=\"" + Num(ty - dy * half) + "\" rx=\"" + Num(half) +
             "\" ry=\"" + Num(half) + "\" fill=\"" + color + "\"/>";
      return;
    case kArrowDiamond:
      out += "<path fill=\"" + color + "\" d=\"M" + pt(tx, ty) + 'L' + pt(tx - dx * half + nx, ty - dy * half + ny) + 'L' +
             pt(bx, by) + 'L' + pt(tx - dx * half - nx, ty - dy * half - ny) + "Z\"/>";
      return;
    case kArrowStealth: {
      double mx = tx - dx * length * 0.7, my = ty - dy * length * 0.7;
      out += "<path fill=\"" + color + "\" d=\"M" + pt(tx, ty) + 'L' + pt(bx + nx, by + ny) + 'L' + pt(mx, my) + 'L' +
             pt(bx - nx, by - ny) + "Z\"/>";
      return;
    }
    case kArrowTriangle:
    default:
      out += "<path fill=\"" + color + "\" d=\"M" + pt(tx, ty) + 'L' + pt(bx + nx, by + ny) + 'L' + pt(bx - nx, by - ny) + "Z\"/>";
      return;
  }
}

void WriteConnector(const Shape& s, Origin o, std::string& out) {
  double bx, by, ex, ey;
  ShapeCollection::ConnectorPoints(s, &bx, &by, &ex, &ey);
  bx += o.x, ex += o.x, by += o.y, ey += o.y;
  auto pt = [](double x, double y) { return Num(x) + ' ' + Num(y); };
  std::string d = 'M' + pt(bx, by);
  // The points each end's arrowhead points away from.
  double afterBeginX = ex, afterBeginY = ey, beforeEndX = bx, beforeEndY = by;
  if (s.connectorType == kConnectorElbow) {
    double mx = bx + (ex - bx) * (s.adjustments.empty() ? 0.5 : s.adjustments[0]);
    d += 'H' + Num(mx) + 'V' + Num(ey) + 'H' + Num(ex);
    if (mx != bx) afterBeginX = mx, afterBeginY = by;
    else afterBeginX = mx, afterBeginY = ey;
    if (mx != ex) beforeEndX = mx, beforeEndY = ey;
    else beforeEndX = mx, beforeEndY = by;
  } else if (s.connectorType == kConnectorCurve) {
    double mx = (bx + ex) / 2;
    d += 'C' + pt(mx, by) + ' ' + pt(mx, ey) + ' ' + pt(ex, ey);
    if (mx != bx) afterBeginX = mx, afterBeginY = by;
    if (mx != ex) beforeEndX = mx, beforeEndY = ey;
  } else {
    d += 'L' + pt(ex, ey);
  }
  out += "<path fill=\"none\"" + StrokeAttributes(s.line) + " d=\"" + d + "\"/>";
  if (!s.line.visible) return;
  WriteArrowhead(s.line.beginArrowheadStyle, s.line, afterBeginX, afterBeginY, bx, by, out);
  WriteArrowhead(s.line.endArrowheadStyle, s.line, beforeEndX, beforeEndY, ex, ey, out);
}

void WriteFreeform(const Shape& s, Origin o, std::string& out) {
  if (s.nodes.empty()) return;
  double x0 = o.x + s.left, y0 = o.y + s.top;
  std::string d;
  for (size_t i = 0; i < s.nodes.size(); ++i)
    d += (i == 0 ? 'M' : 'L') + Num(x0 + s.nodes[i].x) + ' ' + Num(y0 + s.nodes[i].y);
  const FreeformNode &first = s.nodes.front(), &last = s.nodes.back();
  bool closed = s.nodes.size() > 2 && std::fabs(first.x - last.x) < 0.01 && std::fabs(first.y - last.y) < 0.01;
  if (closed) d += 'Z';
  out += "<path" + (closed ? FillAttributes(s.fill) : std::string(" fill=\"none\"")) + StrokeAttributes(s.line) +
         " stroke-linejoin=\"round\" d=\"" + d + "\"/>";
  if (!s.line.visible) return;
  WriteArrowhead(s.line.beginArrowheadStyle, s.line, x0 + s.nodes[std::min<size_t>(1, s.nodes.size() - 1)].x,
                 y0 + s.nodes[std::min<size_t>(1, s.nodes.size() - 1)].y, x0 + first.x, y0 + first.y, out);
  const FreeformNode& beforeLast = s.nodes[s.nodes.size() >= 2 ? s.nodes.size() - 2 : 0];
  WriteArrowhead(s.line.endArrowheadStyle, s.line, x0 + beforeLast.x, y0 + beforeLast.y, x0 + last.x, y0 + last.y, out);
}

void WriteChartShape(const Worksheet& sheet, const Shape& s, Origin o, std::string& out) {
  double x = o.x + s.left, y = o.y + s.top;
  out += "<rect x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" width=\"" + Num(s.width) + "\" height=\"" + Num(s.height) + '"' +
         FillAttributes(s.fill) + (s.line.visible ? " stroke=\"#d9d9d9\" stroke-width=\"0.75\"" : "") + "/>";
  if (s.chart) WriteChart(sheet, *s.chart, x, y, s.width, s.height, out);
}

bool Finite(const Shape& s) {
  return std::isfinite(s.left) && std::isfinite(s.top) && std::isfinite(s.width) && std::isfinite(s.height);
}

}  // namespace

void WriteShape(const Worksheet& sheet, const Shape& shape, Origin origin, std::string& out) {
  if (!Finite(shape)) return;
  out += "<g data-shape=\"" + EscapeXml(shape.name) + "\">";
  switch (shape.type) {
    case ShapeType::AutoShape:
    case ShapeType::TextBox: WriteAutoShape(shape, origin, out); break;
    case ShapeType::Connector: WriteConnector(shape, origin, out); break;
    case ShapeType::Freeform: WriteFreeform(shape, origin, out); break;
    case ShapeType::Chart: WriteChartShape(sheet, shape, origin, out); break;
  }
  out += "</g>";
}

}  // namespace korvat::host::render
