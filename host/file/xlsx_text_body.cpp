#include "host/file/xlsx_text_body.h"

#include <cmath>

#include "host/file/xlsx_anchor.h"
#include "host/file/xlsx_xml.h"

namespace korvat::host::file::xlsx {
namespace {

// ---- text frames

const char* HorizontalText(int a) {
  switch (a) {
    case -4108: return "ctr";
    case -4152: return "r";
    case -4130: return "just";
    case -4117: return "dist";
    default: return "l";
  }
}
int HorizontalTextOf(std::string_view a) {
  if (a == "ctr") return -4108;
  if (a == "r") return -4152;
  if (a == "just") return -4130;
  if (a == "dist") return -4117;
  return kTextAlignLeft;
}
const char* VerticalText(int a) {
  switch (a) {
    case -4108: return "ctr";
    case -4107: return "b";
    case -4130: return "just";
    case -4117: return "dist";
    default: return "t";
  }
}
int VerticalTextOf(std::string_view a) {
  if (a == "ctr") return -4108;
  if (a == "b") return -4107;
  if (a == "just") return -4130;
  if (a == "dist") return -4117;
  return kTextAlignTop;
}

std::string RunProperties(const char* element, const TextFrame& t) {
  std::string face;
  AppendEscaped(face, t.fontName, true);
  return std::string("<a:") + element + " lang=\"en-US\" sz=\"" + std::to_string(std::llround(t.fontSize * 100)) +
         "\"><a:latin typeface=\"" + face + "\"/><a:cs typeface=\"" + face + "\"/></a:" + element + ">";
}

}  // namespace

std::string TextBodyXml(const TextFrame& t) {
  std::string out = "<xdr:txBody><a:bodyPr vertOverflow=\"clip\" horzOverflow=\"clip\" wrap=\"square\"";
  out += " lIns=\"" + std::to_string(Emu(t.marginLeft)) + "\" tIns=\"" + std::to_string(Emu(t.marginTop)) +
         "\" rIns=\"" + std::to_string(Emu(t.marginRight)) + "\" bIns=\"" + std::to_string(Emu(t.marginBottom)) +
         "\" rtlCol=\"0\" anchor=\"" + VerticalText(t.verticalAlignment) + "\">";
  out += t.autoSize == 1 ? "<a:spAutoFit/>" : t.autoSize == 2 ? "<a:normAutofit/>" : "<a:noAutofit/>";
  out += "</a:bodyPr><a:lstStyle/>";
  size_t start = 0;
  for (;;) {
    size_t nl = t.text.find('\n', start);
    std::string_view line = std::string_view(t.text).substr(start, nl == std::string::npos ? std::string::npos : nl - start);
    out += std::string("<a:p><a:pPr algn=\"") + HorizontalText(t.horizontalAlignment) + "\"/>";
    if (!line.empty()) {
      out += "<a:r>" + RunProperties("rPr", t) + "<a:t>";
      AppendEscaped(out, line, false);
      out += "</a:t></a:r>";
    }
    out += RunProperties("endParaRPr", t) + "</a:p>";
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  return out + "</xdr:txBody>";
}

void ReadTextBody(const pugi::xml_node& body, TextFrame* t) {
  if (!body) return;
  pugi::xml_node pr = Child(body, "bodyPr");
  if (Attr(pr, "lIns")) t->marginLeft = Points(IntegerAttr(pr, "lIns", 91440));
  if (Attr(pr, "tIns")) t->marginTop = Points(IntegerAttr(pr, "tIns", 45720));
  if (Attr(pr, "rIns")) t->marginRight = Points(IntegerAttr(pr, "rIns", 91440));
  if (Attr(pr, "bIns")) t->marginBottom = Points(IntegerAttr(pr, "bIns", 45720));
  if (Attr(pr, "anchor")) t->verticalAlignment = VerticalTextOf(pr.attribute("anchor").value());
  t->autoSize = Child(pr, "spAutoFit") ? 1 : Child(pr, "normAutofit") ? 2 : 0;
  std::string text;
  bool first = true;
  pugi::xml_node runFont, endFont;
  for (const pugi::xml_node& p : Children(body, "p")) {
    if (!first) text += '\n';
    if (first) {
      pugi::xml_node ppr = Child(p, "pPr");
      if (Attr(ppr, "algn")) t->horizontalAlignment = HorizontalTextOf(ppr.attribute("algn").value());
    }
    first = false;
    for (pugi::xml_node r = p.first_child(); r; r = r.next_sibling()) {
      std::string_view n = LocalName(r);
      if (n == "r" || n == "fld") {
        text += DeepText(Child(r, "t"));
        if (!runFont) runFont = Child(r, "rPr");
      }
      if (n == "br") text += '\n';
      if (n == "endParaRPr" && !endFont) endFont = r;
    }
  }
  pugi::xml_node font = runFont ? runFont : endFont;
  if (Attr(font, "sz")) t->fontSize = static_cast<double>(IntegerAttr(font, "sz", 1100)) / 100.0;
  if (pugi::xml_node latin = Child(font, "latin")) t->fontName = latin.attribute("typeface").value();
  t->text = text;
}

}  // namespace korvat::host::file::xlsx
