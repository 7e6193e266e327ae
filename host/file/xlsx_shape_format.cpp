#include "host/file/xlsx_shape_format.h"

#include <cmath>
#include <map>

#include "host/file/xlsx_anchor.h"
#include "host/file/xlsx_shape_types.h"
#include "host/file/xlsx_xml.h"

namespace korvat::host::file::xlsx {
namespace {

constexpr int64_t kPercent = 100000;  // drawing markup's whole (alpha)

// ---- colours of drawing markup

std::string ColorXml(int packed, double transparency = 0.0) {
  std::string out = "<a:srgbClr val=\"" + RgbHex(packed) + "\"";
  const int64_t alpha = kPercent - std::llround(transparency * kPercent);
  if (alpha != kPercent) return out + "><a:alpha val=\"" + std::to_string(alpha) + "\"/></a:srgbClr>";
  return out + "/>";
}

int SchemeIndex(std::string_view name) {
  static const std::map<std::string_view, int> names = {
      {"lt1", 0}, {"bg1", 0}, {"dk1", 1}, {"tx1", 1}, {"lt2", 2}, {"bg2", 2}, {"dk2", 3}, {"tx2", 3},
      {"accent1", 4}, {"accent2", 5}, {"accent3", 6}, {"accent4", 7}, {"accent5", 8}, {"accent6", 9},
      {"hlink", 10}, {"folHlink", 11}};
  auto it = names.find(name);
  return it == names.end() ? 1 : it->second;
}

// The colour child of `parent` (srgbClr, schemeClr, sysClr, prstClr); false when none.
bool ReadDrawingColor(const pugi::xml_node& parent, const ThemeColors& theme, int* packed, double* transparency) {
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
    std::string_view n = LocalName(c);
    int value = 0;
    bool known = true;
    if (n == "srgbClr") {
      known = ParseRgbHex(c.attribute("val").value(), &value);
    } else if (n == "schemeClr") {
      value = theme.packed[static_cast<size_t>(SchemeIndex(c.attribute("val").value()))];
    } else if (n == "sysClr") {
      known = ParseRgbHex(c.attribute("lastClr").value(), &value);
    } else if (n == "prstClr") {
      std::string_view v = c.attribute("val").value();
      value = v == "white" ? 0xFFFFFF : v == "red" ? 0x0000FF : v == "blue" ? 0xFF0000 : v == "green" ? 0x008000 : 0;
    } else {
      continue;
    }
    if (!known) return false;
    *packed = value;
    if (transparency) {
      pugi::xml_node alpha = Child(c, "alpha");
      int64_t a = alpha ? IntegerAttr(alpha, "val", kPercent) : kPercent;
      *transparency = static_cast<double>(kPercent - a) / static_cast<double>(kPercent);
    }
    return true;
  }
  return false;
}

// ---- fills and lines

std::string SolidFill(int packed, double transparency = 0.0) {
  return "<a:solidFill>" + ColorXml(packed, transparency) + "</a:solidFill>";
}

void ReadFill(const pugi::xml_node& spPr, const ThemeColors& theme, FillFormat* f) {
  for (pugi::xml_node c = spPr.first_child(); c; c = c.next_sibling()) {
    std::string_view n = LocalName(c);
    if (n == "noFill") {
      f->visible = false;
      return;
    }
    if (n == "solidFill") {
      f->visible = true;
      f->pattern = 0;
      ReadDrawingColor(c, theme, &f->foreColor, &f->transparency);
      return;
    }
    if (n == "pattFill") {
      f->visible = true;
      f->pattern = PatternOfPreset(c.attribute("prst").value());
      if (f->pattern == 0) f->pattern = 1;
      ReadDrawingColor(Child(c, "fgClr"), theme, &f->foreColor, &f->transparency);
      ReadDrawingColor(Child(c, "bgClr"), theme, &f->backColor, nullptr);
      return;
    }
    if (n == "gradFill") {  // the first stop stands for the gradient
      f->visible = true;
      f->pattern = 0;
      ReadDrawingColor(Child(Child(c, "gsLst"), "gs"), theme, &f->foreColor, &f->transparency);
      return;
    }
  }
}

void ReadLine(const pugi::xml_node& ln, const ThemeColors& theme, LineFormat* l) {
  if (!ln) return;
  if (Attr(ln, "w")) l->weight = Points(IntegerAttr(ln, "w", 9525));
  if (Attr(ln, "cmpd")) l->style = LineStyleOfCompound(ln.attribute("cmpd").value());
  for (pugi::xml_node c = ln.first_child(); c; c = c.next_sibling()) {
    std::string_view n = LocalName(c);
    if (n == "noFill") l->visible = false;
    if (n == "solidFill") {
      l->visible = true;
      ReadDrawingColor(c, theme, &l->foreColor, nullptr);
    }
    if (n == "pattFill") {
      l->visible = true;
      ReadDrawingColor(Child(c, "fgClr"), theme, &l->foreColor, nullptr);
      ReadDrawingColor(Child(c, "bgClr"), theme, &l->backColor, nullptr);
    }
    if (n == "prstDash")
      l->dashStyle = DashOfPreset(c.attribute("val").value(), std::string_view(ln.attribute("cap").value()) == "rnd");
    if (n == "headEnd") l->beginArrowheadStyle = ArrowheadStyleOf(c.attribute("type").value());
    if (n == "tailEnd") l->endArrowheadStyle = ArrowheadStyleOf(c.attribute("type").value());
  }
}

}  // namespace

std::string FillXml(const FillFormat& f) {
  if (!f.visible) return "<a:noFill/>";
  if (f.pattern != 0 && PresetOfPattern(f.pattern))
    return std::string("<a:pattFill prst=\"") + PresetOfPattern(f.pattern) + "\"><a:fgClr>" +
           ColorXml(f.foreColor, f.transparency) + "</a:fgClr><a:bgClr>" + ColorXml(f.backColor) + "</a:bgClr></a:pattFill>";
  return SolidFill(f.foreColor, f.transparency);
}

std::string LineXml(const LineFormat& l) {
  if (!l.visible) return "<a:ln><a:noFill/></a:ln>";
  bool round = false;
  const char* dash = PresetOfDash(l.dashStyle, &round);
  const char* compound = CompoundOfLineStyle(l.style);
  std::string out = "<a:ln w=\"" + std::to_string(Emu(l.weight)) + "\"";
  if (round) out += " cap=\"rnd\"";
  out += std::string(" cmpd=\"") + (compound ? compound : "sng") + "\">" + SolidFill(l.foreColor);
  out += std::string("<a:prstDash val=\"") + (dash ? dash : "solid") + "\"/>";
  if (l.beginArrowheadStyle != kArrowheadNone && ArrowheadType(l.beginArrowheadStyle))
    out += std::string("<a:headEnd type=\"") + ArrowheadType(l.beginArrowheadStyle) + "\"/>";
  if (l.endArrowheadStyle != kArrowheadNone && ArrowheadType(l.endArrowheadStyle))
    out += std::string("<a:tailEnd type=\"") + ArrowheadType(l.endArrowheadStyle) + "\"/>";
  return out + "</a:ln>";
}

void ReadFillAndLine(const pugi::xml_node& spPr, const ThemeColors& theme, FillFormat* fill, LineFormat* line) {
  ReadFill(spPr, theme, fill);
  ReadLine(Child(spPr, "ln"), theme, line);
}

}  // namespace korvat::host::file::xlsx
