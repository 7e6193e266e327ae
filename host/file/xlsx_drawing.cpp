#include "host/file/xlsx_drawing.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "host/file/xlsx_anchor.h"
#include "host/file/xlsx_host_ext.h"
#include "host/file/xlsx_shape_format.h"
#include "host/file/xlsx_shape_types.h"
#include "host/file/xlsx_text_body.h"
#include "host/file/xlsx_xml.h"

namespace korvat::host::file::xlsx {
namespace {

constexpr int64_t kPercent = 100000;  // drawing markup's whole (adjustments)

// ---- the properties extension: what the markup cannot say exactly

struct ExtField {
  const char* name;
  enum class Kind { Number, Integer, Flag, Text } kind;
  double* (*number)(Shape&) = nullptr;
  int* (*integer)(Shape&) = nullptr;
  bool* (*flag)(Shape&) = nullptr;
  std::string* (*text)(Shape&) = nullptr;
};

const std::vector<ExtField>& ExtFields() {
  using K = ExtField::Kind;
  static const std::vector<ExtField> f = {
      {"l", K::Number, [](Shape& s) { return &s.left; }},
      {"t", K::Number, [](Shape& s) { return &s.top; }},
      {"w", K::Number, [](Shape& s) { return &s.width; }},
      {"h", K::Number, [](Shape& s) { return &s.height; }},
      {"ast", K::Integer, nullptr, [](Shape& s) { return &s.autoShapeType; }},
      {"ct", K::Integer, nullptr, [](Shape& s) { return &s.connectorType; }},
      {"flh", K::Flag, nullptr, nullptr, [](Shape& s) { return &s.flipHorizontal; }},
      {"flv", K::Flag, nullptr, nullptr, [](Shape& s) { return &s.flipVertical; }},
      {"pl", K::Integer, nullptr, [](Shape& s) { return &s.placement; }},
      {"fv", K::Flag, nullptr, nullptr, [](Shape& s) { return &s.fill.visible; }},
      {"ff", K::Integer, nullptr, [](Shape& s) { return &s.fill.foreColor; }},
      {"fb", K::Integer, nullptr, [](Shape& s) { return &s.fill.backColor; }},
      {"ft", K::Number, [](Shape& s) { return &s.fill.transparency; }},
      {"fp", K::Integer, nullptr, [](Shape& s) { return &s.fill.pattern; }},
      {"lv", K::Flag, nullptr, nullptr, [](Shape& s) { return &s.line.visible; }},
      {"lw", K::Number, [](Shape& s) { return &s.line.weight; }},
      {"ld", K::Integer, nullptr, [](Shape& s) { return &s.line.dashStyle; }},
      {"ls", K::Integer, nullptr, [](Shape& s) { return &s.line.style; }},
      {"lf", K::Integer, nullptr, [](Shape& s) { return &s.line.foreColor; }},
      {"lb", K::Integer, nullptr, [](Shape& s) { return &s.line.backColor; }},
      {"lba", K::Integer, nullptr, [](Shape& s) { return &s.line.beginArrowheadStyle; }},
      {"lea", K::Integer, nullptr, [](Shape& s) { return &s.line.endArrowheadStyle; }},
      {"tx", K::Text, nullptr, nullptr, nullptr, [](Shape& s) { return &s.textFrame.text; }},
      {"tfn", K::Text, nullptr, nullptr, nullptr, [](Shape& s) { return &s.textFrame.fontName; }},
      {"tfs", K::Number, [](Shape& s) { return &s.textFrame.fontSize; }},
      {"tas", K::Integer, nullptr, [](Shape& s) { return &s.textFrame.autoSize; }},
      {"tam", K::Flag, nullptr, nullptr, [](Shape& s) { return &s.textFrame.autoMargins; }},
      {"tml", K::Number, [](Shape& s) { return &s.textFrame.marginLeft; }},
      {"tmt", K::Number, [](Shape& s) { return &s.textFrame.marginTop; }},
      {"tmr", K::Number, [](Shape& s) { return &s.textFrame.marginRight; }},
      {"tmb", K::Number, [](Shape& s) { return &s.textFrame.marginBottom; }},
      {"tha", K::Integer, nullptr, [](Shape& s) { return &s.textFrame.horizontalAlignment; }},
      {"tva", K::Integer, nullptr, [](Shape& s) { return &s.textFrame.verticalAlignment; }},
  };
  return f;
}

std::string NumberList(const std::vector<double>& values) {
  std::string out;
  for (double v : values) out += (out.empty() ? "" : " ") + NumberText(v);
  return out;
}

std::string NodeList(const std::vector<FreeformNode>& nodes) {
  std::string out;
  for (const auto& n : nodes)
    out += (out.empty() ? "" : ";") + NumberText(n.x) + "," + NumberText(n.y) + "," + std::to_string(n.segmentType) +
           "," + std::to_string(n.editingType);
  return out;
}

std::vector<double> ParseNumberList(const std::string& text, char separator) {
  std::vector<double> out;
  size_t start = 0;
  while (start <= text.size() && !text.empty()) {
    size_t end = text.find(separator, start);
    if (end == std::string::npos) end = text.size();
    double v = 0;
    if (ParseNumber(std::string_view(text).substr(start, end - start), &v)) out.push_back(v);
    start = end + 1;
  }
  return out;
}

HostAttributes ExtOf(const Shape& exact, const Shape& readBack) {
  HostAttributes host;
  Shape& e = const_cast<Shape&>(exact);
  Shape& r = const_cast<Shape&>(readBack);
  for (const ExtField& f : ExtFields()) {
    switch (f.kind) {
      case ExtField::Kind::Number:
        if (*f.number(e) != *f.number(r)) host.SetNumber(f.name, *f.number(e));
        break;
      case ExtField::Kind::Integer:
        if (*f.integer(e) != *f.integer(r)) host.Set(f.name, *f.integer(e));
        break;
      case ExtField::Kind::Flag:
        if (*f.flag(e) != *f.flag(r)) host.Set(f.name, *f.flag(e) ? 1 : 0);
        break;
      case ExtField::Kind::Text:
        if (*f.text(e) != *f.text(r)) host.Set(f.name, *f.text(e));
        break;
    }
  }
  if (exact.adjustments != readBack.adjustments) host.Set("adj", exact.adjustments.empty() ? "-" : NumberList(exact.adjustments));
  if (exact.nodes != readBack.nodes) host.Set("nodes", NodeList(exact.nodes));
  return host;
}

// Positions from the extension refine the anchor's; they never move a shape that another
// program has moved since (the anchor then disagrees by more than rounding).
void ApplyExt(const std::map<std::string, std::string>& ext, Shape* s) {
  if (ext.empty()) return;
  for (const ExtField& f : ExtFields()) {
    auto it = ext.find(f.name);
    if (it == ext.end()) continue;
    switch (f.kind) {
      case ExtField::Kind::Number: {
        double v = 0;
        if (!ParseNumber(it->second, &v)) break;
        const bool geometry = f.name[1] == '\0';
        if (!geometry || std::fabs(v - *f.number(*s)) < 0.01) *f.number(*s) = v;
        break;
      }
      case ExtField::Kind::Integer: HostInteger(ext, f.name, f.integer(*s)); break;
      case ExtField::Kind::Flag: {
        int v = 0;
        if (HostInteger(ext, f.name, &v)) *f.flag(*s) = v != 0;
        break;
      }
      case ExtField::Kind::Text: *f.text(*s) = it->second; break;
    }
  }
  if (auto it = ext.find("adj"); it != ext.end()) s->adjustments = it->second == "-" ? std::vector<double>{} : ParseNumberList(it->second, ' ');
  if (auto it = ext.find("nodes"); it != ext.end()) {
    std::vector<FreeformNode> nodes;
    size_t start = 0;
    const std::string& t = it->second;
    while (start < t.size()) {
      size_t end = t.find(';', start);
      if (end == std::string::npos) end = t.size();
      std::vector<double> v = ParseNumberList(t.substr(start, end - start), ',');
      if (v.size() == 4) nodes.push_back({static_cast<int>(v[2]), static_cast<int>(v[3]), v[0], v[1]});
      start = end + 1;
    }
    s->nodes = nodes;
  }
}

// ---- writing one shape

const char* EditAs(int placement) {
  return placement == kPlacementMoveAndSize ? "twoCell" : placement == kPlacementFreeFloating ? "absolute" : "oneCell";
}

std::string MarkerXml(const char* name, const CellAnchor& a) {
  return std::string("<xdr:") + name + "><xdr:col>" + std::to_string(a.col) + "</xdr:col><xdr:colOff>" +
         std::to_string(a.colOff) + "</xdr:colOff><xdr:row>" + std::to_string(a.row) + "</xdr:row><xdr:rowOff>" +
         std::to_string(a.rowOff) + "</xdr:rowOff></xdr:" + name + ">";
}

std::string GuideList(const Shape& s) {
  if (s.adjustments.empty()) return "<a:avLst/>";
  std::string out = "<a:avLst>";
  for (size_t i = 0; i < s.adjustments.size(); ++i) {
    std::string name = s.adjustments.size() == 1 && s.type != ShapeType::Connector ? "adj" : "adj" + std::to_string(i + 1);
    out += "<a:gd name=\"" + name + "\" fmla=\"val " + std::to_string(std::llround(s.adjustments[i] * kPercent)) + "\"/>";
  }
  return out + "</a:avLst>";
}

std::string GeometryXml(const Shape& s) {
  if (s.type == ShapeType::Freeform && !s.nodes.empty()) {
    std::string out = "<a:custGeom><a:avLst/><a:gdLst/><a:ahLst/><a:cxnLst/><a:rect l=\"0\" t=\"0\" r=\"r\" b=\"b\"/>";
    out += "<a:pathLst><a:path w=\"" + std::to_string(std::max<int64_t>(1, Emu(s.width))) + "\" h=\"" +
           std::to_string(std::max<int64_t>(1, Emu(s.height))) + "\">";
    for (size_t i = 0; i < s.nodes.size(); ++i) {
      const char* op = i == 0 ? "moveTo" : "lnTo";
      out += std::string("<a:") + op + "><a:pt x=\"" + std::to_string(Emu(s.nodes[i].x)) + "\" y=\"" +
             std::to_string(Emu(s.nodes[i].y)) + "\"/></a:" + op + ">";
    }
    return out + "</a:path></a:pathLst></a:custGeom>";
  }
  const char* preset = s.type == ShapeType::Connector ? PresetOfConnector(s.connectorType)
                       : s.type == ShapeType::AutoShape ? PresetOfAutoShape(s.autoShapeType)
                                                        : "rect";
  if (!preset) preset = s.type == ShapeType::Connector ? "straightConnector1" : "rect";
  return std::string("<a:prstGeom prst=\"") + preset + "\">" + GuideList(s) + "</a:prstGeom>";
}

std::string TransformXml(const Shape& s, const char* prefix) {
  std::string out = std::string("<") + prefix + "xfrm";
  if (s.flipHorizontal) out += " flipH=\"1\"";
  if (s.flipVertical) out += " flipV=\"1\"";
  return out + "><a:off x=\"" + std::to_string(Emu(s.left)) + "\" y=\"" + std::to_string(Emu(s.top)) +
         "\"/><a:ext cx=\"" + std::to_string(Emu(s.width)) + "\" cy=\"" + std::to_string(Emu(s.height)) + "\"/></" +
         prefix + "xfrm>";
}

std::string NameAttributes(const Shape& s) {
  std::string out = "id=\"" + std::to_string(s.id) + "\" name=\"";
  AppendEscaped(out, s.name, true);
  return out + "\"";
}

struct ShapeMarkup {
  std::string head;  // up to the inside of cNvPr
  std::string tail;  // from the end of cNvPr
};

ShapeMarkup BuildShape(const Worksheet& ws, const Shape& s, const std::string& chartRelId) {
  ShapeMarkup m;
  const CellAnchor from = AnchorAt(ws, s.left, s.top);
  const CellAnchor to = AnchorAt(ws, s.left + s.width, s.top + s.height);
  m.head = std::string("<xdr:twoCellAnchor editAs=\"") + EditAs(s.placement) + "\">" + MarkerXml("from", from) +
           MarkerXml("to", to);
  const TextFrame defaultText;
  if (s.type == ShapeType::Chart) {
    m.head += "<xdr:graphicFrame macro=\"\"><xdr:nvGraphicFramePr><xdr:cNvPr " + NameAttributes(s) + ">";
    m.tail = "</xdr:cNvPr><xdr:cNvGraphicFramePr/></xdr:nvGraphicFramePr>" + TransformXml(s, "xdr:") +
             "<a:graphic><a:graphicData uri=\"" + std::string(ns::kChart) + "\"><c:chart xmlns:c=\"" + ns::kChart +
             "\" r:id=\"" + chartRelId + "\"/></a:graphicData></a:graphic></xdr:graphicFrame>";
  } else if (s.type == ShapeType::Connector) {
    m.head += "<xdr:cxnSp macro=\"\"><xdr:nvCxnSpPr><xdr:cNvPr " + NameAttributes(s) + ">";
    m.tail = "</xdr:cNvPr><xdr:cNvCxnSpPr>";
    if (s.beginConnection.connected())
      m.tail += "<a:stCxn id=\"" + std::to_string(s.beginConnection.shapeId) + "\" idx=\"" +
                std::to_string(std::max(0, s.beginConnection.site - 1)) + "\"/>";
    if (s.endConnection.connected())
      m.tail += "<a:endCxn id=\"" + std::to_string(s.endConnection.shapeId) + "\" idx=\"" +
                std::to_string(std::max(0, s.endConnection.site - 1)) + "\"/>";
    m.tail += "</xdr:cNvCxnSpPr></xdr:nvCxnSpPr><xdr:spPr>" + TransformXml(s, "a:") + GeometryXml(s) +
              FillXml(s.fill) + LineXml(s.line) + "</xdr:spPr>";
    if (!(s.textFrame == defaultText)) m.tail += TextBodyXml(s.textFrame);
    m.tail += "</xdr:cxnSp>";
  } else {
    m.head += "<xdr:sp macro=\"\" textlink=\"\"><xdr:nvSpPr><xdr:cNvPr " + NameAttributes(s) + ">";
    m.tail = std::string("</xdr:cNvPr><xdr:cNvSpPr") + (s.type == ShapeType::TextBox ? " txBox=\"1\"" : "") +
             "/></xdr:nvSpPr><xdr:spPr>" + TransformXml(s, "a:") + GeometryXml(s) + FillXml(s.fill) +
             LineXml(s.line) + "</xdr:spPr>";
    if (s.type == ShapeType::TextBox || !(s.textFrame == defaultText)) m.tail += TextBodyXml(s.textFrame);
    m.tail += "</xdr:sp>";
  }
  m.tail += "<xdr:clientData/></xdr:twoCellAnchor>";
  return m;
}

// ---- reading one anchor

struct ParsedShape {
  bool held = false;  // false: an anchor the model does not hold
  Shape shape;
  int beginId = 0, beginSite = 0, endId = 0, endSite = 0;
  std::string chartRelId;
  std::map<std::string, std::string> ext;
};

bool ReadMarker(const pugi::xml_node& m, CellAnchor* a) {
  int64_t col = 0, row = 0, colOff = 0, rowOff = 0;
  if (!ParseInteger(DeepText(Child(m, "col")), &col) || !ParseInteger(DeepText(Child(m, "row")), &row)) return false;
  ParseInteger(DeepText(Child(m, "colOff")), &colOff);
  ParseInteger(DeepText(Child(m, "rowOff")), &rowOff);
  if (col < 0 || row < 0 || col > 1 << 30 || row > 1 << 30) return false;
  *a = {static_cast<int>(col), colOff, static_cast<int>(row), rowOff};
  return true;
}

std::vector<double> ReadGuides(const pugi::xml_node& geometry) {
  std::vector<std::pair<int, double>> guides;
  for (const pugi::xml_node& gd : Children(Child(geometry, "avLst"), "gd")) {
    std::string name = gd.attribute("name").value();
    std::string fmla = gd.attribute("fmla").value();
    if (name.rfind("adj", 0) != 0 || fmla.rfind("val ", 0) != 0) continue;
    int64_t n = 1, v = 0;
    if (name.size() > 3 && !ParseInteger(name.substr(3), &n)) continue;
    if (!ParseInteger(fmla.substr(4), &v)) continue;
    guides.emplace_back(static_cast<int>(n), static_cast<double>(v) / static_cast<double>(kPercent));
  }
  std::sort(guides.begin(), guides.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<double> out;
  for (const auto& g : guides) out.push_back(g.second);
  return out;
}

std::vector<FreeformNode> ReadPath(const pugi::xml_node& custGeom, const Shape& s) {
  std::vector<FreeformNode> nodes;
  pugi::xml_node path = Child(Child(custGeom, "pathLst"), "path");
  const double w = NumberAttr(path, "w", static_cast<double>(Emu(s.width)));
  const double h = NumberAttr(path, "h", static_cast<double>(Emu(s.height)));
  const double sx = w > 0 ? static_cast<double>(Emu(s.width)) / w : 1.0;
  const double sy = h > 0 ? static_cast<double>(Emu(s.height)) / h : 1.0;
  for (pugi::xml_node c = path.first_child(); c; c = c.next_sibling()) {
    std::string_view n = LocalName(c);
    const int segment = n == "cubicBezTo" ? 1 : 0;
    if (n != "moveTo" && n != "lnTo" && n != "cubicBezTo") continue;
    for (const pugi::xml_node& pt : Children(c, "pt")) {
      const double x = static_cast<double>(IntegerAttr(pt, "x", 0)) * sx, y = static_cast<double>(IntegerAttr(pt, "y", 0)) * sy;
      nodes.push_back({segment, 0, Points(std::llround(x)), Points(std::llround(y))});
    }
  }
  return nodes;
}

bool AnchorFail(const std::string& part, size_t index, const std::string& name, const std::string& what,
                std::string* error) {
  *error = part + ": anchor " + std::to_string(index + 1) + (name.empty() ? "" : " (shape \"" + name + "\")") + ": " + what;
  return false;
}

// The shape element of an anchor and what kind of shape it is.
pugi::xml_node ShapeElement(const pugi::xml_node& anchor) {
  for (pugi::xml_node c = anchor.first_child(); c; c = c.next_sibling()) {
    std::string_view n = LocalName(c);
    if (n == "sp" || n == "cxnSp" || n == "graphicFrame" || n == "pic" || n == "grpSp" || n == "contentPart")
      return c;
  }
  return {};
}

bool ParseAnchor(const pugi::xml_node& anchor, size_t index, const std::string& part, const ThemeColors& theme,
                 const Worksheet& ws, ParsedShape* out, std::string* error) {
  pugi::xml_node element = ShapeElement(anchor);
  const std::string_view kind = LocalName(element);
  pugi::xml_node nv = Child(element, kind == "sp" ? "nvSpPr" : kind == "cxnSp" ? "nvCxnSpPr" : "nvGraphicFramePr");
  pugi::xml_node cNvPr = Child(nv, "cNvPr");
  const std::string name = cNvPr.attribute("name").value();
  if (kind == "graphicFrame") {
    pugi::xml_node chart = Child(Child(Child(element, "graphic"), "graphicData"), "chart");
    if (!chart) return true;  // another kind of frame: carried as it is
    out->chartRelId = RelationshipId(chart);
  } else if (kind != "sp" && kind != "cxnSp") {
    return true;
  }
  out->held = true;
  ShapeType type = kind == "graphicFrame" ? ShapeType::Chart : kind == "cxnSp" ? ShapeType::Connector : ShapeType::AutoShape;
  pugi::xml_node spPr = Child(element, "spPr");
  pugi::xml_node preset = Child(spPr, "prstGeom"), custom = Child(spPr, "custGeom");
  if (type == ShapeType::AutoShape) {
    if (BoolAttr(Child(nv, "cNvSpPr"), "txBox", false)) type = ShapeType::TextBox;
    else if (custom) type = ShapeType::Freeform;
    else if (preset && ConnectorOfPreset(preset.attribute("prst").value()) != 0 && !Child(element, "txBody"))
      type = ShapeType::Connector;
  }
  Shape s = DefaultShapeOf(type);
  s.name = name;
  s.id = static_cast<int>(std::clamp<int64_t>(IntegerAttr(cNvPr, "id", 0), 0, 1 << 30));

  // Geometry from the anchor, the way the host places shapes over cells.
  const std::string_view anchorKind = LocalName(anchor);
  CellAnchor from, to;
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  if (anchorKind == "absoluteAnchor") {
    pugi::xml_node pos = Child(anchor, "pos"), ext = Child(anchor, "ext");
    x0 = Points(IntegerAttr(pos, "x", 0));
    y0 = Points(IntegerAttr(pos, "y", 0));
    x1 = Points(IntegerAttr(pos, "x", 0) + IntegerAttr(ext, "cx", 0));
    y1 = Points(IntegerAttr(pos, "y", 0) + IntegerAttr(ext, "cy", 0));
    s.placement = kPlacementFreeFloating;
  } else {
    if (!ReadMarker(Child(anchor, "from"), &from)) return AnchorFail(part, index, name, "no valid from marker", error);
    const bool twoCell = anchorKind == "twoCellAnchor";
    if (twoCell && !ReadMarker(Child(anchor, "to"), &to)) return AnchorFail(part, index, name, "no valid to marker", error);
    for (const CellAnchor* a : {&from, &to}) {
      if (a->row >= kMaxRows)
        return AnchorFail(part, index, name, "anchored to row " + std::to_string(a->row + 1) + ", beyond the sheet (" +
                                                 std::to_string(kMaxRows) + " rows)", error);
      if (a->col >= kMaxColumns)
        return AnchorFail(part, index, name, "anchored to column " + std::to_string(a->col + 1) +
                                                 ", beyond the sheet (" + std::to_string(kMaxColumns) + " columns)", error);
    }
    PointOf(ws, from, &x0, &y0);
    if (twoCell) {
      PointOf(ws, to, &x1, &y1);
      std::string_view editAs = anchor.attribute("editAs").value();
      s.placement = editAs == "oneCell" ? kPlacementMove : editAs == "absolute" ? kPlacementFreeFloating : kPlacementMoveAndSize;
    } else {
      pugi::xml_node ext = Child(anchor, "ext");
      x1 = Points(Emu(x0) + IntegerAttr(ext, "cx", 0));
      y1 = Points(Emu(y0) + IntegerAttr(ext, "cy", 0));
      s.placement = kPlacementMove;
    }
  }
  s.left = x0;
  s.top = y0;
  s.width = Points(std::max<int64_t>(0, Emu(x1) - Emu(x0)));
  s.height = Points(std::max<int64_t>(0, Emu(y1) - Emu(y0)));
  pugi::xml_node xfrm = Child(type == ShapeType::Chart ? element : spPr, "xfrm");
  s.flipHorizontal = BoolAttr(xfrm, "flipH", false);
  s.flipVertical = BoolAttr(xfrm, "flipV", false);

  if (preset) {
    const std::string prst = preset.attribute("prst").value();
    if (type == ShapeType::AutoShape) s.autoShapeType = std::max(1, AutoShapeOfPreset(prst));
    if (type == ShapeType::Connector) s.connectorType = std::max(1, ConnectorOfPreset(prst));
    s.adjustments = ReadGuides(preset);
  }
  if (type == ShapeType::Freeform) s.nodes = ReadPath(custom, s);
  if (type != ShapeType::Chart) ReadFillAndLine(spPr, theme, &s.fill, &s.line);
  ReadTextBody(Child(element, "txBody"), &s.textFrame);
  if (type == ShapeType::Connector) {
    pugi::xml_node c = Child(nv, "cNvCxnSpPr");
    if (pugi::xml_node st = Child(c, "stCxn")) {
      out->beginId = static_cast<int>(IntegerAttr(st, "id", 0));
      out->beginSite = static_cast<int>(std::clamp<int64_t>(IntegerAttr(st, "idx", 0), 0, 1000)) + 1;
    }
    if (pugi::xml_node en = Child(c, "endCxn")) {
      out->endId = static_cast<int>(IntegerAttr(en, "id", 0));
      out->endSite = static_cast<int>(std::clamp<int64_t>(IntegerAttr(en, "idx", 0), 0, 1000)) + 1;
    }
  }
  out->ext = ReadHostExt(cNvPr);
  ApplyExt(out->ext, &s);
  out->shape = std::move(s);
  return true;
}

// What reading the markup of a shape gives back, to find what must travel beside it.
Shape ReadBack(const Worksheet& ws, const ShapeMarkup& m) {
  pugi::xml_document doc;
  std::string xml = "<wsDr>" + m.head + m.tail + "</wsDr>";
  doc.load_buffer(xml.data(), xml.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
  ParsedShape parsed;
  std::string ignored;
  ParseAnchor(doc.document_element().first_child(), 0, "", ThemeColors::Default(), ws, &parsed, &ignored);
  return parsed.shape;
}

std::string RootStart(const pugi::xml_node& original) {
  std::string out = std::string("<xdr:wsDr xmlns:xdr=\"") + ns::kDrawing + "\" xmlns:a=\"" + ns::kDrawingMain +
                    "\" xmlns:r=\"" + ns::kRel + "\" xmlns:c=\"" + ns::kChart + "\"";
  for (pugi::xml_attribute a = original.first_attribute(); a; a = a.next_attribute()) {
    std::string_view n = a.name();
    if (n == "xmlns:xdr" || n == "xmlns:a" || n == "xmlns:r" || n == "xmlns:c" || n.substr(0, 6) != "xmlns:") continue;
    out += " " + std::string(n) + "=\"";
    AppendEscaped(out, a.value(), true);
    out += "\"";
  }
  return out + ">";
}

}  // namespace

std::string DrawingXml(const Worksheet& ws, const std::vector<std::string>& carried, const ChartRelIdFn& chartRelId,
                       const pugi::xml_node& original) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n" + RootStart(original);
  for (const auto& shared : ws.Shapes().InZOrder()) {
    const Shape& s = *shared;
    ShapeMarkup m = BuildShape(ws, s, s.type == ShapeType::Chart ? chartRelId(s) : std::string());
    Shape back = ReadBack(ws, m);
    if (s.type == ShapeType::Chart) {  // the chart part carries the chart area's fill and line
      back.fill = s.fill;
      back.line = s.line;
    }
    out += m.head + ExtOf(s, back).ExtListXml("shape") + m.tail;
  }
  for (const auto& c : carried) out += c;
  return out + "</xdr:wsDr>";
}

std::string ChartSheetDrawingXml(const std::string& chartRelId) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n" + RootStart({}) +
         "<xdr:absoluteAnchor><xdr:pos x=\"0\" y=\"0\"/><xdr:ext cx=\"8666049\" cy=\"6293304\"/>"
         "<xdr:graphicFrame macro=\"\"><xdr:nvGraphicFramePr><xdr:cNvPr id=\"2\" name=\"Chart 1\"/>"
         "<xdr:cNvGraphicFramePr><a:graphicFrameLocks noGrp=\"1\"/></xdr:cNvGraphicFramePr></xdr:nvGraphicFramePr>"
         "<xdr:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"0\" cy=\"0\"/></xdr:xfrm><a:graphic><a:graphicData uri=\"" +
         std::string(ns::kChart) + "\"><c:chart r:id=\"" + chartRelId +
         "\"/></a:graphicData></a:graphic></xdr:graphicFrame><xdr:clientData/></xdr:absoluteAnchor></xdr:wsDr>";
}

bool ReadDrawing(const pugi::xml_node& root, const std::string& part, const ThemeColors& theme, Worksheet& ws,
                 const ChartLoadFn& loadChart, std::vector<std::string>* carried, std::string* error) {
  struct Pending {
    int connectorId;
    int beginId, beginSite, endId, endSite;
  };
  std::vector<Pending> pending;
  std::map<int, int> idInFile;  // the file's shape id -> the id the sheet gave
  size_t index = 0;
  for (pugi::xml_node anchor = root.first_child(); anchor; anchor = anchor.next_sibling()) {
    if (anchor.type() != pugi::node_element) continue;
    std::string_view kind = LocalName(anchor);
    if (kind != "twoCellAnchor" && kind != "oneCellAnchor" && kind != "absoluteAnchor") {
      carried->push_back(RawXml(anchor));
      continue;
    }
    ParsedShape parsed;
    if (!ParseAnchor(anchor, index, part, theme, ws, &parsed, error)) return false;
    ++index;
    if (!parsed.held) {
      carried->push_back(RawXml(anchor));
      continue;
    }
    const int fileId = parsed.shape.id;
    if (parsed.shape.type == ShapeType::Chart) {
      parsed.shape.chart = loadChart(parsed.chartRelId, &parsed.shape, error);
      if (!parsed.shape.chart) return false;
      ApplyExt(parsed.ext, &parsed.shape);
    }
    Shape& added = ws.Shapes().Insert(std::move(parsed.shape));
    if (fileId > 0) idInFile.emplace(fileId, added.id);
    if (added.type == ShapeType::Connector && (parsed.beginId || parsed.endId))
      pending.push_back({added.id, parsed.beginId, parsed.beginSite, parsed.endId, parsed.endSite});
  }
  // Ends glued to shapes that the drawing does not hold come loose.
  for (const Pending& p : pending) {
    Shape* connector = ws.Shapes().FindById(p.connectorId);
    auto glue = [&](int fileId, int site, bool begin) {
      auto it = idInFile.find(fileId);
      if (it != idInFile.end() && it->second != p.connectorId) ws.Shapes().Glue(*connector, begin, {it->second, site});
    };
    glue(p.beginId, p.beginSite, true);
    glue(p.endId, p.endSite, false);
  }
  return true;
}

}  // namespace korvat::host::file::xlsx
