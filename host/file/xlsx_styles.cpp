#include "host/file/xlsx_styles.h"

#include <array>

#include "host/file/xlsx_host_ext.h"
#include "host/file/xlsx_xml.h"
#include "host/model/color_palette.h"

namespace korvat::host::file::xlsx {
namespace {

constexpr int kContinuous = 1, kDash = -4115, kDot = -4118, kDouble = -4119, kDashDot = 4, kDashDotDot = 5,
              kSlantDashDot = 13;
constexpr int kHairline = 1, kMedium = -4138, kThick = 4;
constexpr int kSolid = 1;

struct BorderStyleName {
  const char* name;
  int lineStyle;
  int weight;
};
// Reading uses the first row of a name; writing the row of a line style and weight.
constexpr BorderStyleName kBorderStyles[] = {
    {"thin", kContinuous, kThin},          {"hair", kContinuous, kHairline},
    {"medium", kContinuous, kMedium},      {"thick", kContinuous, kThick},
    {"dashed", kDash, kThin},              {"mediumDashed", kDash, kMedium},
    {"dotted", kDot, kThin},               {"dashDot", kDashDot, kThin},
    {"mediumDashDot", kDashDot, kMedium},  {"dashDotDot", kDashDotDot, kThin},
    {"mediumDashDotDot", kDashDotDot, kMedium}, {"slantDashDot", kSlantDashDot, kMedium},
    {"double", kDouble, kThick},
};

std::string BorderStyleOf(const Border& b) {
  if (b.lineStyle == kNone) return {};
  for (const auto& s : kBorderStyles)
    if (s.lineStyle == b.lineStyle && s.weight == b.weight) return s.name;
  for (const auto& s : kBorderStyles)  // a weight the style has no name for
    if (s.lineStyle == b.lineStyle) return s.name;
  return "thin";
}

Border BorderOf(const std::string& style, const XColor& color) {
  Border b;
  for (const auto& s : kBorderStyles) {
    if (style == s.name) {
      b.lineStyle = s.lineStyle;
      b.weight = s.weight;
      b.colorIndex = ColorIndexOf(color, kAutomatic);
      return b;
    }
  }
  return b;
}

struct PatternName {
  const char* name;
  int pattern;
};
constexpr PatternName kPatterns[] = {
    {"none", kNone},           {"solid", kSolid},          {"mediumGray", -4125},   {"darkGray", -4126},
    {"lightGray", -4124},      {"darkHorizontal", -4128},  {"darkVertical", -4166}, {"darkDown", -4121},
    {"darkUp", -4162},         {"darkGrid", 9},            {"darkTrellis", 10},     {"lightHorizontal", 11},
    {"lightVertical", 12},     {"lightDown", 13},          {"lightUp", 14},         {"lightGrid", 15},
    {"lightTrellis", 16},      {"gray125", 17},            {"gray0625", 18},
};

std::string PatternNameOf(int pattern) {
  for (const auto& p : kPatterns)
    if (p.pattern == pattern) return p.name;
  return "solid";
}

int PatternOf(std::string_view name) {
  for (const auto& p : kPatterns)
    if (name == p.name) return p.pattern;
  return kNone;
}

struct AlignName {
  const char* name;
  int value;
};
constexpr AlignName kHorizontal[] = {{"general", kHAlignGeneral}, {"left", -4131},   {"center", -4108},
                                     {"right", -4152},            {"fill", 5},        {"justify", -4130},
                                     {"centerContinuous", 7},     {"distributed", -4117}};
constexpr AlignName kVertical[] = {
    {"bottom", kVAlignBottom}, {"top", -4160}, {"center", -4108}, {"justify", -4130}, {"distributed", -4117}};

template <size_t N>
std::string AlignNameOf(const AlignName (&table)[N], int value) {
  for (const auto& a : table)
    if (a.value == value) return a.name;
  return table[0].name;
}

template <size_t N>
int AlignOf(const AlignName (&table)[N], std::string_view name) {
  for (const auto& a : table)
    if (name == a.name) return a.value;
  return table[0].value;
}

// ---- the markup form of a style, and the style the markup gives back

struct MarkupFill {
  std::string pattern = "none";
  XColor fg, bg;
};

MarkupFill FillMarkup(const Interior& in) {
  MarkupFill f;
  if (in.pattern == kNone) return f;
  f.pattern = PatternNameOf(in.pattern);
  XColor cell = PaletteColor(in.colorIndex) ? ColorOfIndex(in.colorIndex) : ColorOfPacked(in.color);
  XColor pattern = in.patternColorIndex == kAutomatic ? XColor{XColor::Kind::Indexed, 64, 0}
                                                      : ColorOfIndex(in.patternColorIndex);
  if (f.pattern == "solid") {
    f.fg = cell;
    f.bg = pattern;
  } else {
    f.fg = pattern;
    f.bg = cell;
  }
  return f;
}

Interior InteriorOf(const MarkupFill& f) {
  Interior in;
  in.pattern = PatternOf(f.pattern);
  if (in.pattern == kNone) return in;
  const bool solid = in.pattern == kSolid;
  const XColor& cell = solid ? f.fg : f.bg;
  const XColor& pattern = solid ? f.bg : f.fg;
  if (cell.kind == XColor::Kind::Rgb || (cell.kind == XColor::Kind::Indexed && cell.index <= 63)) {
    in.colorIndex = ColorIndexOf(cell, kNone);
    in.color = PackedOf(cell, 0xFFFFFF);
  } else if (!solid) {
    in.colorIndex = kNone;
  }
  in.patternColorIndex = ColorIndexOf(pattern, kAutomatic);
  if (in.patternColorIndex == kNone) in.patternColorIndex = kAutomatic;
  return in;
}

XColor FontColorMarkup(const Font& f) {
  if (PaletteColor(f.colorIndex)) return ColorOfIndex(f.colorIndex);
  if (f.colorIndex == kAutomatic && f.color == 0) return {};
  return ColorOfPacked(f.color);
}

void FontColorOf(const XColor& c, Font* f) {
  if (c.kind == XColor::Kind::Absent || c.kind == XColor::Kind::Auto ||
      (c.kind == XColor::Kind::Indexed && c.index > 63)) {
    f->colorIndex = kAutomatic;
    f->color = 0;
    return;
  }
  f->colorIndex = ColorIndexOf(c, kAutomatic);
  f->color = PackedOf(c, 0);
}

std::string ColorElement(const char* name, const XColor& c) {
  if (c.kind == XColor::Kind::Absent) return {};
  return std::string("<") + name + " " + ColorAttributes(c) + "/>";
}

std::string FontXml(const Font& f) {
  std::string out = "<font>";
  if (f.bold) out += "<b/>";
  if (f.italic) out += "<i/>";
  out += "<sz val=\"" + NumberText(f.size) + "\"/>";
  out += ColorElement("color", FontColorMarkup(f));
  std::string name;
  AppendEscaped(name, f.name, true);
  out += "<name val=\"" + name + "\"/></font>";
  return out;
}

std::string FillXml(const MarkupFill& f) {
  std::string out = "<fill><patternFill patternType=\"" + f.pattern + "\"";
  std::string colors = ColorElement("fgColor", f.fg) + ColorElement("bgColor", f.bg);
  return out + (colors.empty() ? "/>" : ">" + colors + "</patternFill>") + "</fill>";
}

std::string BorderXml(const CellStyle& s) {
  std::string out = "<border>";
  for (Edge e : {Edge::Left, Edge::Right, Edge::Top, Edge::Bottom}) {
    const Border& b = s.border(e);
    std::string style = BorderStyleOf(b);
    out += std::string("<") + EdgeName(e);
    if (style.empty()) {
      out += "/>";
      continue;
    }
    out += " style=\"" + style + "\">" + ColorElement("color", b.colorIndex == kAutomatic ? XColor{XColor::Kind::Auto}
                                                                                        : ColorOfIndex(b.colorIndex));
    out += std::string("</") + EdgeName(e) + ">";
  }
  return out + "<diagonal/></border>";
}

// The style the markup of `s` gives when read back, to find what must travel beside it.
CellStyle RoundTripOf(const CellStyle& s) {
  CellStyle r = s;
  for (int e = 0; e < kEdgeCount; ++e) {
    const Border& b = s.borders[static_cast<size_t>(e)];
    std::string style = BorderStyleOf(b);
    XColor color = b.colorIndex == kAutomatic ? XColor{XColor::Kind::Auto} : ColorOfIndex(b.colorIndex);
    r.borders[static_cast<size_t>(e)] = style.empty() ? Border{} : BorderOf(style, color);
  }
  r.interior = InteriorOf(FillMarkup(s.interior));
  FontColorOf(FontColorMarkup(s.font), &r.font);
  r.horizontalAlignment = AlignOf(kHorizontal, AlignNameOf(kHorizontal, s.horizontalAlignment));
  r.verticalAlignment = AlignOf(kVertical, AlignNameOf(kVertical, s.verticalAlignment));
  return r;
}

// The fields the markup cannot carry exactly, with the names they travel under.
struct IntField {
  const char* name;
  int* (*field)(CellStyle&);
};
const std::vector<IntField>& HostFields() {
  static const std::vector<IntField> fields = [] {
    std::vector<IntField> f;
    f.push_back({"ic", [](CellStyle& s) { return &s.interior.colorIndex; }});
    f.push_back({"ip", [](CellStyle& s) { return &s.interior.pattern; }});
    f.push_back({"ipc", [](CellStyle& s) { return &s.interior.patternColorIndex; }});
    f.push_back({"irgb", [](CellStyle& s) { return &s.interior.color; }});
    f.push_back({"fc", [](CellStyle& s) { return &s.font.colorIndex; }});
    f.push_back({"frgb", [](CellStyle& s) { return &s.font.color; }});
    f.push_back({"ha", [](CellStyle& s) { return &s.horizontalAlignment; }});
    f.push_back({"va", [](CellStyle& s) { return &s.verticalAlignment; }});
    f.push_back({"bls", [](CellStyle& s) { return &s.border(Edge::Left).lineStyle; }});
    f.push_back({"blw", [](CellStyle& s) { return &s.border(Edge::Left).weight; }});
    f.push_back({"blc", [](CellStyle& s) { return &s.border(Edge::Left).colorIndex; }});
    f.push_back({"bts", [](CellStyle& s) { return &s.border(Edge::Top).lineStyle; }});
    f.push_back({"btw", [](CellStyle& s) { return &s.border(Edge::Top).weight; }});
    f.push_back({"btc", [](CellStyle& s) { return &s.border(Edge::Top).colorIndex; }});
    f.push_back({"bbs", [](CellStyle& s) { return &s.border(Edge::Bottom).lineStyle; }});
    f.push_back({"bbw", [](CellStyle& s) { return &s.border(Edge::Bottom).weight; }});
    f.push_back({"bbc", [](CellStyle& s) { return &s.border(Edge::Bottom).colorIndex; }});
    f.push_back({"brs", [](CellStyle& s) { return &s.border(Edge::Right).lineStyle; }});
    f.push_back({"brw", [](CellStyle& s) { return &s.border(Edge::Right).weight; }});
    f.push_back({"brc", [](CellStyle& s) { return &s.border(Edge::Right).colorIndex; }});
    return f;
  }();
  return fields;
}

struct BuiltInFormat {
  int id;
  const char* code;
  bool written;  // used when writing (the rest are read only: their text depends on the locale)
};
constexpr BuiltInFormat kBuiltIn[] = {
    {0, "General", true},       {1, "0", true},
    {2, "0.00", true},          {3, "#,##0", true},
    {4, "#,##0.00", true},      {9, "0%", true},
    {10, "0.00%", true},        {11, "0.00E+00", true},
    {12, "# ?/?", false},       {13, "# ?\?/??", false},
    {14, "mm-dd-yy", false},    {15, "d-mmm-yy", false},
    {16, "d-mmm", false},       {17, "mmm-yy", false},
    {18, "h:mm AM/PM", false},  {19, "h:mm:ss AM/PM", false},
    {20, "h:mm", false},        {21, "h:mm:ss", false},
    {22, "m/d/yy h:mm", false}, {37, "#,##0 ;(#,##0)", false},
    {38, "#,##0 ;[Red](#,##0)", false}, {39, "#,##0.00;(#,##0.00)", false},
    {40, "#,##0.00;[Red](#,##0.00)", false}, {45, "mm:ss", false},
    {46, "[h]:mm:ss", false},   {47, "mmss.0", false},
    {48, "##0.0E+0", false},    {49, "@", true},
};

constexpr int kFirstCustomFormat = 164;

}  // namespace

std::string BuiltInNumberFormat(int id) {
  for (const auto& f : kBuiltIn)
    if (f.id == id) return f.code;
  return {};
}

StyleWriter::StyleWriter(pugi::xml_node original) : original_(original) {
  for (const pugi::xml_node& d : Children(Child(original_, "dxfs"), "dxf")) dxfs_.push_back(RawXml(d));
  fills_ = {"<fill><patternFill patternType=\"none\"/></fill>", "<fill><patternFill patternType=\"gray125\"/></fill>"};
  fillIds_[fills_[0]] = 0;
  fillIds_[fills_[1]] = 1;
  lastXf_ = -1;
  static const CellStyle kDefault;
  XfIndex(kDefault);
}

int StyleWriter::Intern(std::map<std::string, int>& table, std::vector<std::string>& list, std::string xml) {
  auto [it, added] = table.try_emplace(xml, static_cast<int>(list.size()));
  if (added) list.push_back(std::move(xml));
  return it->second;
}

int StyleWriter::XfIndex(const CellStyle& s) {
  if (lastXf_ >= 0 && s == lastStyle_) return lastXf_;
  int numFmt = -1;
  for (const auto& f : kBuiltIn)
    if (f.written && s.numberFormat == f.code) numFmt = f.id;
  if (numFmt < 0) {
    auto [it, added] = customFormatIds_.try_emplace(s.numberFormat, kFirstCustomFormat + static_cast<int>(customFormats_.size()));
    if (added) customFormats_.emplace_back(it->second, s.numberFormat);
    numFmt = it->second;
  }
  const int font = Intern(fontIds_, fonts_, FontXml(s.font));
  const int fill = Intern(fillIds_, fills_, FillXml(FillMarkup(s.interior)));
  const int border = Intern(borderIds_, borders_, BorderXml(s));

  std::string xf = "<xf numFmtId=\"" + std::to_string(numFmt) + "\" fontId=\"" + std::to_string(font) +
                   "\" fillId=\"" + std::to_string(fill) + "\" borderId=\"" + std::to_string(border) + "\" xfId=\"0\"";
  if (numFmt != 0) xf += " applyNumberFormat=\"1\"";
  if (font != 0) xf += " applyFont=\"1\"";
  if (fill != 0) xf += " applyFill=\"1\"";
  if (border != 0) xf += " applyBorder=\"1\"";
  const bool aligned = s.horizontalAlignment != kHAlignGeneral || s.verticalAlignment != kVAlignBottom;
  if (aligned) xf += " applyAlignment=\"1\"";
  xf += ">";
  if (aligned) {
    xf += "<alignment";
    if (s.horizontalAlignment != kHAlignGeneral) xf += " horizontal=\"" + AlignNameOf(kHorizontal, s.horizontalAlignment) + "\"";
    if (s.verticalAlignment != kVAlignBottom) xf += " vertical=\"" + AlignNameOf(kVertical, s.verticalAlignment) + "\"";
    xf += "/>";
  }
  CellStyle readBack = RoundTripOf(s);
  CellStyle exact = s;
  HostAttributes host;
  for (const IntField& f : HostFields())
    if (*f.field(readBack) != *f.field(exact)) host.Set(f.name, *f.field(exact));
  xf += host.ExtListXml("style") + "</xf>";
  lastStyle_ = s;
  lastXf_ = Intern(xfIds_, xfs_, std::move(xf));
  return lastXf_;
}

int StyleWriter::DxfIndex(const DifferentialFormat& d) {
  std::string xml = "<dxf>";
  if (d.fontColorIndex != kAutomatic) xml += "<font>" + ColorElement("color", ColorOfIndex(d.fontColorIndex)) + "</font>";
  if (d.interiorColorIndex != kNone)
    xml += "<fill><patternFill patternType=\"solid\">" + ColorElement("bgColor", ColorOfIndex(d.interiorColorIndex)) +
           "</patternFill></fill>";
  xml += "</dxf>";
  auto it = dxfIds_.find(xml);
  if (it != dxfIds_.end()) return it->second;
  int index = static_cast<int>(dxfs_.size());
  dxfIds_.emplace(xml, index);
  dxfs_.push_back(std::move(xml));
  return index;
}

std::string StyleWriter::Xml() const {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
  out += std::string("<styleSheet xmlns=\"") + ns::kMain + "\"";
  // Carried-over elements may use the prefixes the original part declared.
  for (pugi::xml_attribute a = original_.first_attribute(); a; a = a.next_attribute()) {
    std::string_view n = a.name();
    if (n == "xmlns") continue;
    out += " " + std::string(n) + "=\"";
    AppendEscaped(out, a.value(), true);
    out += "\"";
  }
  out += ">";
  auto list = [&](const char* name, const std::vector<std::string>& items) {
    out += std::string("<") + name + " count=\"" + std::to_string(items.size()) + "\">";
    for (const auto& i : items) out += i;
    out += std::string("</") + name + ">";
  };
  if (!customFormats_.empty()) {
    out += "<numFmts count=\"" + std::to_string(customFormats_.size()) + "\">";
    for (const auto& [id, code] : customFormats_) {
      out += "<numFmt numFmtId=\"" + std::to_string(id) + "\" formatCode=\"";
      AppendEscaped(out, code, true);
      out += "\"/>";
    }
    out += "</numFmts>";
  }
  list("fonts", fonts_);
  list("fills", fills_);
  list("borders", borders_);
  out += "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>";
  list("cellXfs", xfs_);
  out += "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>";
  list("dxfs", dxfs_);
  bool tableStyles = false;
  for (const char* kept : {"tableStyles", "colors", "extLst"}) {
    if (pugi::xml_node n = Child(original_, kept)) {
      out += RawXml(n);
      tableStyles = tableStyles || std::string_view(kept) == "tableStyles";
    } else if (std::string_view(kept) == "tableStyles") {
      out += "<tableStyles count=\"0\" defaultTableStyle=\"TableStyleMedium2\" defaultPivotStyle=\"PivotStyleLight16\"/>";
    }
  }
  return out + "</styleSheet>";
}

// ---- reading

namespace {

bool IndexFail(const std::string& part, const std::string& where, const char* what, int64_t index, size_t count,
               std::string* error) {
  *error = part + ": " + where + ": " + what + " " + std::to_string(index) + " is out of range (the part has " +
           std::to_string(count) + ")";
  return false;
}

Font ReadFont(const pugi::xml_node& n, const ThemeColors& theme) {
  Font f;
  auto flag = [&](const char* name) {
    pugi::xml_node e = Child(n, name);
    return e && BoolAttr(e, "val", true);
  };
  f.bold = flag("b");
  f.italic = flag("i");
  if (pugi::xml_node sz = Child(n, "sz")) f.size = NumberAttr(sz, "val", f.size);
  if (pugi::xml_node name = Child(n, "name")) f.name = name.attribute("val").value();
  FontColorOf(ReadColor(Child(n, "color"), theme), &f);
  return f;
}

MarkupFill ReadFill(const pugi::xml_node& n, const ThemeColors& theme) {
  MarkupFill f;
  pugi::xml_node p = Child(n, "patternFill");
  if (!p) {
    if (pugi::xml_node g = Child(n, "gradientFill")) {  // the first stop stands for the gradient
      f.pattern = "solid";
      f.fg = ReadColor(Child(Child(g, "stop"), "color"), theme);
    }
    return f;
  }
  f.pattern = Attr(p, "patternType") ? p.attribute("patternType").value() : "none";
  f.fg = ReadColor(Child(p, "fgColor"), theme);
  f.bg = ReadColor(Child(p, "bgColor"), theme);
  if (f.pattern == "solid" && f.fg.kind == XColor::Kind::Absent) f.fg = {XColor::Kind::Indexed, 64, 0};
  return f;
}

void ReadBorder(const pugi::xml_node& n, const ThemeColors& theme, CellStyle* s) {
  for (Edge e : {Edge::Left, Edge::Right, Edge::Top, Edge::Bottom}) {
    pugi::xml_node edge = Child(n, EdgeName(e));
    if (!edge) edge = Child(n, e == Edge::Left ? "start" : e == Edge::Right ? "end" : "");
    if (!edge || !Attr(edge, "style")) continue;
    s->border(e) = BorderOf(edge.attribute("style").value(), ReadColor(Child(edge, "color"), theme));
  }
}

DifferentialFormat ReadDxf(const pugi::xml_node& n, const ThemeColors& theme) {
  DifferentialFormat d;
  XColor font = ReadColor(Child(Child(n, "font"), "color"), theme);
  if (font.kind != XColor::Kind::Absent) d.fontColorIndex = ColorIndexOf(font, kAutomatic);
  pugi::xml_node p = Child(Child(n, "fill"), "patternFill");
  XColor fill = ReadColor(Child(p, "bgColor"), theme);
  if (fill.kind == XColor::Kind::Absent) fill = ReadColor(Child(p, "fgColor"), theme);
  if (fill.kind != XColor::Kind::Absent) d.interiorColorIndex = ColorIndexOf(fill, kNone);
  return d;
}

}  // namespace

bool ReadStyles(const std::string& data, const std::string& part, const ThemeColors& theme, StyleSheet* out,
                std::string* error) {
  pugi::xml_document doc;
  if (!ParseXml(data, part, &doc, error)) return false;
  pugi::xml_node root = doc.document_element();
  std::map<int64_t, std::string> formats;
  for (const pugi::xml_node& f : Children(Child(root, "numFmts"), "numFmt"))
    formats[IntegerAttr(f, "numFmtId", -1)] = f.attribute("formatCode").value();
  std::vector<Font> fonts;
  for (const pugi::xml_node& f : Children(Child(root, "fonts"), "font")) fonts.push_back(ReadFont(f, theme));
  std::vector<MarkupFill> fills;
  for (const pugi::xml_node& f : Children(Child(root, "fills"), "fill")) fills.push_back(ReadFill(f, theme));
  std::vector<pugi::xml_node> borders = Children(Child(root, "borders"), "border");
  std::vector<pugi::xml_node> xfs = Children(Child(root, "cellXfs"), "xf");
  out->xfs.clear();
  out->xfs.reserve(xfs.size());
  for (size_t i = 0; i < xfs.size(); ++i) {
    const pugi::xml_node& x = xfs[i];
    const std::string where = "cellXfs[" + std::to_string(i) + "]";
    CellStyle s;
    const int64_t numFmt = IntegerAttr(x, "numFmtId", 0), font = IntegerAttr(x, "fontId", 0),
                  fill = IntegerAttr(x, "fillId", 0), border = IntegerAttr(x, "borderId", 0);
    if (auto it = formats.find(numFmt); it != formats.end()) {
      s.numberFormat = it->second;
    } else {
      std::string code = BuiltInNumberFormat(static_cast<int>(numFmt));
      s.numberFormat = code.empty() ? "General" : code;
    }
    auto outside = [](int64_t index, size_t count) {
      return index < 0 || (static_cast<size_t>(index) >= count && !(index == 0 && count == 0));
    };
    if (outside(font, fonts.size()))
      return IndexFail(part, where, "font", font, fonts.size(), error);
    if (static_cast<size_t>(font) < fonts.size()) s.font = fonts[static_cast<size_t>(font)];
    if (outside(fill, fills.size()))
      return IndexFail(part, where, "fill", fill, fills.size(), error);
    if (static_cast<size_t>(fill) < fills.size()) s.interior = InteriorOf(fills[static_cast<size_t>(fill)]);
    if (outside(border, borders.size()))
      return IndexFail(part, where, "border", border, borders.size(), error);
    if (static_cast<size_t>(border) < borders.size()) ReadBorder(borders[static_cast<size_t>(border)], theme, &s);
    if (pugi::xml_node a = Child(x, "alignment")) {
      if (Attr(a, "horizontal")) s.horizontalAlignment = AlignOf(kHorizontal, a.attribute("horizontal").value());
      if (Attr(a, "vertical")) s.verticalAlignment = AlignOf(kVertical, a.attribute("vertical").value());
    }
    const auto host = ReadHostExt(x);
    for (const IntField& f : HostFields()) HostInteger(host, f.name, f.field(s));
    out->xfs.push_back(std::move(s));
  }
  if (out->xfs.empty()) out->xfs.emplace_back();
  out->dxfs.clear();
  for (const pugi::xml_node& d : Children(Child(root, "dxfs"), "dxf")) out->dxfs.push_back(ReadDxf(d, theme));
  return true;
}

}  // namespace korvat::host::file::xlsx
