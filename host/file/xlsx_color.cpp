#include "host/file/xlsx_color.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/file/xlsx_xml.h"
#include "host/model/cell_style.h"
#include "host/model/color_palette.h"

namespace korvat::host::file::xlsx {
namespace {

int Pack(int r, int g, int b) { return r + g * 256 + b * 65536; }

// Indexes 0-7 repeat the first eight palette colours; 64 and 65 are the window's text and
// background colours.
constexpr int kSystemText = 64;

int ApplyTint(int packed, double tint) {
  if (tint == 0) return packed;
  int rgb[3] = {packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF};
  for (int& c : rgb) {
    double v = c / 255.0;
    v = tint < 0 ? v * (1.0 + tint) : v + (1.0 - v) * tint;
    c = std::clamp(static_cast<int>(std::lround(v * 255.0)), 0, 255);
  }
  return Pack(rgb[0], rgb[1], rgb[2]);
}

}  // namespace

ThemeColors ThemeColors::Default() {
  // The default theme's scheme, as packed colours.
  const int rrggbb[12] = {0xFFFFFF, 0x000000, 0xE7E6E6, 0x44546A, 0x4472C4, 0xED7D31,
                          0xA5A5A5, 0xFFC000, 0x5B9BD5, 0x70AD47, 0x0563C1, 0x954F72};
  ThemeColors t;
  for (int i = 0; i < 12; ++i) t.packed[i] = Pack(rrggbb[i] >> 16 & 0xFF, rrggbb[i] >> 8 & 0xFF, rrggbb[i] & 0xFF);
  return t;
}

ThemeColors ReadThemeColors(const Package& package, const std::string& themePart) {
  ThemeColors t = ThemeColors::Default();
  const std::string* data = themePart.empty() ? nullptr : package.Find(themePart);
  if (!data) return t;
  pugi::xml_document doc;
  std::string ignored;
  if (!ParseXml(*data, themePart, &doc, &ignored)) return t;
  pugi::xml_node scheme = Child(Child(doc.document_element(), "themeElements"), "clrScheme");
  const char* order[12] = {"lt1", "dk1", "lt2", "dk2", "accent1", "accent2",
                           "accent3", "accent4", "accent5", "accent6", "hlink", "folHlink"};
  for (int i = 0; i < 12; ++i) {
    pugi::xml_node c = Child(scheme, order[i]);
    pugi::xml_node srgb = Child(c, "srgbClr"), sys = Child(c, "sysClr");
    int packed = 0;
    if (srgb && ParseRgbHex(srgb.attribute("val").value(), &packed)) t.packed[i] = packed;
    else if (sys && ParseRgbHex(sys.attribute("lastClr").value(), &packed)) t.packed[i] = packed;
  }
  return t;
}

XColor ReadColor(const pugi::xml_node& node, const ThemeColors& theme) {
  XColor c;
  if (!node) return c;
  const double tint = NumberAttr(node, "tint", 0.0);
  int packed = 0;
  if (BoolAttr(node, "auto", false)) {
    c.kind = XColor::Kind::Auto;
  } else if (Attr(node, "rgb") && ParseRgbHex(Attr(node, "rgb").value(), &packed)) {
    c.kind = XColor::Kind::Rgb;
    c.packed = ApplyTint(packed, tint);
  } else if (Attr(node, "theme")) {
    int64_t i = IntegerAttr(node, "theme", 1);
    c.kind = XColor::Kind::Rgb;
    c.packed = ApplyTint(theme.packed[static_cast<size_t>(std::clamp<int64_t>(i, 0, 11))], tint);
  } else if (Attr(node, "indexed")) {
    int64_t i = IntegerAttr(node, "indexed", kSystemText);
    c.kind = XColor::Kind::Indexed;
    c.index = static_cast<int>(std::clamp<int64_t>(i, 0, 65));
    if (c.index < 8) c.index += 8;  // the first eight repeat palette entries 1-8
  }
  return c;
}

std::string ColorAttributes(const XColor& color) {
  switch (color.kind) {
    case XColor::Kind::Absent: return {};
    case XColor::Kind::Auto: return "auto=\"1\"";
    case XColor::Kind::Indexed: return "indexed=\"" + std::to_string(color.index) + "\"";
    case XColor::Kind::Rgb: return "rgb=\"FF" + RgbHex(color.packed) + "\"";
  }
  return {};
}

int ColorIndexOf(const XColor& color, int absent) {
  switch (color.kind) {
    case XColor::Kind::Absent: return absent;
    case XColor::Kind::Auto: return kAutomatic;
    case XColor::Kind::Indexed: return color.index >= 8 && color.index <= 63 ? color.index - 7 : kAutomatic;
    case XColor::Kind::Rgb: return NearestPaletteIndex(color.packed);
  }
  return absent;
}

int PackedOf(const XColor& color, int fallback) {
  if (color.kind == XColor::Kind::Rgb) return color.packed;
  if (color.kind == XColor::Kind::Indexed) {
    if (auto p = PaletteColor(color.index - 7)) return *p;
  }
  return fallback;
}

XColor ColorOfIndex(int colorIndex) {
  XColor c;
  if (PaletteColor(colorIndex)) {
    c.kind = XColor::Kind::Indexed;
    c.index = colorIndex + 7;
  } else if (colorIndex == kAutomatic) {
    c.kind = XColor::Kind::Auto;
  }
  return c;
}

XColor ColorOfPacked(int packed) {
  XColor c;
  c.kind = XColor::Kind::Rgb;
  c.packed = packed & 0xFFFFFF;
  return c;
}

std::string RgbHex(int packed) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02X%02X%02X", packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
  return buffer;
}

bool ParseRgbHex(const std::string& text, int* packed) {
  std::string t = text.size() == 8 ? text.substr(2) : text;
  if (t.size() != 6) return false;
  int v = 0;
  for (char c : t) {
    int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    if (d < 0) return false;
    v = v * 16 + d;
  }
  *packed = Pack(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF);
  return true;
}

}  // namespace korvat::host::file::xlsx
