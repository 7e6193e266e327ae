#include "host/file/xlsx_xml.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <sstream>

namespace korvat::host::file::xlsx {
namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

// Decodes one UTF-8 sequence at text[i]; 0 on an invalid one (then *cp is unset).
size_t DecodeUtf8(std::string_view text, size_t i, uint32_t* cp) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  unsigned char c = b(i);
  if (c < 0x80) {
    *cp = c;
    return 1;
  }
  size_t len = c >= 0xF0 && c <= 0xF4 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
  if (len == 0 || i + len > text.size()) return 0;
  uint32_t v = c & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
  for (size_t k = 1; k < len; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    v = v << 6 | (b(i + k) & 0x3F);
  }
  if ((len == 3 && (v < 0x800 || (v >= 0xD800 && v <= 0xDFFF))) || (len == 4 && (v < 0x10000 || v > 0x10FFFF)))
    return 0;
  *cp = v;
  return len;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | cp >> 18);
    out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool XmlAllows(uint32_t cp) {
  if (cp < 0x20) return cp == 0x09 || cp == 0x0A || cp == 0x0D;
  return cp != 0xFFFE && cp != 0xFFFF;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "_xHHHH_" at text[i]: the code unit, or -1.
int EscapeAt(std::string_view text, size_t i) {
  if (i + 7 > text.size() || text[i] != '_' || text[i + 1] != 'x' || text[i + 6] != '_') return -1;
  int v = 0;
  for (size_t k = 2; k < 6; ++k) {
    int d = HexDigit(text[i + k]);
    if (d < 0) return -1;
    v = v * 16 + d;
  }
  return v;
}

struct StringWriter : pugi::xml_writer {
  std::string text;
  void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

}  // namespace

bool ParseXml(const std::string& data, const std::string& partName, pugi::xml_document* doc, std::string* error) {
  pugi::xml_parse_result result = doc->load_buffer(data.data(), data.size(), kParseOptions, pugi::encoding_auto);
  if (!result) {
    *error = partName + ": malformed XML at byte " + std::to_string(result.offset) + ": " + result.description();
    return false;
  }
  if (!doc->document_element()) {
    *error = partName + ": malformed XML: no root element";
    return false;
  }
  return true;
}

std::string_view LocalName(const pugi::xml_node& node) {
  std::string_view n = node.name();
  size_t colon = n.find(':');
  return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

std::string_view LocalName(const pugi::xml_attribute& attr) {
  std::string_view n = attr.name();
  size_t colon = n.find(':');
  return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& node, std::string_view localName) {
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && LocalName(c) == localName) return c;
  return {};
}

std::vector<pugi::xml_node> Children(const pugi::xml_node& node, std::string_view localName) {
  std::vector<pugi::xml_node> out;
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && LocalName(c) == localName) out.push_back(c);
  return out;
}

pugi::xml_attribute Attr(const pugi::xml_node& node, std::string_view localName, bool prefixed) {
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
    std::string_view n = a.name();
    if (!prefixed) {
      if (n == localName) return a;
    } else if (n.find(':') != std::string_view::npos && LocalName(a) == localName &&
               n.substr(0, 5) != "xmlns") {
      return a;
    }
  }
  return {};
}

std::string RelationshipId(const pugi::xml_node& node, std::string_view localName) {
  pugi::xml_attribute a = Attr(node, localName, true);
  return a ? a.value() : std::string();
}

bool ParseNumber(std::string_view text, double* out) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '+')) text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return false;
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return false;
  *out = v;
  return true;
}

bool ParseInteger(std::string_view text, int64_t* out) {
  double d = 0;
  if (!ParseNumber(text, &d) || d != std::floor(d) || std::fabs(d) > 9.0e15) return false;
  *out = static_cast<int64_t>(d);
  return true;
}

double NumberAttr(const pugi::xml_node& node, std::string_view name, double fallback) {
  pugi::xml_attribute a = Attr(node, name);
  double v = 0;
  return a && ParseNumber(a.value(), &v) ? v : fallback;
}

int64_t IntegerAttr(const pugi::xml_node& node, std::string_view name, int64_t fallback) {
  pugi::xml_attribute a = Attr(node, name);
  int64_t v = 0;
  return a && ParseInteger(a.value(), &v) ? v : fallback;
}

bool BoolAttr(const pugi::xml_node& node, std::string_view name, bool fallback) {
  pugi::xml_attribute a = Attr(node, name);
  if (!a) return fallback;
  std::string_view v = a.value();
  if (v == "1" || v == "true" || v == "on") return true;
  if (v == "0" || v == "false" || v == "off") return false;
  return fallback;
}

std::string DeepText(const pugi::xml_node& node) {
  // Walks without recursion: a hostile part may nest elements arbitrarily deep.
  std::string out;
  pugi::xml_node n = node.first_child();
  while (n && n != node) {
    if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) out += n.value();
    if (n.type() == pugi::node_element && n.first_child()) {
      n = n.first_child();
      continue;
    }
    while (n && n != node && !n.next_sibling()) n = n.parent();
    if (n && n != node) n = n.next_sibling();
  }
  return out;
}

std::string RawXml(const pugi::xml_node& node) {
  StringWriter w;
  node.print(w, "", pugi::format_raw);
  return std::move(w.text);
}

std::string NumberText(double value) {
  if (!std::isfinite(value)) return "0";
  if (value == 0) return "0";
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

std::string EncodeSheetText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c < 0x20 && c != '\t' && c != '\n') || (c == '_' && EscapeAt(text, i) >= 0)) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "_x%04X_", c);
      out += buffer;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string DecodeSheetText(std::string_view text) {
  if (text.find("_x") == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    int v = EscapeAt(text, i);
    if (v >= 0) {
      AppendUtf8(out, static_cast<uint32_t>(v));
      i += 7;
    } else {
      out += text[i++];
    }
  }
  return out;
}

void AppendEscaped(std::string& out, std::string_view text, bool attribute) {
  for (size_t i = 0; i < text.size();) {
    char c = text[i];
    if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x80) {
      switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"':
          if (attribute) out += "&quot;";
          else out += c;
          break;
        default: out += c;
      }
      ++i;
      continue;
    }
    uint32_t cp = 0;
    size_t len = DecodeUtf8(text, i, &cp);
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    if (!XmlAllows(cp)) {
      out += "\xEF\xBF\xBD";
    } else if (cp == '\r') {
      out += "&#13;";
    } else if (attribute && (cp == '\n' || cp == '\t')) {
      out += cp == '\n' ? "&#10;" : "&#9;";
    } else {
      out.append(text.substr(i, len));
    }
    i += len;
  }
}

XmlOut::XmlOut() { out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"; }

void XmlOut::CloseStart() {
  if (open_) {
    out_ += '>';
    open_ = false;
  }
}

XmlOut& XmlOut::Start(std::string_view name) {
  CloseStart();
  out_ += '<';
  out_ += name;
  stack_.emplace_back(name);
  open_ = true;
  return *this;
}

XmlOut& XmlOut::Attr(std::string_view name, std::string_view value) {
  out_ += ' ';
  out_ += name;
  out_ += "=\"";
  AppendEscaped(out_, value, true);
  out_ += '"';
  return *this;
}

XmlOut& XmlOut::Attr(std::string_view name, double value) { return Attr(name, std::string_view(NumberText(value))); }

XmlOut& XmlOut::Attr(std::string_view name, int64_t value) {
  char buffer[24];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return Attr(name, std::string_view(buffer, static_cast<size_t>(end - buffer)));
}

XmlOut& XmlOut::Text(std::string_view text) {
  CloseStart();
  AppendEscaped(out_, text, false);
  return *this;
}

XmlOut& XmlOut::Raw(std::string_view markup) {
  CloseStart();
  out_ += markup;
  return *this;
}

XmlOut& XmlOut::End() {
  if (stack_.empty()) return *this;
  if (open_) {
    out_ += "/>";
    open_ = false;
  } else {
    out_ += "</";
    out_ += stack_.back();
    out_ += '>';
  }
  stack_.pop_back();
  return *this;
}

XmlOut& XmlOut::Element(std::string_view name, std::string_view text) { return Start(name).Text(text).End(); }
XmlOut& XmlOut::Val(std::string_view name, std::string_view value) { return Start(name).Attr("val", value).End(); }
XmlOut& XmlOut::Val(std::string_view name, int64_t value) { return Start(name).Attr("val", value).End(); }
XmlOut& XmlOut::Val(std::string_view name, double value) { return Start(name).Attr("val", value).End(); }

std::string XmlOut::Take() {
  while (!stack_.empty()) End();
  return std::move(out_);
}

}  // namespace korvat::host::file::xlsx
